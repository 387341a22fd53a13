#include "views/display_colours.h"

#include "settings/registry_settings.h"

namespace rovex {

DisplayColours DaySet(const RegistrySettings& settings) {
  return {ToRgb(settings.ReadColourSetting("DayTimeBackGround")), ToRgb(settings.ReadColourSetting("DayTimeForeGround")),
          kWhite};
}

DisplayColours NightSet(const RegistrySettings& settings) {
  return {ToRgb(settings.ReadColourSetting("NightTimeBackGround")),
          ToRgb(settings.ReadColourSetting("NightTimeForeGround")), kBlack};
}

}  // namespace rovex
