#pragma once

#include <optional>

#include "settings/registry_settings.h"

// "Speed Setup": which units the speed panel shows.

namespace rovex {

class SpeedSetupModel {
 public:
  enum Units { Mph = 0, Kph = 1, Knots = 2 };

  // The radio button to check on opening; none when the value is missing or other.
  static std::optional<Units> Open(const RegistrySettings& settings);
  // OK: Knots wins over Kph wins over Mph, as the buttons are tested in that order.
  static bool Ok(RegistrySettings& settings, bool mph, bool kph, bool knots);
};

}  // namespace rovex
