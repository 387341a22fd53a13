#include "settings/colour_picker_model.h"

#include <algorithm>
#include <cmath>

namespace rovex {

int ColourPickerModel::Max(Component c) {
  switch (c) {
    case H: return 359;
    case S:
    case V: return 100;
    default: return 255;
  }
}

int ColourPickerModel::Get(Component c) const {
  switch (c) {
    case R: return m_rgb.red;
    case G: return m_rgb.green;
    case B: return m_rgb.blue;
    case H: return m_hue;
    case S: return m_sat;
    case V: return m_val;
  }
  return 0;
}

void ColourPickerModel::Set(Component c, int value) {
  value = std::clamp(value, 0, Max(c));
  Colour rgb = m_rgb;
  switch (c) {
    case R: rgb.red = static_cast<uint8_t>(value); break;
    case G: rgb.green = static_cast<uint8_t>(value); break;
    case B: rgb.blue = static_cast<uint8_t>(value); break;
    case H: m_hue = value; RgbFromHsv(); return;
    case S: m_sat = value; RgbFromHsv(); return;
    case V: m_val = value; RgbFromHsv(); return;
  }
  SetRgb(rgb);
}

void ColourPickerModel::SetRgb(Colour c) {
  m_rgb = c;
  int mx = std::max({c.red, c.green, c.blue});
  int mn = std::min({c.red, c.green, c.blue});
  int delta = mx - mn;
  m_val = static_cast<int>(std::lround(mx * 100.0 / 255.0));
  // Grey has no hue: keep the one the user had, so the slider does not jump.
  if (mx == 0) {
    m_sat = 0;
    return;
  }
  m_sat = static_cast<int>(std::lround(delta * 100.0 / mx));
  if (delta == 0) return;
  double h;
  if (mx == c.red) h = 60.0 * std::fmod((c.green - c.blue) / static_cast<double>(delta), 6.0);
  else if (mx == c.green) h = 60.0 * ((c.blue - c.red) / static_cast<double>(delta) + 2.0);
  else h = 60.0 * ((c.red - c.green) / static_cast<double>(delta) + 4.0);
  if (h < 0) h += 360.0;
  m_hue = static_cast<int>(std::lround(h)) % 360;
}

void ColourPickerModel::RgbFromHsv() {
  double s = m_sat / 100.0, v = m_val / 100.0;
  double c = v * s;
  double hp = m_hue / 60.0;
  double x = c * (1 - std::fabs(std::fmod(hp, 2.0) - 1));
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(hp) % 6) {
    case 0: r = c; g = x; break;
    case 1: r = x; g = c; break;
    case 2: g = c; b = x; break;
    case 3: g = x; b = c; break;
    case 4: r = x; b = c; break;
    default: r = c; b = x; break;
  }
  double m = v - c;
  auto to8 = [&](double f) { return static_cast<uint8_t>(std::clamp<long>(std::lround((f + m) * 255.0), 0, 255)); };
  m_rgb = Colour{to8(r), to8(g), to8(b)};
}

}  // namespace rovex
