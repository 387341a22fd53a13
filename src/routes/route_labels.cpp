#include "routes/route_labels.h"

namespace rovex {

RouteDisplayFlags ReadRouteDisplayFlags(const RegistrySettings& settings) {
  return {settings.ReadFlagSetting("DisplayRouteNumber") == 1, settings.ReadFlagSetting("DisplayRouteText1") == 1,
          settings.ReadFlagSetting("DisplayRouteText2") == 1};
}

std::string RoutePointLabel(int number, const RoutePoint& point, const RouteDisplayFlags& flags) {
  std::string label = flags.number ? "* " + std::to_string(number) : "*";
  bool text1Shown = flags.text1 && point.desc1;
  if (text1Shown) label += " " + *point.desc1;
  if (flags.text2 && point.desc2) {
    if (text1Shown) {
      label += ",";
    } else if (flags.number) {
      label += " ";
    }
    label += *point.desc2;
  }
  if (label.size() > 249) label.resize(249);
  return label;
}

}  // namespace rovex
