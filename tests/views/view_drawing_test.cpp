#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "cameras/camera_record.h"
#include "gps/track_ring.h"
#include "nmea/distance.h"
#include "routes/route_follower.h"
#include "support/fake_canvas_factory.h"
#include "support/recording_canvas.h"
#include "views/camera_view.h"
#include "views/route_view.h"

namespace rovex {
namespace {

using testing::DrawCall;
using testing::FakeCanvasFactory;
using testing::RecordingCanvas;
namespace cv = camera_view;

constexpr double kLat = 52.0;
constexpr double kLon = -1.5;

// A camera the given metres north and east of the car.
CameraRecord CameraAt(double north, double east, const char* type) {
  CameraRecord r;
  double lat = kLat + north / MetresPerDegreeLat;
  double lon = kLon + east / (std::cos(lat * DegToRad) * MetresPerDegreeLon);
  char text[32];
  std::snprintf(text, sizeof text, "%.9f", lat);
  r.Latitude = std::string(text);
  std::snprintf(text, sizeof text, "%.9f", lon);
  r.Longitude = std::string(text);
  r.CamType = type;
  return r;
}

CameraViewData DataAround(const std::vector<CameraRecord>* cameras, double radius) {
  CameraViewData d;
  d.fix.latitude = kLat;
  d.fix.longitude = kLon;
  d.cameras = cameras;
  d.mapRadius = radius;
  d.colours = DisplayColours{{0, 0xe5, 0x98}, kBlack, kWhite};
  return d;
}

// Radar letters are the one-character texts drawn in the 20-pixel font.
std::vector<const DrawCall*> RadarLetters(const RecordingCanvas& c) {
  std::vector<const DrawCall*> r;
  for (const DrawCall* t : c.Of(DrawCall::Op::Text)) {
    if (t->text.size() == 1 && t->font.height == 20) r.push_back(t);
  }
  return r;
}

TEST(CameraViewRadar, CamerasAreProjectedWithTheirLetterCornerOnThePoint) {
  std::vector<CameraRecord> cameras = {
      CameraAt(1000, 0, "GATSO"),      // 1 km due north
      CameraAt(0, 2000, "MOBILE"),     // exactly R east: not drawn
      CameraAt(0, -1999, "TRUVELO"),   // just inside to the west
      CameraAt(-500, 500, "SPECS"),    // south-east
      CameraAt(2500, 0, "REDLIGHT"),   // beyond R north
  };
  // The radius is the mobile camera's offset exactly as the view reads it from its text.
  CameraViewData d = DataAround(&cameras, 2000);
  double east = 0, north = 0;
  ASSERT_TRUE(OffsetFromFix(d.fix, std::atof(cameras[1].Longitude.c_str()), std::atof(cameras[1].Latitude.c_str()),
                            &east, &north));
  ASSERT_NEAR(east, 2000.0, 0.001);
  d.mapRadius = east;
  RecordingCanvas c;
  cv::DrawRadar(c, d);
  auto letters = RadarLetters(c);
  ASSERT_EQ(letters.size(), 3u);
  EXPECT_EQ(letters[0]->text, "G");
  EXPECT_EQ(letters[0]->args, (std::vector<int>{180, 190})) << "123 + 130 - 62.5, truncated";
  EXPECT_EQ(letters[1]->text, "T");
  EXPECT_EQ(letters[1]->args[0], 10) << "1 + 179 - 169.915, truncated";
  EXPECT_EQ(letters[1]->args[1], 253);
  EXPECT_EQ(letters[2]->text, "S");
  EXPECT_EQ(letters[2]->args, (std::vector<int>{222, 284}));
}

TEST(CameraViewRadar, MapRadiusText) {
  struct Case {
    double radius;
    const char* text;
  };
  for (const Case& k : {Case{500, "Map radius 0.5km"}, Case{4000, "Map radius 4km"}, Case{999, "Map radius 1.0km"},
                        Case{1000, "Map radius 1km"}, Case{64000, "Map radius 64km"}, Case{0, "Map radius 0.0km"}}) {
    RecordingCanvas c;
    cv::DrawRadar(c, DataAround(nullptr, k.radius));
    EXPECT_EQ(c.TextsEqual(k.text).size(), 1u) << k.text;
  }
}

TEST(CameraViewRadar, NothingIsPlacedWithoutAFixOrWithAZeroRadius) {
  std::vector<CameraRecord> cameras = {CameraAt(100, 100, "GATSO")};
  CameraViewData noFix = DataAround(&cameras, 4000);
  noFix.fix.latitude = 0.0;
  for (const CameraViewData& d : {noFix, DataAround(&cameras, 0)}) {
    RecordingCanvas c;
    cv::DrawRadar(c, d);
    EXPECT_TRUE(RadarLetters(c).empty());
  }
}

TEST(CameraViewSymbols, OneSymbolPerTypeWithin250MetresInTableOrderFromTheRight) {
  FakeCanvasFactory bitmaps;
  struct Case {
    const char* legend;
    std::vector<CameraRecord> cameras;
    std::vector<std::pair<int, std::string>> expected;  // x, bitmap
  };
  const std::vector<Case> cases = {
      {"two Gatsos give one symbol", {CameraAt(100, 0, "GATSO"), CameraAt(-200, 100, "gatso")}, {{704, "bitmap 180"}}},
      {"mobile right of Gatso",
       {CameraAt(100, 0, "GATSO"), CameraAt(0, 50, "MOBILE")},
       {{704, "bitmap 175"}, {660, "bitmap 180"}}},
      {"250 m is outside", {CameraAt(250.001, 0, "GATSO"), CameraAt(0, -250.001, "SPECS")}, {}},
      {"just inside 250 m", {CameraAt(249.999, 0, "GATSO"), CameraAt(0, -249.999, "SPECS")},
       {{704, "bitmap 180"}, {660, "bitmap 178"}}},
      {"short and unknown types are 'any other'",
       {CameraAt(10, 10, "TEMP"), CameraAt(20, 20, "Tempo"), CameraAt(30, 30, "Speedcam")},
       {{704, "bitmap 174"}, {660, "bitmap 183"}}},
  };
  for (const Case& k : cases) {
    RecordingCanvas c;
    cv::DrawCommonPanels(c, DataAround(&k.cameras, 4000), &bitmaps);
    std::vector<std::pair<int, std::string>> drawn;
    for (const DrawCall* i : c.Of(DrawCall::Op::Image)) {
      EXPECT_EQ(i->args[1], 73) << k.legend;
      drawn.emplace_back(i->args[0], FakeCanvasFactory::NameOf(i->image));
    }
    EXPECT_EQ(drawn, k.expected) << k.legend;
  }
}

TEST(CameraViewLayout, EveryTextIsDrawnOnceInItsColours) {
  CameraViewData d = DataAround(nullptr, 4000);
  d.distanceLine = "850m GATSO";
  d.specsLine = "Average 42 mph";
  d.roadText = "A34";
  d.hazardText = "Hidden behind the bridge at the bottom of the hill";
  d.fix.speedKnots = 30.0;
  d.fix.utcHour = 23;
  d.fix.utcMinute = 5;
  d.fix.utcSecond = 9;
  d.timeZone = 1;
  d.sentence = "$GPGGA,1";
  d.sentencePending = true;
  RecordingCanvas c(800, 600);
  cv::DrawCommonPanels(c, d, nullptr);
  cv::DrawCameraView(c, d);
  for (const char* text : {"850m GATSO", "Average 42 mph", "Lat. 52.000000", "Long. -1.500000", "Time 0:05:09",
                           "35 mph", "A34", "Hidden behind the b", "ridge at the bottom", " of the hill"}) {
    EXPECT_EQ(c.TextsEqual(text).size(), 1u) << text;
  }
  EXPECT_EQ(c.AllTexts().back(), "$GPGGA,1") << "the sentence is drawn last, over everything";
  const DrawCall* sentence = c.TextsEqual("$GPGGA,1")[0];
  EXPECT_EQ(sentence->backgroundColour, kBlack);
  EXPECT_EQ(sentence->textColour, kWhite) << "black day text would vanish on the black strip";
}

TEST(CameraViewLayout, ASmallWindowLosesWholePanelsAtItsRightAndBottom) {
  // The view inside a 600 by 480 window, below its menu, toolbars and status bar.
  CameraViewData d = DataAround(nullptr, 4000);
  d.distanceLine = "850m GATSO";
  d.speedLimitText = "50";
  d.sentencePending = true;
  d.sentence = "$GPRMC";
  RecordingCanvas c(580, 380);
  cv::DrawCommonPanels(c, d, nullptr);
  cv::DrawCameraView(c, d);
  std::vector<std::string> texts = c.AllTexts();
  EXPECT_EQ(texts, (std::vector<std::string>{"Speed Limit", "Vehicle Speed", "Road", "Town", "Camera"}))
      << "no Distance panel, no right-hand table, no bottom row, no radar, no sentence";
  RecordingCanvas edge(750, 600);  // one pixel short of fitting is not enough either
  cv::DrawCommonPanels(edge, d, nullptr);
  EXPECT_TRUE(edge.calls.empty());
}

TEST(CameraViewTrack, TheTraceRunsInTwoPartsAndNeverJoinsNewestToOldest) {
  // Eight slots filled with a walk north-east, wrapped twice round a ring of 6.
  std::unique_ptr<TrackRing> ring = TrackRing::Create(5);
  for (int i = 0; i < 15; ++i) ring->Add(kLat + i * 0.001, kLon + i * 0.001);
  ASSERT_EQ(ring->WriteIndex(), 2);
  CameraViewData d = DataAround(nullptr, 4000);
  d.track = ring.get();
  RecordingCanvas c;
  cv::DrawTrackTrace(c, d);
  auto lines = c.Of(DrawCall::Op::Polyline);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]->pen.colour, (Rgb{255, 255, 0}));
  auto place = [&](int i) {
    double east = 0, north = 0;
    OffsetFromFix(d.fix, kLon + i * 0.001, kLat + i * 0.001, &east, &north);
    return CanvasPoint{static_cast<int>(1 + 184 + east * 170 / 4000), static_cast<int>(123 + 139 - north * 125 / 4000)};
  };
  // Slots 0..2 hold points 12..14 (the newest), slots 3..5 points 9..11 (the oldest).
  EXPECT_EQ(lines[0]->points, (std::vector<CanvasPoint>{place(12), place(13), place(14)}));
  EXPECT_EQ(lines[1]->points, (std::vector<CanvasPoint>{place(9), place(10), place(11)}));
}

TEST(CameraViewTrack, PointsOutsideTheRadarOrWithoutPositionBreakTheLine) {
  std::unique_ptr<TrackRing> ring = TrackRing::Create(9);
  const double lats[] = {kLat, kLat + 0.001, kLat + 0.002, kLat + 1.0, kLat + 0.003, kLat + 0.004, 0.0,
                         kLat + 0.005, kLat + 0.006};
  for (double lat : lats) ring->Add(lat, kLon);
  CameraViewData d = DataAround(nullptr, 4000);
  d.track = ring.get();
  RecordingCanvas c;
  cv::DrawTrackTrace(c, d);
  auto lines = c.Of(DrawCall::Op::Polyline);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0]->points.size(), 3u);
  EXPECT_EQ(lines[1]->points.size(), 2u);
  EXPECT_EQ(lines[2]->points.size(), 2u);
}

// The forms the layout test does not reach (it shows mph, +1 hour over midnight and a hazard in three lines).
TEST(CameraViewTexts, SpeedTimeAndHazardForms) {
  EXPECT_EQ(cv::VehicleSpeedText(10, 1), "19 kph");
  EXPECT_EQ(cv::VehicleSpeedText(10, 2), "10 knots");
  EXPECT_EQ(cv::VehicleSpeedText(-1, 7), "0 mph") << "unknown units are mph; no negative speed";
  GpsFix fix;
  fix.utcHour = 2;
  fix.utcMinute = 59;
  fix.utcSecond = 1;
  EXPECT_EQ(cv::TimeText(fix, -5), "Time 21:59:01");
  EXPECT_EQ(cv::TimeText(fix, 100), "Time 6:59:01") << "an out-of-range setting still gives an hour of the day";
}




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
}

TEST(RouteView, LayoutTextsAndPanel) {
  RouteViewData d = Data();
  d.nearestLine = "1 - 0.500 km Bridge";
  RecordingCanvas canvas;
  route_view::DrawRouteView(canvas, d);
  auto rects = canvas.Of(DrawCall::Op::Rectangle);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0]->brush.colour, kBlack);
  for (const char* text : {"1 - 0.500 km Bridge", "Map radius 4km", "Lat. 51.500000", "Long. -1.250000",
                           "Time 0:05:09", "Bearing 007", "Speed 35 mph", "Alt. 085 metres"}) {
    EXPECT_EQ(canvas.TextsEqual(text).size(), 1u) << text;
  }
  EXPECT_EQ(canvas.Of(DrawCall::Op::Line).size(), 6u) << "the cross hairs";
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
