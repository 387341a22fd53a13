#pragma once

#include <string>

#include "settings/registry_settings.h"

// "Shutdown Options" (CDlgShutdownOptions): the delay before the computer
// switches off, and whether the k key starts the shutdown at once.

namespace rovex {

class ShutdownOptionsModel {
 public:
  static constexpr const char* kTitle = "Shutdown Options";
  static constexpr unsigned kLongestDelay = 3600;

  struct Values {
    std::string seconds;       // "Shutdown delay in seconds", as typed
    bool kKeyShutdown = false;  // "Enable the k key for shutdown.", DisableShutdown
  };

  static Values Open(const RegistrySettings& settings);
  // The typed delay as a number of seconds within 0..3600 (not a number: 0).
  static unsigned DelayFrom(const std::string& typed);
  static void Ok(RegistrySettings& settings, const Values& values);
};

}  // namespace rovex
