#pragma once

#include <string>

#include "system/feature.h"

// The record file and the marked spots in the running system: File Open,
// Save and Save As keep and restore the fix with the displayed track, and
// Mark Location appends the position to the marked-spots file.

namespace rovex {

class SystemContext;

class RecordFeature final : public Feature {
 public:
  explicit RecordFeature(SystemContext& context) : m_context(context) {}

  const std::string& RecordName() const { return m_recordName; }

  void RegisterCommands(CommandRegistry& commands) override;

  void Save();
  void SaveAs();
  void Open();
  void MarkLocation();

 private:
  void Write();

  SystemContext& m_context;
  std::string m_recordName;  // the current record file, empty at start
};

}  // namespace rovex
