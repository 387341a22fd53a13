#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_canvas.h"
#include "trail/track_list.h"
#include "views/trail_view.h"

namespace rovex {
namespace {

using testing::DrawCall;
using testing::RecordingCanvas;

constexpr double kDegLat = 1000.0 / 111248.4;  // 1 km north

GpsFix Fix() {
  GpsFix fix;
  fix.latitude = 51.0;
  fix.longitude = -1.0;
  return fix;
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
  auto strokes = trail_view::TrailStrokes(trail, Fix(), 2000.0);
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

TrailViewData Data() {
  TrailViewData d;
  d.compass.fix = Fix();
  d.compass.mapRadius = 2000.0;
  d.colours.panelBackground = Rgb{10, 20, 30};
  d.colours.panelText = Rgb{200, 210, 220};
  return d;
}

TEST(TrailView, PanelsShowTheNearestAndNextPoints) {
  for (bool have : {false, true}) {
    TrailViewData d = Data();
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
  TrailViewData d = Data();
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
