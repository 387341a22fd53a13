#pragma once

#include "system/feature.h"
#include "views/pointer_view.h"
#include "views/shown_heading.h"

// The compass view (mode 3) and the pointer view (mode 4): the heading-up
// rose, and with the pointer the route followed and announced as the route
// view does it. Owns the shown heading, which the trail view turns its dials by.

namespace rovex {

class RouteFeature;
class SystemContext;

class CompassFeature final : public Feature {
 public:
  CompassFeature(SystemContext& context, RouteFeature& route);

  ShownHeading& Heading() { return m_heading; }
  // The rose data of one drawing pass: the heading damped towards the course.
  CompassViewData CompassData(const DrawState& state);

  bool DrawMode(int mode, Canvas& canvas, const DrawState& state) override;

 private:
  RouteFeature& m_route;
  ShownHeading m_heading;
};

// The pointer and trail views' route step of one drawing pass: the route
// followed (and announced), its points labelled and the leg pointers found.
struct FollowedRoute {
  std::vector<RouteViewPoint> points;
  bool haveNearest = false;
  std::string nearestLine;
  std::string nextLine;
  LegPointers pointers;
};
FollowedRoute FollowForView(RouteFeature& route, const GpsFix& fix);

}  // namespace rovex
