#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "routes/route_file.h"
#include "views/compass_view.h"
#include "views/route_view.h"

// The pointer view: the compass rose with the route. The right-hand map shows
// the route points around the car, the nearest and next points are written
// under the rose, and two pointers on the rose show the current route leg and
// the point to steer for. The trail view carries the same two pointers.

namespace rovex {

// A pointer: a compass bearing (degrees from north, not yet turned by the
// shown heading) and its colour.
struct RoutePointer {
  double bearing = 0.0;
  Rgb colour;
};

struct LegPointers {
  std::optional<RoutePointer> leg;    // along the leg from the nearest point to the next
  std::optional<RoutePointer> steer;  // from the car to the point to steer for
};

inline constexpr Rgb kFirstPointGreen{0, 154, 95};
inline constexpr Rgb kLightBlue{98, 202, 242};
inline constexpr Rgb kLightGreen{142, 229, 170};
inline constexpr Rgb kSteerRed{255, 50, 100};

// The leg of the route the car is on, from the nearest point (none: no pointers).
LegPointers ComputeLegPointers(const Route& route, std::optional<std::size_t> nearest, const GpsFix& fix);

// Compass bearing of the vector (east, north): 0 north, clockwise, 0..360.
double BearingOf(double east, double north);

// The sizes of a pointer drawn around a centre.
struct LegPointerShape {
  int cx, cy;
  int shaftFrom, shaftTo;
  int headFrom, headTo;
};
struct SteerPointerShape {
  int cx, cy;
  int shaftFrom, shaftTo;
  int fanFrom, fanTip, backTo;
};
void DrawLegPointer(Canvas& canvas, const RoutePointer& pointer, double heading, const LegPointerShape& shape);
void DrawSteerPointer(Canvas& canvas, const RoutePointer& pointer, double heading, const SteerPointerShape& shape);

struct PointerViewData {
  CompassViewData compass;
  std::vector<RouteViewPoint> points;  // every measured point; the map keeps those inside the radius
  bool haveNearest = false;
  std::string nearestLine;
  std::string nextLine;
  LegPointers pointers;
};

namespace pointer_view {

// A label at x, y on the right-hand map cut to fit (7 pixels a character);
// empty when it is not drawn at all.
std::string FitLabel(const std::string& label, int x, int y);

void DrawPointerView(Canvas& canvas, const PointerViewData& data);

}  // namespace pointer_view
}  // namespace rovex
