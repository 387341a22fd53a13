#include "routes/snap_to_route.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "routes/route_line.h"

namespace rovex {

bool SnapToRoute(const RegistrySettings& settings, UserPrompt* prompt,
                 const std::function<void(double latitude, double longitude)>& visit) {
  auto tell = [&](const std::string& text) {
    if (prompt) prompt->MessageBox(text, MsgIcon::Warning, MsgButtons::Ok);
  };
  std::optional<std::string> path = settings.TryReadText("RouteName", 299);
  if (!path) {
    tell("Error: can't get route file name from the registry.");
    return false;
  }
  if (path->empty()) {
    tell("You do not have a default route file selected.\nSelect a route file and then try Snap To again.");
    return false;
  }
  std::FILE* file = std::fopen(path->c_str(), "rb");
  if (!file) {
    tell("Error can't open the route file\n" + path->substr(0, 200) +
         "\n\nPlease check the ROVEX options or registry settings.");
    return false;
  }
  RouteLineReader reader(file);
  std::string line;
  while (reader.Next(&line)) {
    if (KindOfRouteLine(line) != RouteLineKind::Point) continue;
    double longitude = 0.0, latitude = 0.0;
    // The numbers that made the line a point: never the 0.0 that means "no fix".
    if (FirstTwoNumbers(line, &longitude, &latitude) && longitude != 0.0 && latitude != 0.0 &&
        std::isfinite(longitude) && std::isfinite(latitude)) {
      visit(latitude, longitude);
    }
  }
  std::fclose(file);
  return true;
}

}  // namespace rovex
