#pragma once

#include <string>

// The entry that makes the desktop session start ROVEX when the user logs in:
// a desktop file in the XDG autostart folder ($XDG_CONFIG_HOME/autostart, by
// default ~/.config/autostart). ROVEX writes it when the option is ticked and
// removes it when it is cleared; an entry without ROVEX's mark is the user's
// own and is left alone.

namespace rovex {

class XdgAutostart {
 public:
  // command: the program to start, as a path; it is quoted in the entry as the
  // desktop entry rules require.
  XdgAutostart(std::string entryPath, std::string command);

  // $XDG_CONFIG_HOME/autostart/rovex.desktop, or under ~/.config when that is not set.
  static std::string DefaultEntryPath();
  // The running program's own path (/proc/self/exe); "rovex" when it cannot be read.
  static std::string RunningProgram();
  // The Exec value that starts `program`.
  static std::string ExecValue(const std::string& program);

  const std::string& EntryPath() const { return m_entryPath; }
  // True when ROVEX's entry is there.
  bool Enabled() const;
  // Writes the entry atomically; false with the reason in *error.
  bool Enable(std::string* error);
  // Removes ROVEX's entry; true when none is left.
  bool Disable(std::string* error);

 private:
  std::string m_entryPath;
  std::string m_command;
};

}  // namespace rovex
