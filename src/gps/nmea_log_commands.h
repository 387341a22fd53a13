#pragma once

#include <string>

#include "gps/nmea_log.h"
#include "platform/clock.h"
#include "platform/settings_store.h"
#include "platform/user_prompt.h"

// Starting and stopping the NMEA log: the Log NMEA Data menu command, with its
// question and save dialog, and the same toggle without dialogs for the
// automatic start. Runs on the user interface thread.

namespace rovex {

class NmeaLogCommands {
 public:
  NmeaLogCommands(NmeaLog& log, SettingsStore& store, UserPrompt& prompt, const Clock& clock)
      : m_log(log), m_store(store), m_prompt(prompt), m_clock(clock) {}

  // Log NMEA Data.
  void LogNmeaData();
  // Automatic logging at start-up: closes an open log, otherwise starts one
  // in the data root's Log folder named after the local date and time.
  void AutoToggleLog();

  // The name the save dialog proposes, e.g. "MNEA Log Saturday 05 of December 2026".
  static std::string ProposedLogName(const Clock& clock);
  // The automatic log's path, e.g. ".../Log/MNEA Log Saturday 05 of December 2026 1730.txt".
  static std::string AutoLogPath(const Clock& clock);

 private:
  void Open(const std::string& path);

  NmeaLog& m_log;
  SettingsStore& m_store;
  UserPrompt& m_prompt;
  const Clock& m_clock;
};

}  // namespace rovex
