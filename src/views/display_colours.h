#pragma once

#include "platform/canvas.h"
#include "settings/colour.h"

// The day and night colour sets: the panels' background and text colours come
// from the settings, the view background is white by day and black by night.

namespace rovex {

class RegistrySettings;

struct DisplayColours {
  Rgb panelBackground;
  Rgb panelText;
  Rgb viewBackground;
  bool operator==(const DisplayColours&) const = default;
};

inline Rgb ToRgb(Colour c) { return Rgb{c.red, c.green, c.blue}; }

DisplayColours DaySet(const RegistrySettings& settings);
DisplayColours NightSet(const RegistrySettings& settings);

}  // namespace rovex
