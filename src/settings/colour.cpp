#include "settings/colour.h"

#include <cstdio>

namespace rovex {

std::string FormatColour(Colour c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%2.2x %2.2x %2.2x", c.red, c.green, c.blue);
  return buf;
}

bool ParseColour(const std::string& text, Colour* out) {
  unsigned r = 0, g = 0, b = 0;
  *out = Colour{};
  if (std::sscanf(text.c_str(), "%x %x %x", &r, &g, &b) != 3) return false;
  *out = Colour{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
  return true;
}

}  // namespace rovex
