#include "routes/route_list_model.h"

#include <cmath>

#include "nmea/c_number.h"
#include "platform/c_format.h"

namespace rovex {
namespace {

// The list shows the distance on its own flat factors, without the cosine of
// the latitude: a rough figure to read a list by.
constexpr double kListMetresEast = 111319.14001027387;
constexpr double kListMetresNorth = 110945.90800966838;

}  // namespace

RouteListHeading ReadRouteListHeading(const RegistrySettings& settings) {
  RouteListHeading heading;
  std::optional<std::string> path = settings.TryReadText("RouteName", 299);
  if (!path) {
    heading.fileName = "Error: unable to retreive route file name.";
    heading.routeName = "No file";
    return heading;
  }
  heading.fileName = *path;
  Route route;
  if (ReadRouteFile(*path, &route) != RouteReadResult::Read) {
    heading.routeName = "No file";
  } else {
    heading.routeName = route.name ? route.name->substr(0, 159) : "No route name";
  }
  return heading;
}

std::vector<std::vector<std::string>> RouteListRows(const Route* route, double latitude, double longitude) {
  if (!route) return {{"Route list is empty"}};
  std::vector<std::vector<std::string>> rows;
  int number = 0;
  for (const RoutePoint& p : route->points) {
    std::string distance;
    double pointLatitude = CAtof(p.latitude.c_str());
    double pointLongitude = CAtof(p.longitude.c_str());
    if (pointLatitude != 0.0 && pointLongitude != 0.0 && latitude != 0.0 && longitude != 0.0) {
      double east = (pointLongitude - longitude) * kListMetresEast;
      double north = (pointLatitude - latitude) * kListMetresNorth;
      distance = FormatFixed(std::sqrt(east * east + north * north) / 1000.0, 3) + " km";
    }
    rows.push_back({std::to_string(++number), distance, p.latitude.str(), p.longitude.str(), p.desc1.value_or(""),
                    p.desc2.value_or("")});
  }
  return rows;
}

std::vector<std::string> ExcludeListRows(const CameraExcludeNames& exclusions) {
  const std::vector<std::string>& names = exclusions.Names();
  if (names.empty()) return {"There are no excluded cameras."};
  return std::vector<std::string>(names.rbegin(), names.rend());
}

}  // namespace rovex
