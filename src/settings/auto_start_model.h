#pragma once

#include "platform/user_prompt.h"
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
  };

  // A box is ticked only when its value is 1; one message when any cannot be read.
  static Values Open(const RegistrySettings& settings, UserPrompt* prompt);
  static void Ok(RegistrySettings& settings, const Values& values);
};

}  // namespace rovex
