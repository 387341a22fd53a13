#pragma once

#include <string>
#include <vector>

#include "nmea/gps_fix.h"
#include "platform/canvas.h"
#include "routes/route_follower.h"
#include "routes/route_labels.h"

// The route view: the route's points around the car on a black map, north up,
// with the nearest and next point written below and the fix in a small panel
// on the right. Laid out for an 800 by 600 window; a window too small for the
// map shows nothing (the route is still followed and announced).

namespace rovex {

struct CameraRecord;

struct RouteViewPoint {
  double east = 0.0;   // metres from the car
  double north = 0.0;
  std::string label;
};

// Everything the route view shows, gathered for one drawing pass.
struct RouteViewData {
  GpsFix fix;
  double mapRadius = 4000.0;
  unsigned speedUnits = 0;
  int timeZone = 0;
  std::vector<RouteViewPoint> points;  // every measured point; the view keeps those inside the radius
  std::string nearestLine = "No nearby point";
  std::string nextLine = "No nearby point";
  const std::vector<CameraRecord>* cameras = nullptr;  // the nearby list, drawn over the map
};

namespace route_view {

inline constexpr int kMapLeft = 1, kMapTop = 123, kMapRight = 750, kMapBottom = 460;
inline constexpr int kCentreX = 180, kCentreY = 253;

// The view needs more than 750 by 460 pixels.
bool ViewFits(int width, int height);

// The measured points of a pass with their labels.
std::vector<RouteViewPoint> PointsOf(const RouteFollowPass& pass, const Route& route, const RouteDisplayFlags& flags);

// "Speed %01.0f kph", "... knots", or "... mph" above 1 knot and "Speed 0 mph" otherwise.
std::string SpeedLine(double knots, unsigned speedUnits);
// The six lines of the information panel, top to bottom.
std::vector<std::string> InformationLines(const RouteViewData& data);

void DrawRouteView(Canvas& canvas, const RouteViewData& data);

}  // namespace route_view
}  // namespace rovex
