#include "settings/colours_model.h"

#include <cstdlib>

namespace rovex {

ColoursModel::Fields ColoursModel::Open(const RegistrySettings& settings) {
  Fields f;
  for (size_t i = 0; i < 4; ++i) {
    Colour c = settings.ReadColourSetting(kSettingNames[i]);
    f[i] = {std::to_string(c.red), std::to_string(c.green), std::to_string(c.blue)};
  }
  return f;
}

uint8_t ColoursModel::FieldValue(const std::string& text) {
  return static_cast<uint8_t>(static_cast<unsigned>(std::atoi(text.c_str())) & 0xff);
}

Colour ColoursModel::ColourOf(const Fields& fields, Which which) {
  const auto& f = fields[which];
  return Colour{FieldValue(f[0]), FieldValue(f[1]), FieldValue(f[2])};
}

void ColoursModel::Ok(RegistrySettings& settings, const Fields& fields) {
  settings.WriteColourSetting("DayTimeBackGround", ColourOf(fields, DayBack));
  settings.WriteColourSetting("NightTimeBackGround", ColourOf(fields, NightBack));
  settings.WriteColourSetting("DayTimeForeGround", ColourOf(fields, DayFont));
  settings.WriteColourSetting("NightTimeForeGround", ColourOf(fields, NightFont));
}

}  // namespace rovex
