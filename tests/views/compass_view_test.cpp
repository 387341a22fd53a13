#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gps/track_ring.h"
#include "support/recording_canvas.h"
#include "views/compass_view.h"
#include "views/shown_heading.h"

namespace rovex {
namespace {

using testing::DrawCall;
using testing::RecordingCanvas;

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
  const double degLat = 1000.0 / 111248.4;
  ring->Add(51.5, -1.25);
  ring->Add(51.5 + degLat, -1.25);     // 1 km north: 62 pixels up at 2 km radius
  ring->Add(51.5 + 3 * degLat, -1.25);  // 3 km: outside
  ring->Add(51.5 - degLat, -1.25);
  ring->Add(51.5 - 1.5 * degLat, -1.25);
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

}  // namespace
}  // namespace rovex
