#include "system/compass_feature.h"

#include "platform/canvas.h"
#include "system/route_feature.h"
#include "system/system_context.h"
#include "system/view_mode.h"

namespace rovex {

CompassFeature::CompassFeature(SystemContext&, RouteFeature& route) : m_route(route) {}

CompassViewData CompassFeature::CompassData(const DrawState& state) {
  CompassViewData data;
  data.fix = state.fix;
  data.mapRadius = state.view.mapRadius;
  data.speedUnits = state.view.speedUnits;
  data.timeZone = state.view.timeZone;
  data.track = state.track;
  data.headingBefore = m_heading.Value();
  m_heading.Damp(state.fix.courseDegrees, state.fix.speedKnots);
  data.heading = m_heading.Value();
  return data;
}

FollowedRoute FollowForView(RouteFeature& route, const GpsFix& fix) {
  FollowedRoute followed;
  const RouteFollowPass pass = route.Follow(fix);
  const std::optional<std::size_t> nearest = route.Follower().NearestRoutePoint();
  followed.haveNearest = nearest.has_value();
  followed.nearestLine = pass.nearestLine;
  followed.nextLine = pass.nextLine;
  if (const Route* current = route.Current().Get()) {
    followed.points = route_view::PointsOf(pass, *current, route.DisplayFlags());
    followed.pointers = ComputeLegPointers(*current, nearest, fix);
  }
  return followed;
}

bool CompassFeature::DrawMode(int mode, Canvas& canvas, const DrawState& state) {
  if (mode == kCompassMode) {
    compass_view::DrawCompassView(canvas, CompassData(state));
    return true;
  }
  if (mode != kPointerMode) return false;
  FollowedRoute followed = FollowForView(m_route, state.fix);
  PointerViewData data;
  data.compass = CompassData(state);
  data.points = std::move(followed.points);
  data.haveNearest = followed.haveNearest;
  data.nearestLine = std::move(followed.nearestLine);
  data.nextLine = std::move(followed.nextLine);
  data.pointers = followed.pointers;
  pointer_view::DrawPointerView(canvas, data);
  return true;
}

}  // namespace rovex
