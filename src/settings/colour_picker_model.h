#pragma once

#include "settings/colour.h"

// The colour picker's state: one colour seen as red, green, blue and as hue,
// saturation, value; the slider moves whichever component is chosen, the other
// form follows.

namespace rovex {

class ColourPickerModel {
 public:
  enum Component { R, G, B, H, S, V };

  explicit ColourPickerModel(Colour start = {}) { SetRgb(start); }

  Colour Rgb() const { return m_rgb; }
  int Hue() const { return m_hue; }         // 0..359 degrees
  int Saturation() const { return m_sat; }  // 0..100 percent
  int Value() const { return m_val; }       // 0..100 percent

  int Get(Component c) const;
  static int Max(Component c);  // 255, 359 or 100
  // Sets one component (clamped to its range); the other form is recomputed.
  void Set(Component c, int value);
  void SetRgb(Colour c);

 private:
  void RgbFromHsv();

  Colour m_rgb;
  int m_hue = 0;
  int m_sat = 0;
  int m_val = 0;
};

}  // namespace rovex
