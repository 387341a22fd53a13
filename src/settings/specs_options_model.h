#pragma once

#include "settings/registry_settings.h"

// "Specs options": whether average-speed zones are timed.

namespace rovex {

class SpecsOptionsModel {
 public:
  static constexpr const char* kLabel = "Enable specs average speed ";
  static bool Open(const RegistrySettings& settings) { return settings.ReadFlagSetting("AverageSpeed") == 1; }
  static void Ok(RegistrySettings& settings, bool enabled) {
    settings.WriteNumberSetting("AverageSpeed", enabled ? 1 : 0);
  }
};

}  // namespace rovex
