#pragma once

#include <string>

// The rules of "Choose a layer display zoom." (`CAtlasZoom`): the level box
// from `AtlasZoom`, the spin control, and OK storing the level (never below 0).

namespace rovex {
class RegistrySettings;
}

namespace rovex::atlas {

struct AtlasZoomModel {
  explicit AtlasZoomModel(RegistrySettings& settings);
  void SpinUp() { ++level; }
  void SpinDown() {
    if (level >= 1) --level;
  }
  // Stores the level read from the box text (as atoi reads it); the level stored.
  int Ok(const std::string& text);

  RegistrySettings& settings;
  int level = 0;
};

}  // namespace rovex::atlas
