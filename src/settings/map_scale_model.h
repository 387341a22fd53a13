#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "settings/registry_settings.h"

// "Set Map Scale": the map radius, which is also the radius of the nearby camera list.

namespace rovex {

class MapScaleModel {
 public:
  static constexpr std::array<uint32_t, 8> kRadii = {500, 1000, 2000, 4000, 8000, 16000, 32000, 64000};
  static constexpr std::array<const char*, 8> kLabels = {"500 metres", "1 km",  "2 km",  "4 km",
                                                         "8 km",       "16 km", "32 km", "64 km"};

  // Index of the button to check on opening; none when the stored value is not one of the radii.
  static std::optional<size_t> Open(const RegistrySettings& settings);
  // OK: the checked radius, or 5000 when no button is checked.
  static bool Ok(RegistrySettings& settings, std::optional<size_t> checked);
};

}  // namespace rovex
