#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_canvas.h"
#include "views/pointer_view.h"

namespace rovex {
namespace {

using testing::DrawCall;
using testing::RecordingCanvas;

// Route points every 0.01 degree north along longitude -1 (about 1112 m apart).
Route NorthRoute(int count) {
  Route route;
  for (int i = 0; i < count; ++i) {
    RoutePoint p;
    char lat[16];
    std::snprintf(lat, sizeof lat, "%.2f", 51.0 + 0.01 * i);
    p.latitude = lat;
    p.longitude = "-1.0";
    p.desc1 = "Point " + std::to_string(i + 1);
    route.points.push_back(p);
  }
  return route;
}

GpsFix At(double latitude) {
  GpsFix fix;
  fix.latitude = latitude;
  fix.longitude = -1.0;
  return fix;
}

TEST(LegPointers, ColoursAndTargetsByWhereTheCarIs) {
  const Rgb none{1, 2, 3};
  struct Case {
    const char* legend;
    std::size_t nearest;
    double carLatitude;
    Rgb leg;
    Rgb steer;
    double steerBearing;
  };
  const Case cases[] = {
      {"first point ahead", 0, 50.995, kLightBlue, kSteerRed, 0.0},
      {"first point passed", 0, 51.005, kFirstPointGreen, kLightGreen, 0.0},
      {"approaching a later point", 2, 51.015, kLightBlue, kLightGreen, 0.0},
      {"leaving a later point", 2, 51.024, kLightGreen, kLightBlue, 0.0},
      {"the last point: no leg", 3, 51.029, none, kLightGreen, 0.0},
      {"last point passed, steer back to it", 3, 51.04, none, kLightGreen, 180.0},
  };
  const Route route = NorthRoute(4);
  for (const Case& c : cases) {
    LegPointers p = ComputeLegPointers(route, c.nearest, At(c.carLatitude));
    if (c.leg == none) {
      EXPECT_FALSE(p.leg) << c.legend;
    } else {
      ASSERT_TRUE(p.leg) << c.legend;
      EXPECT_EQ(p.leg->colour, c.leg) << c.legend;
      EXPECT_NEAR(p.leg->bearing, 0.0, 1e-6) << c.legend;
    }
    ASSERT_TRUE(p.steer) << c.legend;
    EXPECT_EQ(p.steer->colour, c.steer) << c.legend;
    EXPECT_NEAR(p.steer->bearing, c.steerBearing, 1e-6) << c.legend;
  }
  EXPECT_FALSE(ComputeLegPointers(route, std::nullopt, At(51.0)).steer);
}

TEST(LegPointers, TheLegStartsAtTheNearestValidPointBeforeTheNearest) {
  Route route = NorthRoute(4);
  route.points[1].latitude = "0";  // a point without a place: the leg runs from the first point
  // Past the nearest, four times as far from the first point as from the next: leaving.
  LegPointers p = ComputeLegPointers(route, 2, At(51.024));
  ASSERT_TRUE(p.leg);
  EXPECT_EQ(p.leg->colour, kLightGreen);
  ASSERT_TRUE(p.steer);
  EXPECT_EQ(p.steer->colour, kLightBlue);
  route.points[0].desc1.reset();  // none valid before it: the nearest starts the leg, with no third point
  p = ComputeLegPointers(route, 2, At(51.024));
  ASSERT_TRUE(p.leg);
  EXPECT_EQ(p.leg->colour, kLightBlue);
  ASSERT_TRUE(p.steer);
  EXPECT_EQ(p.steer->colour, kLightGreen);
  EXPECT_NEAR(p.steer->bearing, 180.0, 1e-6);
}

TEST(PointerView, PointersAreDrawnTurnedByTheShownHeading) {
  PointerViewData d;
  d.compass.fix = At(51.0);
  d.compass.heading = 90.0;
  d.pointers.leg = RoutePointer{180.0, kLightBlue};  // south, on a rose turned to east: to the right
  d.pointers.steer = RoutePointer{90.0, kSteerRed};  // straight ahead
  RecordingCanvas canvas;
  pointer_view::DrawPointerView(canvas, d);
  std::vector<std::vector<int>> leg, steer;
  for (const DrawCall* line : canvas.Of(DrawCall::Op::Line)) {
    if (line->pen.colour == kLightBlue && line->pen.width == 3) leg.push_back(line->args);
    if (line->pen.colour == kSteerRed && line->pen.width == 3) steer.push_back(line->args);
  }
  ASSERT_FALSE(leg.empty());
  ASSERT_FALSE(steer.empty());
  EXPECT_EQ(leg[0], (std::vector<int>{254, 292, 281, 292}));    // shaft from 80 to 107 around (174,170)+122
  EXPECT_EQ(steer[0], (std::vector<int>{174, 247, 174, 185}));  // shaft from 45 to 107, upwards
}

TEST(PointerView, RouteLabelsAreCutToFitTheMap) {
  struct Case {
    int x, y;
    std::size_t length;
  };
  const Case cases[] = {{700, 200, 7}, {700, 280, 0}, {700, 275, 7}, {560, 100, 5}, {560, 145, 20}, {600, 100, 0}};
  const std::string label(20, 'x');
  for (const Case& c : cases) {
    EXPECT_EQ(pointer_view::FitLabel(label, c.x, c.y).size(), c.length) << c.x << "," << c.y;
  }
}

TEST(PointerView, NearestLinesOnlyWithANearestPoint) {
  for (bool have : {false, true}) {
    PointerViewData d;
    d.compass.fix = At(51.0);
    d.haveNearest = have;
    d.nearestLine = "1 - 0.500 km Bridge";
    d.nextLine = "";
    d.points = {{0.0, 0.0, "* 1 Bridge"}, {4000.0, 0.0, "* 2 Edge"}};
    RecordingCanvas canvas;
    pointer_view::DrawPointerView(canvas, d);
    EXPECT_EQ(canvas.TextsEqual("1 - 0.500 km Bridge").size(), have ? 1u : 0u);
    ASSERT_EQ(canvas.TextsEqual("* 1 Bridge").size(), 1u);
    EXPECT_EQ(canvas.TextsEqual("* 1 Bridge")[0]->args, (std::vector<int>{495, 169 + 122}));
    EXPECT_TRUE(canvas.TextsEqual("* 2 Edge").empty());
  }
}

}  // namespace
}  // namespace rovex
