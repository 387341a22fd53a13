#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cameras/camera_record.h"
#include "routes/route_follower.h"
#include "support/recording_canvas.h"
#include "views/route_view.h"

namespace rovex {
namespace {

using testing::DrawCall;
using testing::RecordingCanvas;

RouteViewData Data() {
  RouteViewData d;
  d.fix.latitude = 51.5;
  d.fix.longitude = -1.25;
  d.fix.utcHour = 23;
  d.fix.utcMinute = 5;
  d.fix.utcSecond = 9;
  d.fix.courseDegrees = 7.4;
  d.fix.altitude = 85.2;
  d.fix.speedKnots = 30.0;
  d.timeZone = 1;
  d.mapRadius = 4000.0;
  return d;
}

TEST(RouteView, PointsInsideTheRadiusAreDrawnOnTheMapScale) {
  RouteViewData d = Data();
  d.points = {{0.0, 0.0, "* 1 Here"},        {2000.0, 1000.0, "* 2 NE"},  {-3999.0, -3999.0, "* 3 SW"},
              {4000.0, 0.0, "* 4 on the edge"}, {0.0, -4000.5, "* 5 out"}};
  RecordingCanvas canvas;
  route_view::DrawRouteView(canvas, d);
  auto at = [&](const std::string& label) {
    auto calls = canvas.TextsEqual(label);
    return calls.empty() ? std::vector<int>{} : calls[0]->args;
  };
  EXPECT_EQ(at("* 1 Here"), (std::vector<int>{180, 253}));
  EXPECT_EQ(at("* 2 NE"), (std::vector<int>{265, 221}));
  EXPECT_EQ(at("* 3 SW"), (std::vector<int>{10, 377}));
  EXPECT_TRUE(at("* 4 on the edge").empty());
  EXPECT_TRUE(at("* 5 out").empty());
  const DrawCall* label = canvas.TextsEqual("* 1 Here")[0];
  EXPECT_EQ(label->font.height, 18);
  EXPECT_EQ(label->textColour, kWhite);
  EXPECT_EQ(label->backgroundColour, kBlack);
}

TEST(RouteView, LayoutTextsAndPanel) {
  RouteViewData d = Data();
  d.nearestLine = "1 - 0.500 km Bridge";
  d.nextLine = "";
  RecordingCanvas canvas;
  route_view::DrawRouteView(canvas, d);

  auto rects = canvas.Of(DrawCall::Op::Rectangle);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0]->args, (std::vector<int>{1, 123, 750, 460}));
  EXPECT_EQ(rects[0]->brush.colour, kBlack);
  EXPECT_EQ(rects[1]->args, (std::vector<int>{580, 123, 750, 190}));

  EXPECT_EQ(canvas.TextsEqual("1 - 0.500 km Bridge")[0]->args, (std::vector<int>{10, 420}));
  EXPECT_EQ(canvas.TextsEqual("Map radius 4km")[0]->args, (std::vector<int>{240, 400}));
  const std::vector<std::string> info = {"Lat. 51.500000", "Long. -1.250000", "Time 0:05:09",
                                         "Bearing 007",    "Speed 35 mph",    "Alt. 085 metres"};
  for (std::size_t i = 0; i < info.size(); ++i) {
    auto calls = canvas.TextsEqual(info[i]);
    ASSERT_EQ(calls.size(), 1u) << info[i];
    EXPECT_EQ(calls[0]->args, (std::vector<int>{600, 130 + 20 * static_cast<int>(i)}));
  }

  auto lines = canvas.Of(DrawCall::Op::Line);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0]->args, (std::vector<int>{86, 261, 166, 261}));
  EXPECT_EQ(lines[0]->pen.colour, kWhite);
  EXPECT_EQ(lines[5]->args, (std::vector<int>{184, 243, 184, 283}));
  EXPECT_EQ(lines[5]->pen.colour, (Rgb{0, 193, 230}));
}

TEST(RouteView, CamerasAreDrawnOverTheMap) {
  RouteViewData d = Data();
  std::vector<CameraRecord> cameras(2);
  cameras[0].Latitude = "51.5";
  cameras[0].Longitude = "-1.25";
  cameras[0].CamType = "GATSO";
  cameras[1].Latitude = "52.5";  // far outside the radius
  cameras[1].Longitude = "-1.25";
  cameras[1].CamType = "SPECS";
  d.cameras = &cameras;
  d.points = {{0.0, 0.0, "*"}};
  RecordingCanvas canvas;
  route_view::DrawRouteView(canvas, d);
  auto texts = canvas.AllTexts();
  EXPECT_EQ(texts.back(), "G");  // last, over everything else
  EXPECT_EQ(canvas.TextsEqual("G")[0]->args, (std::vector<int>{180, 253}));
  EXPECT_TRUE(canvas.TextsEqual("S").empty());
}

TEST(RouteView, ASmallWindowShowsNothing) {
  for (auto [w, h] : std::vector<std::pair<int, int>>{{750, 600}, {800, 460}, {640, 480}}) {
    RecordingCanvas canvas(w, h);
    route_view::DrawRouteView(canvas, Data());
    EXPECT_TRUE(canvas.calls.empty()) << w << "x" << h;
  }
  RecordingCanvas canvas(751, 461);
  route_view::DrawRouteView(canvas, Data());
  EXPECT_FALSE(canvas.calls.empty());
}

TEST(RouteView, PointLabelsFollowTheDisplayFlags) {
  Route route;
  route.points.resize(2);
  route.points[0].desc1 = "Bridge";
  route.points[0].desc2 = "Left";
  route.points[1].desc2 = "Right";
  RouteFollowPass pass;
  pass.measured = {{0, 1, 10.0, 20.0}, {1, 2, 0.0, 0.0}, {5, 6, 0.0, 0.0}};
  struct Case {
    RouteDisplayFlags flags;
    std::string first, second;
  };
  for (const Case& c : std::vector<Case>{{{true, true, true}, "* 1 Bridge,Left", "* 2 Right"},
                                         {{false, true, true}, "* Bridge,Left", "*Right"},
                                         {{true, false, true}, "* 1 Left", "* 2 Right"},
                                         {{false, false, false}, "*", "*"}}) {
    auto points = route_view::PointsOf(pass, route, c.flags);
    ASSERT_EQ(points.size(), 2u);  // a measured index beyond the route is dropped
    EXPECT_EQ(points[0].label, c.first);
    EXPECT_EQ(points[1].label, c.second);
    EXPECT_EQ(points[0].north, 20.0);
  }
}

}  // namespace
}  // namespace rovex
