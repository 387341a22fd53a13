#pragma once

#include <string>

#include "settings/registry_settings.h"

// "Time Zone": hours added to UTC for the clock, kept as the text the user typed.

namespace rovex {

class TimeZoneModel {
 public:
  static constexpr const char* kPrompt = "Enter a + or - figure for your time zone. e.g. 1 or -1.";

  static std::string Open(const RegistrySettings& settings);
  // What OK stores for the typed text: "-12"/"12" beyond the limits, else the text as typed.
  static std::string Stored(const std::string& typed);
  static void Ok(RegistrySettings& settings, const std::string& typed);
};

}  // namespace rovex
