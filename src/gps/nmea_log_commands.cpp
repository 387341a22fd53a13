#include "gps/nmea_log_commands.h"

#include <iomanip>
#include <locale>
#include <sstream>

#include "platform/atomic_file.h"
#include "platform/data_root.h"
#include "settings/registry_settings.h"

namespace rovex {
namespace {

// Day and month names in English whatever the user's locale, as the names
// have always been; a locale's names could also bring characters a FAT
// card cannot hold.
std::string FormatLocalTime(const Clock& clock, const char* format, size_t capacity) {
  std::tm local = clock.LocalTime();
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << std::put_time(&local, format);
  std::string s = out.str();
  if (s.size() > capacity - 1) s.resize(capacity - 1);
  return s;
}

}  // namespace

std::string NmeaLogCommands::ProposedLogName(const Clock& clock) {
  return FormatLocalTime(clock, "MNEA Log %A %d of %B %Y", 299);
}

std::string NmeaLogCommands::AutoLogPath(const Clock& clock) {
  return JoinPath(DataPath("Log"), FormatLocalTime(clock, "MNEA Log %A %d of %B %Y %H%M.txt", 299));
}

void NmeaLogCommands::Open(const std::string& path) {
  if (!m_log.Open(path)) {
    m_prompt.MessageBox("Error can't open the NMEA data file\n" + path, MsgIcon::Warning, MsgButtons::Ok,
                        kAppCaption);
  }
}

void NmeaLogCommands::LogNmeaData() {
  if (m_log.IsOpen()) {
    if (m_prompt.MessageBox("Close current NMEA log file ?", MsgIcon::Warning, MsgButtons::OkCancel,
                            kAppCaption) == MsgResult::Ok) {
      m_log.Close();
    }
    return;
  }
  RegistrySettings settings(m_store, &m_prompt);
  std::string folder = settings.ReadTextSetting("LogFolder", 199);
  std::string proposed = JoinPath(folder, ProposedLogName(m_clock));
  if (proposed.size() > 298) proposed.resize(298);
  std::optional<std::string> path =
      m_prompt.SaveFile("Save - NMEA log file name", "*.txt *.log|*.txt;*.log||", proposed, "txt");
  if (!path) return;
  Open(*path);
}

void NmeaLogCommands::AutoToggleLog() {
  if (m_log.IsOpen()) {
    m_log.Close();
    return;
  }
  // On a fresh machine nothing has made the data root's Log folder yet.
  MakeFolders(DataPath("Log"));
  Open(AutoLogPath(m_clock));
}

}  // namespace rovex
