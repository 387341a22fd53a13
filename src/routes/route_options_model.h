#pragma once

#include "platform/user_prompt.h"
#include "settings/registry_settings.h"

// "Route options" (CDLG_ROUTE_OPTIONS): what the route view writes beside its
// points, and whether the route's excluded cameras are honoured and announced.

namespace rovex {

class RouteOptionsModel {
 public:
  static constexpr const char* kTitle = "Route options";
  static constexpr const char* kReadError = "An error occurred reading the route\nsettings from the registry";

  struct Values {
    bool pointNumber = false;      // "Point number", DisplayRouteNumber
    bool text1 = false;            // "Text 1", DisplayRouteText1
    bool text2 = false;            // "Text 2", DisplayRouteText2
    bool excludeCameras = false;   // "Exclude cameras", Exclude
    bool sayExcluded = false;      // "Announce that route contains excluded cameras.", SayExcluded
  };

  // A box is ticked only when its value is 1; one message when any cannot be read.
  static Values Open(const RegistrySettings& settings, UserPrompt* prompt);
  static void Ok(RegistrySettings& settings, const Values& values);
};

}  // namespace rovex
