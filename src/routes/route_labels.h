#pragma once

#include <string>

#include "routes/route_point.h"
#include "settings/registry_settings.h"

// The label drawn beside a route point on a map: a star, and by the display
// settings the point's number and its two texts.

namespace rovex {

struct RouteDisplayFlags {
  bool number = false;  // DisplayRouteNumber
  bool text1 = false;   // DisplayRouteText1
  bool text2 = false;   // DisplayRouteText2
};

// Read when a route-aware view is made and after the route options dialog.
RouteDisplayFlags ReadRouteDisplayFlags(const RegistrySettings& settings);

// "*" or "* N", then " " and Desc. 1, then a separator and Desc. 2 ("," after
// Desc. 1, " " after the number alone, nothing after the star alone); at most
// 249 characters.
std::string RoutePointLabel(int number, const RoutePoint& point, const RouteDisplayFlags& flags);

}  // namespace rovex
