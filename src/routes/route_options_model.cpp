#include "routes/route_options_model.h"

#include <optional>

namespace rovex {

RouteOptionsModel::Values RouteOptionsModel::Open(const RegistrySettings& settings, UserPrompt* prompt) {
  bool unreadable = false;
  auto flag = [&](const char* name) {
    std::optional<uint32_t> n = settings.TryReadNumber(name);
    if (!n) unreadable = true;
    return n && *n == 1;
  };
  Values v;
  v.pointNumber = flag("DisplayRouteNumber");
  v.text1 = flag("DisplayRouteText1");
  v.text2 = flag("DisplayRouteText2");
  v.excludeCameras = flag("Exclude");
  v.sayExcluded = flag("SayExcluded");
  if (unreadable && prompt) prompt->MessageBox(kReadError, MsgIcon::Warning, MsgButtons::Ok);
  return v;
}

void RouteOptionsModel::Ok(RegistrySettings& settings, const Values& v) {
  settings.WriteNumberSetting("DisplayRouteNumber", v.pointNumber ? 1 : 0);
  settings.WriteNumberSetting("DisplayRouteText1", v.text1 ? 1 : 0);
  settings.WriteNumberSetting("DisplayRouteText2", v.text2 ? 1 : 0);
  settings.WriteNumberSetting("Exclude", v.excludeCameras ? 1 : 0);
  settings.WriteNumberSetting("SayExcluded", v.sayExcluded ? 1 : 0);
}

}  // namespace rovex
