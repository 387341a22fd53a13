#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "cameras/camera_fixture.h"
#include "gps/gps_input.h"
#include "routes/route_file_dialog_model.h"
#include "settings/registry_settings.h"
#include "support/temp_dir.h"
#include "system/accelerator_table.h"
#include "system/command_ids.h"
#include "system/route_feature.h"
#include "system_fixture.h"

namespace rovex {
namespace {

using testing::North;

constexpr double kLat = 51.384223;
constexpr double kLon = -1.337132;

// A GGA at the position, with its checksum.
std::string GgaAt(double latitude, double longitude) {
  auto field = [](double degrees, int width) {
    double a = degrees < 0 ? -degrees : degrees;
    int whole = static_cast<int>(a);
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%08.5f", width, whole, (a - whole) * 60.0);
    return std::string(text);
  };
  std::string body = "GPGGA,120000," + field(latitude, 2) + ",N," + field(longitude, 3) + ",W,1,08,1.0,99,M,,,,";
  unsigned x = 0;
  for (char c : body) x ^= static_cast<unsigned char>(c);
  char sum[4];
  std::snprintf(sum, sizeof sum, "%02X", x);
  return "$" + body + "*" + sum;
}

// A running system with a route 1 km north of the car and a camera file
// with a temporary camera and a Gatso nearby.
struct RouteFixture : testing::SystemFixture {
  testing::TempDir dir;
  RegistrySettings settings{store, nullptr};
  RouteFixture() {
    char point[200];
    std::snprintf(point, sizeof point, "%.6f,%.6f,Bridge,Turn left\n", kLon, North(kLat, 1000));
    dir.Write("route.csv", std::string(";Test route\n:TEMPORARY:\n") + point);
    dir.Write("cams.txt", testing::CameraLine(North(kLat, 200), kLon, "TEMPORARY") +
                              testing::CameraLine(North(kLat, 300), kLon, "GATSO"));
    settings.WriteTextSetting("CameraFile", dir.File("cams.txt"));
    settings.WriteNumberSetting("RouteUseMSAgent", 1);
    settings.WriteNumberSetting("SayExcluded", 0);
  }
  RouteFeature& Routes() { return system->Get<RouteFeature>(); }
  // "Select Route File" with the path typed and OK.
  void SelectRoute(const std::string& path) {
    host.onOther = [path](const DialogRequest& request) {
      if (auto* m = request.Get<RouteFileDialogModel>()) m->path = path;
      return true;
    };
    system->RunCommand(cmd::kSelectRouteFile);
  }
  // A sentence at the car's place, through the mailbox and a drawing pass.
  void Draw(testing::RecordingCanvas& on) {
    system->Gps().HandOff().mailbox.Overwrite(GgaAt(kLat, kLon));
    system->DrawingPass(on);
  }
  std::size_t Cameras() { return testing::CamerasOf(*system).Cameras().List()->size(); }
};

TEST(RouteFeature, EveryRouteCommandHasAHandler) {
  RouteFixture f;
  RovexSystem& s = f.Start();
  using namespace cmd;
  for (int id : {kSelectRouteFile, kRoutePointsList, kRouteExcludedList, kRoutePicker, kOptionsRoute,
                 kOptionsRouteSpeech, kSpeakTestPhrase, kRouteDirectionsToggle, kSayNearestWaypoint,
                 kRouteModeMotorway, kRouteModeCountry, kRouteModeTown, kSnapToRoute}) {
    EXPECT_TRUE(s.HasCommand(id)) << id;
  }
}

TEST(RouteFeature, ZXCSetTheRouteModeMotorwayCountryTown) {
  RouteFixture f;
  RovexSystem& s = f.Start();
  struct Case {
    int key;
    bool motorway, country, town;
  };
  for (const Case& c : {Case{'Z', true, false, false}, Case{'X', false, true, false}, Case{'C', false, false, true}}) {
    KeyPress press;
    press.virtualKey = c.key;
    std::optional<int> id = TranslateAccelerator(press);
    ASSERT_TRUE(id.has_value());
    s.RunCommand(*id);
    EXPECT_EQ(f.settings.ReadFlagSetting("RouteMotorway") == 1, c.motorway) << char(c.key);
    EXPECT_EQ(f.settings.ReadFlagSetting("RouteCountry") == 1, c.country) << char(c.key);
    EXPECT_EQ(f.settings.ReadFlagSetting("RouteTown") == 1, c.town) << char(c.key);
    EXPECT_EQ(f.Routes().Follower().Mode().motorway, c.motorway);
    EXPECT_EQ(f.Routes().Follower().Mode().town, c.town);
  }
}

// Key 0 speaks the nearest point at the next pass; a window too small for the
// route view draws nothing of it but still follows and speaks.
TEST(RouteFeature, KeyZeroSpeaksAtTheNextPassWhateverTheWindowSize) {
  for (int width : {800, 640}) {
    RouteFixture f;
    RovexSystem& s = f.Start();
    f.SelectRoute(f.dir.File("route.csv"));
    s.SwitchToMode(kRouteMode);
    testing::RecordingCanvas canvas(width, 480 + (width == 800 ? 120 : 0));
    f.Draw(canvas);
    EXPECT_TRUE(f.speech.Texts().empty()) << "a point first seen 1 km away is not announced";
    KeyPress zero;
    zero.text = "0";
    ASSERT_EQ(TranslateAccelerator(zero), cmd::kSayNearestWaypoint);
    s.RunCommand(cmd::kSayNearestWaypoint);
    f.Draw(canvas);
    ASSERT_EQ(f.speech.Texts().size(), 1u) << width;
    EXPECT_EQ(f.speech.Texts()[0], "Bridge Turn left 1000 metres");
    EXPECT_EQ(f.Routes().Follower().LastSaidDistance(), 1000);
    EXPECT_EQ(canvas.TextsEqual("Map radius 4km").empty(), width < 800) << width;
  }
}

// Entering any route-aware view drops a pending speak-nearest request and
// starts the announcements afresh.
TEST(RouteFeature, EnteringARouteAwareViewResetsFollowing) {
  RouteFixture f;
  RovexSystem& s = f.Start();
  for (int command : {cmd::kRouteDirect, cmd::kViewRoute, cmd::kViewCompass, cmd::kViewPointer}) {
    s.RunCommand(cmd::kViewCameraMap);
    s.RunCommand(cmd::kSayNearestWaypoint);
    ASSERT_TRUE(f.Routes().Follower().SayNearestNowSet());
    s.RunCommand(command);
    EXPECT_FALSE(f.Routes().Follower().SayNearestNowSet()) << command;
    EXPECT_EQ(f.Routes().Follower().LastSaidDistance(), RouteFollower::kResetDistance);
  }
}

// The route's exclusions reach the nearby camera list as the route loads, and
// a route file that cannot be read takes them away just as soon.
TEST(RouteFeature, LoadingARouteRebuildsTheCameraListAtOnce) {
  RouteFixture f;
  RovexSystem& s = f.Start();
  s.Fix().latitude = kLat;
  s.Fix().longitude = kLon;
  s.RunCommand(cmd::kLoadCameraFile);
  ASSERT_EQ(f.Cameras(), 2u);
  f.SelectRoute(f.dir.File("route.csv"));
  EXPECT_EQ(f.Cameras(), 1u);
  EXPECT_EQ(s.RefreshCounter(), 0);
  f.SelectRoute(f.dir.File("gone.csv"));
  EXPECT_EQ(f.Cameras(), 2u);
  ASSERT_FALSE(f.prompt.shown.empty());
  EXPECT_EQ(f.prompt.shown.back().text, "Error can't open the route file\n" + f.dir.File("gone.csv"));
}

TEST(RouteFeature, StartUpLoadsTheRouteByAutoStartOrStartTimer) {
  struct Case {
    const char* legend;
    int autoStart;
    int timerEnable;
    const char* start;
    const char* end;
    bool loaded;
  };
  const Case cases[] = {
      {"neither", 0, 0, "", "", false},
      {"auto start", 1, 0, "", "", true},
      {"timer window holds 12:00", 0, 1, "11.30", "12:30", true},
      {"timer window across midnight misses 12:00", 0, 1, "22:00", "06:00", false},
  };
  for (const Case& c : cases) {
    RouteFixture f;
    f.settings.WriteNumberSetting("AutoStartRoute", static_cast<uint32_t>(c.autoStart));
    f.settings.WriteTextSetting("RouteName", c.timerEnable ? "" : f.dir.File("route.csv"));
    f.settings.WriteNumberSetting("StartTimerEnable1", static_cast<uint32_t>(c.timerEnable));
    f.settings.WriteTextSetting("StartTimerStartTime1", c.start);
    f.settings.WriteTextSetting("StartTimerEndTime1", c.end);
    f.settings.WriteTextSetting("StartTimerFilename1", f.dir.File("route.csv"));
    RovexSystem& s = f.Start();
    s.OnWindowShown(true);
    const Route* route = f.Routes().Current().Get();
    EXPECT_EQ(route != nullptr && route->name == "Test route", c.loaded) << c.legend;
    if (c.timerEnable && c.loaded) {
      EXPECT_EQ(f.settings.TryReadText("RouteName"), f.dir.File("route.csv"));
      EXPECT_EQ(f.settings.ReadFlagSetting("AutoStartRoute"), 1);
    }
  }
}

}  // namespace
}  // namespace rovex
