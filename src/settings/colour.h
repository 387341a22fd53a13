#pragma once

#include <cstdint>
#include <string>

// A panel colour as the settings keep it: "%2.2x %2.2x %2.2x", red first.

namespace rovex {

struct Colour {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Colour&) const = default;
};

// "ff 00 80" for 255, 0, 128.
std::string FormatColour(Colour c);

// Reads "%x %x %x": upper or lower case, longer digit runs keep their low byte
// (a component is one byte, so a hand-edited value still gives a colour), only
// the first three numbers count. False when
// three numbers cannot be read; *out is then black.
bool ParseColour(const std::string& text, Colour* out);

}  // namespace rovex
