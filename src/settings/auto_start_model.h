#pragma once

#include <string>

#include "platform/user_prompt.h"
#include "platform/xdg_autostart.h"
#include "settings/registry_settings.h"

// "Auto start options" (CDlg_Autostart): what starts by itself when the
// window is first shown.

namespace rovex {

class AutoStartModel {
 public:
  static constexpr const char* kTitle = "Auto start options";
  static constexpr const char* kReadError = "An error occurred reading the route\nsettings from the registry";

  struct Values {
    bool gps = false;    // "&GPS communications", AutoStartGPS
    bool size = false;   // "&Size window", AutoStartSize
    bool log = false;    // "&NMEA log", AutoStartLog
    bool route = false;  // "&Load route", AutoStartRoute
    bool trail = false;  // "Load Trail", AutoStartTrail
    bool session = false;  // kSessionLabel: the desktop session's autostart entry, not a setting
  };
  static constexpr const char* kSessionLabel = "Start ROVEX with the &desktop session";

  // A box is ticked only when its value is 1; one message when any cannot be
  // read. The session box shows whether ROVEX's autostart entry is there.
  static Values Open(const RegistrySettings& settings, UserPrompt* prompt, const XdgAutostart* session = nullptr);
  // Stores the five values, then writes or removes the autostart entry; the
  // message to show when the entry could not be changed, else empty.
  static std::string Ok(RegistrySettings& settings, const Values& values, XdgAutostart* session = nullptr);
};

}  // namespace rovex
