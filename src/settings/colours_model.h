#pragma once

#include <array>
#include <string>

#include "settings/colour.h"
#include "settings/registry_settings.h"

// "Display colours": the day and night panel colours as twelve decimal fields,
// with a preview of each pair.

namespace rovex {

class ColoursModel {
 public:
  // The four colours in the order of the dialog's fields.
  enum Which { DayFont = 0, DayBack = 1, NightFont = 2, NightBack = 3 };
  static constexpr std::array<const char*, 4> kSettingNames = {"DayTimeForeGround", "DayTimeBackGround",
                                                               "NightTimeForeGround", "NightTimeBackGround"};
  // Fields as the user typed them: [colour][0 red, 1 green, 2 blue].
  using Fields = std::array<std::array<std::string, 3>, 4>;

  static Fields Open(const RegistrySettings& settings);
  // A field's number keeps its low 8 bits (300 becomes 44); text without digits is 0.
  static uint8_t FieldValue(const std::string& text);
  static Colour ColourOf(const Fields& fields, Which which);
  // OK: writes DayTimeBackGround, NightTimeBackGround, DayTimeForeGround, NightTimeForeGround in that order.
  static void Ok(RegistrySettings& settings, const Fields& fields);

  // The preview: a light yellow box outlined in magenta with "Sample" in the font colour on the background.
  static constexpr Colour kPreviewBox{255, 255, 80};
  static constexpr Colour kPreviewOutline{255, 0, 255};
  static constexpr int kPreviewFontHeight = 48;
};

}  // namespace rovex
