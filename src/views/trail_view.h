#pragma once

#include <string>
#include <vector>

#include "views/display_colours.h"
#include "views/pointer_view.h"

// The trail view: the trail as a thick road line on a north-up map around the
// car with the displayed track and the route points, the nearest and next
// route points in two large panels across the top, and two compass dials:
// the pointer to steer by on the left, the route leg on the right.

namespace rovex {

class TrackList;

struct TrailViewData {
  CompassViewData compass;
  const TrackList* trail = nullptr;
  std::vector<RouteViewPoint> points;
  bool haveNearest = false;
  std::string nearestLine;
  std::string nextLine;
  LegPointers pointers;
  DisplayColours colours;
};

namespace trail_view {

// The surface and where its pixel (1,1) lands on the window: (1,200).
inline constexpr int kSurfaceWidth = 749, kSurfaceHeight = 302;
inline constexpr int kSurfaceX = 0, kSurfaceY = 199;
inline constexpr int kMapCentreX = 385, kMapCentreY = 149;
inline constexpr Rgb kTrailColour{216, 156, 94};
inline constexpr std::size_t kPanelCharacters = 59;

// A route label at x on the map, shortened when it would run under the fix lines.
std::string FitLabel(const std::string& label, int x);

// The trail's strokes on the map: breaks, points out of the square and points
// that cannot be placed (no fix) split it.
std::vector<std::vector<CanvasPoint>> TrailStrokes(const TrackList& trail, const GpsFix& fix, double radius);

void DrawTrailView(Canvas& canvas, const TrailViewData& data);

}  // namespace trail_view
}  // namespace rovex
