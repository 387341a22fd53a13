#pragma once

#include "system/feature.h"

// The Convert menu: each command opens the dialog of one file conversion on
// a fresh model with its starting values. The conversions are one-shot file
// transformations; nothing of the running system changes.

namespace rovex {

class SystemContext;

class ConverterFeature final : public Feature {
 public:
  explicit ConverterFeature(SystemContext& context) : m_context(context) {}

  void RegisterCommands(CommandRegistry& commands) override;

 private:
  template <class Model, class... Args>
  void Open(Args... args);

  SystemContext& m_context;
};

}  // namespace rovex
