#include <gtest/gtest.h>

#include "trackeditor/editor_view.h"

namespace rovex::trackeditor {
namespace {

TEST(EditorView, ProjectsWithTheEditorsOwnFactors) {
  EditorView v;
  v.leftLongitude = -1.0;
  v.topLatitude = 52.0;
  v.scale = 0.01;
  // x = cos(51.5 deg) * 0.5 * 111319.2 * 0.01 = 346.5; y = 0.5 * 111248.4 * 0.01 = 556.2; both truncated.
  EXPECT_EQ(v.Project(51.5, -0.5), (ScreenPoint{346, 556}));
  EXPECT_EQ(v.Project(52.0, -1.0), (ScreenPoint{0, 0}));
}

TEST(EditorView, FitsToVisibleTracksOnly) {
  TrackEditor map;
  auto add = [&](std::vector<TrackPoint> pts, bool hidden) {
    TrackEntry& e = map.TracksMem.emplace_back();
    e.points = std::make_unique<TrackPoints>();
    e.points->points = std::move(pts);
    e.hidden = hidden;
  };
  add({{51.0, -1.2}, {51.1, -1.0}}, false);
  add({{10.0, 10.0}}, true);
  map.TracksMem.emplace_back().path = "/not/loaded";
  EditorView v;
  v.pointCount = 42;
  ASSERT_TRUE(v.FitToVisible(&map));
  EXPECT_NEAR(v.leftLongitude, -1.2 - 0.02, 1e-12);
  EXPECT_NEAR(v.topLatitude, 51.1 + 0.01, 1e-12);
  EXPECT_NEAR(v.scale, 0.008 / 0.2, 1e-9) << "the longer span decides";
  EXPECT_EQ(v.pointCount, 42) << "the markers' count is the edited track's, not the fit's";

  TrackEditor single;
  TrackEntry& e = single.TracksMem.emplace_back();
  e.points = std::make_unique<TrackPoints>();
  e.points->points = {{51.0, -1.0}};
  ASSERT_TRUE(v.FitToVisible(&single));
  EXPECT_EQ(v.scale, 0.005) << "one point: no span";
  TrackEditor wide;
  TrackEntry& w = wide.TracksMem.emplace_back();
  w.points = std::make_unique<TrackPoints>();
  w.points->points = {{-50.0, -170.0}, {50.0, 170.0}};
  ASSERT_TRUE(v.FitToVisible(&wide));
  EXPECT_EQ(v.scale, 0.0001) << "raised to the least scale";

  const double before = v.leftLongitude;
  EXPECT_FALSE(v.FitToVisible(nullptr));
  TrackEditor none;
  EXPECT_FALSE(v.FitToVisible(&none));
  EXPECT_EQ(v.leftLongitude, before) << "nothing to fit leaves the view";
}

TEST(EditorView, MarkerIndexDesignatesAPoint) {
  struct Case {
    double index;
    std::size_t size;
    std::optional<std::size_t> point;
  };
  const Case cases[] = {{0, 5, 0}, {1, 5, 0}, {2, 5, 1}, {5, 5, 4}, {6, 5, std::nullopt},
                        {-1, 5, std::nullopt}, {0, 0, std::nullopt}, {2.7, 5, 1}};
  for (const Case& c : cases) EXPECT_EQ(EditorView::PointFor(c.index, c.size), c.point) << c.index << "/" << c.size;
}

TEST(EditorView, EditedTrackFitPutsTheMarkers) {
  TrackPoints t;
  t.points = {{51.0, -1.0}, {51.2, -1.1}, {51.1, -1.4}};
  EditorView v;
  v.FitToTrack(t);
  EXPECT_EQ(t.minLatitude, 51.0);
  EXPECT_EQ(t.maxLongitude, -1.0);
  EXPECT_EQ(v.pointCount, 3);
  EXPECT_EQ(v.startIndex, 0);
  EXPECT_EQ(v.endIndex, 2);
  EXPECT_EQ(v.startMarker.latitude, 51.0);
  EXPECT_EQ(v.endMarker.latitude, 51.2) << "count - 1 designates the second-to-last point";
  EXPECT_NEAR(v.scale, 0.008 / 0.4, 1e-9);
}

TEST(EditorView, MarkerButtons) {
  struct Case {
    int x;
    double start, end;  // before
    double newStart, newEnd;
  };
  // count 100
  const Case cases[] = {
      {250, 15, 50, 5, 50},  {250, 7, 50, 0, 50},   {280, 0, 50, 0, 50},   {310, 100, 50, 100, 50},
      {340, 91, 50, 100, 50}, {340, 90, 50, 100, 50}, {340, 50, 50, 60, 50}, {400, 0, 7, 0, 0},
      {430, 0, 7, 0, 6},     {460, 0, 99, 0, 100},  {490, 0, 95, 0, 100},
  };
  for (const Case& c : cases) {
    EditorView v;
    v.pointCount = 100;
    v.startIndex = c.start;
    v.endIndex = c.end;
    std::string message;
    EXPECT_TRUE(v.LeftDown(c.x, 120, 800, 600, nullptr, &message)) << c.x;
    EXPECT_EQ(v.startIndex, c.newStart) << c.x;
    EXPECT_EQ(v.endIndex, c.newEnd) << c.x;
  }
  EditorView v;
  std::string message;
  EXPECT_FALSE(v.LeftDown(380, 120, 800, 600, nullptr, &message));
  EXPECT_EQ(message, "Top button bar x 380, y 120");
  EXPECT_FALSE(v.LeftDown(100, 590, 800, 600, nullptr, &message));
  EXPECT_EQ(message, "Bottom button bar x 100, y 590");
}

TEST(EditorView, ZoomAndPanButtons) {
  EditorView v;
  v.scale = 0.01;
  v.topLatitude = 52;
  v.leftLongitude = -1;
  std::string message;
  EXPECT_TRUE(v.LeftDown(10, 590, 800, 600, nullptr, &message));
  EXPECT_DOUBLE_EQ(v.scale, 0.006);
  EXPECT_EQ(v.shading.divisor, 1.5);
  EXPECT_TRUE(v.LeftDown(40, 590, 800, 600, nullptr, &message));
  EXPECT_DOUBLE_EQ(v.scale, 0.006 * 1.4);
  EXPECT_EQ(v.shading.divisor, 1.0);
  v.scale = 0.01;
  EXPECT_TRUE(v.LeftDown(10, 600 - 95, 800, 600, nullptr, &message));  // up
  EXPECT_DOUBLE_EQ(v.topLatitude, 52.1);
  EXPECT_TRUE(v.LeftDown(10, 600 - 80, 800, 600, nullptr, &message));  // down
  EXPECT_DOUBLE_EQ(v.topLatitude, 52.0);
  EXPECT_EQ(v.shading.row, 300);
  EXPECT_TRUE(v.LeftDown(25, 600 - 50, 800, 600, nullptr, &message));  // right
  EXPECT_DOUBLE_EQ(v.leftLongitude, -0.9);
  EXPECT_FALSE(v.LeftDown(100, 95, 800, 600, nullptr, &message)) << "the track bar takes no single click";
}

TEST(EditorView, DoubleClicks) {
  EditorView v;
  v.pointCount = 603;
  // On the bar: (x - 93) * count / (right - 197) for the start.
  EXPECT_TRUE(v.DoubleClick(MouseButton::Left, 394, 95, 800, 600, nullptr));
  EXPECT_DOUBLE_EQ(v.startIndex, 301.0);
  EXPECT_TRUE(v.DoubleClick(MouseButton::Right, 393, 95, 800, 600, nullptr));
  EXPECT_DOUBLE_EQ(v.endIndex, 301.5) << "the end uses right - 200";
  v.pointCount = 3;
  EXPECT_FALSE(v.DoubleClick(MouseButton::Left, 394, 95, 800, 600, nullptr)) << "three points or fewer";
  v.pointCount = 603;
  EXPECT_FALSE(v.DoubleClick(MouseButton::Left, 150, 95, 240, 600, nullptr)) << "a client too narrow for the bar";

  // On the map: the nearest point of the edited track.
  TrackPoints t;
  t.points = {{51.0, -1.0}, {51.05, -0.95}, {51.1, -0.9}};
  v.leftLongitude = -1.05;
  v.topLatitude = 51.15;
  v.scale = 0.02;
  const ScreenPoint mid = v.Project(51.05, -0.95);
  EXPECT_TRUE(v.DoubleClick(MouseButton::Right, mid.x + 3, mid.y + 129 - 2, 800, 600, &t));
  EXPECT_EQ(v.endIndex, 1);
  EXPECT_EQ(v.endMarker.longitude, -0.95);
  EXPECT_FALSE(v.DoubleClick(MouseButton::Left, mid.x, mid.y + 129, 800, 600, nullptr)) << "no edited track";
}

TEST(EditorView, RightDragMovesTheMapWithTheMouse) {
  for (double top : {52.0, -33.0}) {
    EditorView v;
    v.scale = 0.01;
    v.topLatitude = top;
    v.leftLongitude = 10;
    v.RightDown(300, 300);
    v.RightUp(400, 300);
    // Dragging right brings land from the west into view: the left edge moves west.
    EXPECT_LT(v.leftLongitude, 10) << top;
  }
}

}  // namespace
}  // namespace rovex::trackeditor

#include "trackeditor/screen_refresh_model.h"

namespace rovex::trackeditor {
namespace {

TEST(ScreenRefresh, TypedRateAtLeast300) {
  struct Case {
    const char* typed;
    uint32_t rate;
  };
  const Case cases[] = {{"19200", 19200}, {"100", 300}, {"0", 4800}, {"-5", 4800}, {"fast", 4800}, {"", 4800},
                        {"99999999999", 4800}};
  for (const Case& c : cases) {
    ScreenRefreshModel model(4800);
    EXPECT_EQ(model.text, "4800");
    model.text = c.typed;
    EXPECT_EQ(model.Ok(), c.rate) << c.typed;
  }
  EXPECT_EQ(ScreenRefreshModel(0).Ok(), 300u) << "a rate never set is raised too";
  EXPECT_EQ(SkippedPaints(4800), 0u);
  EXPECT_EQ(SkippedPaints(38400), 4u);
}

}  // namespace
}  // namespace rovex::trackeditor
