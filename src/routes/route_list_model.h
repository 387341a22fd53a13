#pragma once

#include <string>
#include <vector>

#include "cameras/camera_exclude_names.h"
#include "routes/route_file.h"
#include "settings/registry_settings.h"

// The rows of "Route Points List" (CDlg_Route_List) and "Route Excluded List"
// (CDlg_Exclude_List), with the file and route name both show above them.

namespace rovex {

struct ListColumn {
  const char* title;
  int width;
};

inline constexpr ListColumn kRouteListColumns[] = {{"No.", 50},       {"Distance", 95}, {"Latitude", 95},
                                                   {"Longitude", 95}, {"Desc. 1", 150}, {"Desc. 2", 250}};
inline constexpr ListColumn kExcludeListColumns[] = {{"Camera Name", 250}};

struct RouteListHeading {
  std::string fileName;   // RouteName, or "Error: unable to retreive route file name."
  std::string routeName;  // the file's first comment line, "No route name" or "No file"; at most 159 characters
};

// What "Route Points List" shows: the heading and one row per point.
struct RoutePointsList {
  RouteListHeading heading;
  std::vector<std::vector<std::string>> rows;
};

// What "Route Excluded List" shows: the heading and one row per excluded camera type.
struct RouteExcludedList {
  RouteListHeading heading;
  std::vector<std::string> rows;
};

// Reads RouteName and the name inside that file.
RouteListHeading ReadRouteListHeading(const RegistrySettings& settings);

// One row per point: number, distance ("%.3f km" on the flat factors, empty
// without a position), latitude, longitude, Desc. 1, Desc. 2. route null (no
// route list at all) gives the single row "Route list is empty".
std::vector<std::vector<std::string>> RouteListRows(const Route* route, double latitude, double longitude);

// The exclusions last first; "There are no excluded cameras." when there are none.
std::vector<std::string> ExcludeListRows(const CameraExcludeNames& exclusions);

}  // namespace rovex
