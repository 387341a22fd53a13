#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "routes/route_point.h"

// A route file as read: its points in file order, the camera types it asks
// to ignore, and its comment lines as a name and a spoken title.

namespace rovex {

// The spoken title never runs longer than this.
inline constexpr std::size_t kRouteTitleLimit = 79;

struct Route {
  std::vector<RoutePoint> points;
  std::vector<std::string> exclusions;
  std::optional<std::string> name;         // the first comment line with text after the ";"
  std::optional<std::string> lastComment;  // the last such line (the route picker's name)
  std::string spokenTitle = "Route ";     // "Route " and every comment line, each ended by a line end
};

enum class RouteReadResult { Read, CannotOpen };

// Reads the file into a fresh route. A file that cannot be opened or read to
// its end gives CannotOpen and an empty route.
RouteReadResult ReadRouteFile(const std::string& path, Route* route);

// The same from an open file; false when reading failed part way.
bool ReadRouteStream(std::FILE* file, Route* route);

}  // namespace rovex
