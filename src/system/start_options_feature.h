#pragma once

#include "system/feature.h"

// The unattended start and the end of a car PC's run: the "Auto start",
// "Start Time" and "Shutdown" option dialogs, and the k key with its Shutdown
// dialog, which switches the computer off after a delay.

namespace rovex {

class SystemContext;

class StartOptionsFeature final : public Feature {
 public:
  explicit StartOptionsFeature(SystemContext& context) : m_context(context) {}

  void RegisterCommands(CommandRegistry& commands) override;

  void RapidShutdown();

 private:
  void AutoStartOptions();
  void StartTimeOptions();
  void ShutdownOptions();

  SystemContext& m_context;
};

}  // namespace rovex
