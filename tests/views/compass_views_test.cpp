#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gps/track_ring.h"
#include "support/fix_at.h"
#include "support/recording_canvas.h"
#include "trail/track_list.h"
#include "views/compass_view.h"
#include "views/pointer_view.h"
#include "views/shown_heading.h"
#include "views/trail_view.h"

// The compass and the views drawn on its rose: pointer and trail.

namespace rovex {
namespace {

using testing::DrawCall;
using testing::FixAt;
using testing::RecordingCanvas;

constexpr double kDegLat = 1000.0 / 111248.4;  // 1 km north

TEST(ShownHeading, HalfWayAlongTheShorterArc) {
  struct Case {
    double shown, course, expected;
  };
  const Case cases[] = {{0, 90, 45},   {350, 10, 0},   {10, 350, 0},    {270, 0, 315},
                        {90, 270, 180}, {359, 1, 0},    {180, 200, 190}, {45, 45, 45}};
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(HalfWayHeading(c.shown, c.course), c.expected) << c.shown << " and " << c.course;
  }
}

TEST(ShownHeading, DampsOnlyAboveOneKnot) {
  ShownHeading heading;
  std::vector<double> seen;
  for (int pass = 0; pass < 3; ++pass) {
    EXPECT_TRUE(heading.Damp(90.0, 20.0));
    seen.push_back(heading.Value());
  }
  EXPECT_EQ(seen, (std::vector<double>{45.0, 67.5, 78.75}));
  EXPECT_FALSE(heading.Damp(180.0, 1.0));
  EXPECT_FALSE(heading.Damp(180.0, 0.0));
  EXPECT_EQ(heading.Value(), 78.75);
}

CompassViewData Data(double before, double after) {
  CompassViewData d;
  d.fix.latitude = 51.5;
  d.fix.longitude = -1.25;
  d.fix.courseDegrees = 92.4;
  d.fix.speedKnots = 30.0;
  d.fix.altitude = 85.2;
  d.fix.utcHour = 23;
  d.mapRadius = 2000.0;
  d.timeZone = 1;
  d.headingBefore = before;
  d.heading = after;
  return d;
}

std::vector<int> At(const RecordingCanvas& canvas, const std::string& text) {
  auto calls = canvas.TextsEqual(text);
  return calls.empty() ? std::vector<int>{} : calls[0]->args;
}

// The surface lands 122 pixels down the window.
constexpr int kDown = 122;

TEST(CompassView, LabelsAndLettersTurnWithTheHeadingBeforeDamping) {
  struct Case {
    double heading;
    const char* label;
    std::vector<int> at;
  };
  const Case cases[] = {
      {0, "000", {164, 16 + kDown}},   {0, "180", {164, 304 + kDown}}, {90, "000", {20, 160 + kDown}},
      {80, "080", {164, 16 + kDown}}, {90, "N", {84, 152 + kDown}},   {0, "E", {244, 152 + kDown}},
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    compass_view::DrawCompassView(canvas, Data(c.heading, 0.0));
    EXPECT_EQ(At(canvas, c.label), c.at) << c.label << " at heading " << c.heading;
  }
}

TEST(CompassView, FixedTextsAndTheirFonts) {
  RecordingCanvas canvas;
  compass_view::DrawCompassView(canvas, Data(0, 0));
  EXPECT_EQ(At(canvas, "Map radius 2km"), (std::vector<int>{310, 260 + kDown}));
  const std::vector<std::string> info = {"Lat. 51.500000", "Long. -1.250000", "Time 0:00:00",
                                         "Bearing 092",    "Speed 35 mph",    "Alt. 085 metres"};
  for (std::size_t i = 0; i < info.size(); ++i) {
    EXPECT_EQ(At(canvas, info[i]), (std::vector<int>{600, 20 + 20 * static_cast<int>(i) + kDown})) << info[i];
  }
  const DrawCall* bearing = canvas.TextsEqual("092")[0];
  EXPECT_EQ(bearing->args, (std::vector<int>{330, 280 + kDown}));
  EXPECT_EQ(bearing->font.height, 36);
  EXPECT_EQ(bearing->textColour, (Rgb{0, 207, 228}));
}

TEST(CompassView, TicksUseTheDampedHeadingAndCardinalTicksTheOldOne) {
  RecordingCanvas canvas;
  compass_view::DrawCompassView(canvas, Data(0, 90));
  std::vector<std::vector<int>> cardinal, white;
  for (const DrawCall* line : canvas.Of(DrawCall::Op::Line)) {
    if (line->pen.width == 3 && line->pen.colour == (Rgb{233, 240, 0})) cardinal.push_back(line->args);
    if (line->pen.colour == kWhite) white.push_back(line->args);
  }
  ASSERT_EQ(cardinal.size(), 4u);
  EXPECT_EQ(cardinal[0], (std::vector<int>{174, 140 + kDown, 174, 110 + kDown}));  // north, straight up
  // The first 5-degree tick (north) lies to the west once the rose is turned by 90.
  ASSERT_GE(white.size(), 72u);
  EXPECT_EQ(white[0], (std::vector<int>{65, 170 + kDown, 55, 170 + kDown}));
  EXPECT_EQ(canvas.Of(DrawCall::Op::Arc).size(), 5u);
}

TEST(CompassView, DisplayedTrackOnTheRightMapBreaksOutsideTheSquare) {
  auto ring = TrackRing::Create(4);
  CompassViewData d = Data(0, 0);
  ring->Add(51.5, -1.25);
  ring->Add(51.5 + kDegLat, -1.25);     // 1 km north: 62 pixels up at 2 km radius
  ring->Add(51.5 + 3 * kDegLat, -1.25);  // 3 km: outside
  ring->Add(51.5 - kDegLat, -1.25);
  ring->Add(51.5 - 1.5 * kDegLat, -1.25);
  d.track = ring.get();
  RecordingCanvas canvas;
  compass_view::DrawCompassView(canvas, d);
  auto strokes = canvas.Of(DrawCall::Op::Polyline);
  ASSERT_EQ(strokes.size(), 2u);
  EXPECT_EQ(strokes[0]->points, (std::vector<CanvasPoint>{{495, 169 + kDown}, {495, 106 + kDown}}));
  EXPECT_EQ(strokes[1]->points, (std::vector<CanvasPoint>{{495, 231 + kDown}, {495, 262 + kDown}}));
  EXPECT_EQ(strokes[0]->pen.colour, (Rgb{255, 255, 0}));
}

TEST(CompassView, SmallWindowShowsNothing) {
  for (auto [w, h] : {std::pair{750, 600}, std::pair{800, 460}}) {
    RecordingCanvas canvas(w, h);
    compass_view::DrawCompassView(canvas, Data(0, 0));
    EXPECT_TRUE(canvas.calls.empty());
  }
}

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
    LegPointers p = ComputeLegPointers(route, c.nearest, FixAt(c.carLatitude, -1.0));
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
  EXPECT_FALSE(ComputeLegPointers(route, std::nullopt, FixAt(51.0, -1.0)).steer);
}

TEST(LegPointers, TheLegStartsAtTheNearestValidPointBeforeTheNearest) {
  Route route = NorthRoute(4);
  route.points[1].latitude = "0";  // a point without a place: the leg runs from the first point
  // Past the nearest, four times as far from the first point as from the next: leaving.
  LegPointers p = ComputeLegPointers(route, 2, FixAt(51.024, -1.0));
  ASSERT_TRUE(p.leg);
  EXPECT_EQ(p.leg->colour, kLightGreen);
  ASSERT_TRUE(p.steer);
  EXPECT_EQ(p.steer->colour, kLightBlue);
  route.points[0].desc1.reset();  // none valid before it: the nearest starts the leg, with no third point
  p = ComputeLegPointers(route, 2, FixAt(51.024, -1.0));
  ASSERT_TRUE(p.leg);
  EXPECT_EQ(p.leg->colour, kLightBlue);
  ASSERT_TRUE(p.steer);
  EXPECT_EQ(p.steer->colour, kLightGreen);
  EXPECT_NEAR(p.steer->bearing, 180.0, 1e-6);
}

TEST(PointerView, PointersAreDrawnTurnedByTheShownHeading) {
  PointerViewData d;
  d.compass.fix = FixAt(51.0, -1.0);
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
    d.compass.fix = FixAt(51.0, -1.0);
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

TEST(TrailView, StrokesBreakAtBreaksAndOutsideTheSquare) {
  TrackList trail;
  trail.Add(51.0, -1.0);                 // the car: the map centre
  trail.Add(51.0 + kDegLat, -1.0);       // 1 km north at 2 km radius: 62 pixels up
  trail.AddBreak();
  trail.Add(51.0 - kDegLat, -1.0);
  trail.Add(51.0 - 3 * kDegLat, -1.0);   // outside
  trail.Add(51.0 - 0.5 * kDegLat, -1.0);
  trail.Add(0.0, -1.0);                  // cannot be placed: passed over, the line goes on
  trail.Add(51.0, -1.0);
  auto strokes = trail_view::TrailStrokes(trail, FixAt(51.0, -1.0), 2000.0);
  ASSERT_EQ(strokes.size(), 2u);
  EXPECT_EQ(strokes[0], (std::vector<CanvasPoint>{{385, 149}, {385, 86}}));
  EXPECT_EQ(strokes[1], (std::vector<CanvasPoint>{{385, 180}, {385, 149}}));
  GpsFix none;
  EXPECT_TRUE(trail_view::TrailStrokes(trail, none, 2000.0).empty());
}

TEST(TrailView, RouteLabelsStopShortOfTheFixLines) {
  struct Case {
    int x;
    std::size_t length, expected;
  };
  const Case cases[] = {{300, 20, 20}, {500, 11, 11}, {500, 12, 12}, {500, 20, 14}, {590, 5, 1}, {600, 20, 20}};
  for (const Case& c : cases) {
    EXPECT_EQ(trail_view::FitLabel(std::string(c.length, 'x'), c.x).size(), c.expected) << c.x << " " << c.length;
  }
}

TrailViewData TrailData() {
  TrailViewData d;
  d.compass.fix = FixAt(51.0, -1.0);
  d.compass.mapRadius = 2000.0;
  d.colours.panelBackground = Rgb{10, 20, 30};
  d.colours.panelText = Rgb{200, 210, 220};
  return d;
}

TEST(TrailView, PanelsShowTheNearestAndNextPoints) {
  for (bool have : {false, true}) {
    TrailViewData d = TrailData();
    d.haveNearest = have;
    d.nearestLine = "1 - 0.500 km " + std::string(80, 'n');
    d.nextLine = "2 - 1.500 km Church";
    RecordingCanvas canvas;
    trail_view::DrawTrailView(canvas, d);
    auto rects = canvas.Of(DrawCall::Op::Rectangle);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0]->args, (std::vector<int>{1, 123, 750, 160}));
    EXPECT_EQ(rects[1]->args, (std::vector<int>{1, 162, 750, 199}));
    EXPECT_EQ(rects[0]->brush.colour, d.colours.panelBackground);
    const std::string first = have ? d.nearestLine.substr(0, 59) : "Nearest:";
    const std::string second = have ? d.nextLine : "Next:";
    ASSERT_EQ(canvas.TextsEqual(first).size(), 1u) << have;
    const DrawCall* text = canvas.TextsEqual(first)[0];
    EXPECT_EQ(text->args, (std::vector<int>{4, 126}));
    EXPECT_EQ(text->font.face, "Arial");
    EXPECT_EQ(text->font.height, 30);
    EXPECT_EQ(text->textColour, d.colours.panelText);
    ASSERT_EQ(canvas.TextsEqual(second).size(), 1u);
    EXPECT_EQ(canvas.TextsEqual(second)[0]->args, (std::vector<int>{4, 165}));
  }
}

TEST(TrailView, MapTrailDialsAndPointers) {
  TrailViewData d = TrailData();
  TrackList trail;
  trail.Add(51.0, -1.0);
  trail.Add(51.0 + kDegLat, -1.0);
  d.trail = &trail;
  d.points = {{1000.0, 0.0, "* 3 Mill"}};
  d.pointers.leg = RoutePointer{90.0, kLightBlue};
  d.pointers.steer = RoutePointer{0.0, kSteerRed};
  RecordingCanvas canvas;
  trail_view::DrawTrailView(canvas, d);
  constexpr int kDown = 199;

  auto strokes = canvas.Of(DrawCall::Op::Polyline);
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_EQ(strokes[0]->pen, (Pen{Rgb{216, 156, 94}, 5}));
  EXPECT_EQ(strokes[0]->points[0], (CanvasPoint{385, 149 + kDown}));
  EXPECT_EQ(canvas.TextsEqual("* 3 Mill")[0]->args, (std::vector<int>{470, 149 + kDown}));

  auto dials = canvas.Of(DrawCall::Op::Ellipse);
  ASSERT_EQ(dials.size(), 2u);
  EXPECT_EQ(dials[0]->args, (std::vector<int>{18, 114 + kDown, 151, 244 + kDown}));
  EXPECT_EQ(dials[1]->args, (std::vector<int>{598, 114 + kDown, 731, 244 + kDown}));
  EXPECT_EQ(dials[0]->pen, (Pen{Rgb{31, 122, 34}, 35}));
  EXPECT_EQ(canvas.TextsEqual("N").size(), 2u);
  EXPECT_EQ(canvas.TextsEqual("Bearing 000")[0]->args, (std::vector<int>{20, 20 + kDown}));

  std::vector<std::vector<int>> leg, steer;
  for (const DrawCall* line : canvas.Of(DrawCall::Op::Line)) {
    if (line->pen.colour == kLightBlue) leg.push_back(line->args);
    if (line->pen.colour == kSteerRed) steer.push_back(line->args);
  }
  ASSERT_FALSE(leg.empty());
  ASSERT_FALSE(steer.empty());
  EXPECT_EQ(leg[0], (std::vector<int>{711, 180 + kDown, 746, 180 + kDown}));   // right dial, to the east
  EXPECT_EQ(steer[0], (std::vector<int>{84, 133 + kDown, 84, 98 + kDown}));   // left dial, ahead
}

}  // namespace
}  // namespace rovex
