#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cameras/camera_fixture.h"
#include "cameras/camera_steps.h"
#include "cameras/passed_camera_list.h"
#include "gps/com_settings_dlg.h"
#include "gps/dlg_distance.h"
#include "gps/dlg_manual_location.h"
#include "gps/dlg_send_log.h"
#include "gps/gps_input.h"
#include "gps/posted_ui_calls.h"
#include "platform/message_poster.h"
#include "routes/route_file_dialog_model.h"
#include "settings/map_scale_model.h"
#include "settings/registry_settings.h"
#include "settings/settings_table.h"
#include "settings/tracking_options_model.h"
#include "support/temp_dir.h"
#include "system/accelerator_table.h"
#include "system/command_ids.h"
#include "system/route_feature.h"
#include "system_fixture.h"

namespace rovex {
namespace {

using testing::DrawCall;
using testing::GgaHere;
using testing::Sentence;
using testing::SystemFixture;
using testing::TempDir;

constexpr const char* kOndrawSentence = "$GPRMC,122517.0,A,5123.03664,N,00119.11388,W,000.0,226.6,170606,05.7,W,A*3B";

// A running system whose camera file holds cameras around the test position of "Do a ondraw".
struct CameraFixture : SystemFixture {
  TempDir dir;
  CameraFixture() {
    dir.Write("cameras.txt",
              "51.386000,-1.337132,A339,Newbury,,GATSO,Yes,40\n"    // 198 m north
              "51.384223,-1.335000,A339,Newbury,,MOBILE,No,30\n"    // 148 m east
              "51.400000,-1.337132,A34,Newbury,Bridge,SPECS,Yes,50\n"  // 1.76 km north
              "51.430000,-1.337132,A34,Chieveley,,TRUVELO,Yes,70\n");  // 5.1 km north
    RegistrySettings(store, nullptr).WriteTextSetting("CameraFile", dir.File("cameras.txt"));
  }
  // A sentence from the reader: mailbox, then the posted message.
  void Receive(const std::string& line) {
    system->Gps().HandOff().mailbox.TryPost(line);
    system->OnPostedMessage(WM_GPS_SENTENCE, 0, 0);
  }
};

TEST(SystemDrawing, DoAnOndrawFillsTheViewWithTheTestPositionAndSentence) {
  CameraFixture f;
  RovexSystem& s = f.Start();
  ASSERT_TRUE(s.RunCommand(cmd::kDoAnOndraw));
  EXPECT_EQ(s.Fix().latitude, 51.384223);
  ASSERT_NE(testing::CamerasOf(s).Cameras().List(), nullptr);
  EXPECT_EQ(testing::CamerasOf(s).Cameras().List()->size(), 3u) << "the cameras within 4 km";
  EXPECT_EQ(f.canvas.TextsEqual("Lat. 51.384223").size(), 1u);
  EXPECT_EQ(f.canvas.TextsEqual(kOndrawSentence).size(), 1u);
  EXPECT_EQ(f.canvas.Of(DrawCall::Op::Image).size(), 2u) << "the symbols of the two cameras within 250 m";
  EXPECT_FALSE(s.Gps().HandOff().mailbox.SentencePending()) << "the pass released the mailbox";

  // The next pass draws the panels again, but the sentence strip only with a new sentence.
  f.canvas.Clear();
  s.DrawingPass(f.canvas);
  EXPECT_EQ(f.canvas.TextsEqual("Lat. 51.384223").size(), 1u);
  EXPECT_TRUE(f.canvas.TextsEqual(kOndrawSentence).empty());
}

TEST(SystemDrawing, TheTrackIsRecordedAboveOneKnotAndTracedOnTheRadar) {
  CameraFixture f;
  RovexSystem& s = f.Start();
  ASSERT_NE(s.Pipeline().Track(), nullptr) << "LogTrack is on by default";
  for (int i = 0; i < 3; ++i) {  // a position, then a speed of 30 knots there
    const std::string at = "12000" + std::to_string(i) + ",5123.0" + std::to_string(i) + ",N,00120.000,W,";
    f.Receive(Sentence("GPGGA," + at + "1,08,0.9,100.0,M,47.0,M,,"));
    f.Receive(Sentence("GPRMC," + at.substr(0, 7) + "A," + at.substr(7) + "30.0,0.0,170606,,,"));
  }
  // The first GGA comes before any speed; from the first RMC on every sentence stores a point.
  EXPECT_EQ(s.Pipeline().Track()->WriteIndex(), 4);
  EXPECT_FALSE(f.canvas.Of(DrawCall::Op::Polyline).empty());
  EXPECT_EQ(f.canvas.Of(DrawCall::Op::Polyline).back()->pen.colour, (Rgb{255, 255, 0}));
}

TEST(SystemCommands, MuteAndTheManualLocationDialog) {
  CameraFixture f;
  RovexSystem& s = f.Start();
  s.RunCommand(cmd::kMute);
  EXPECT_EQ(s.IsChecked(cmd::kMute), std::optional<bool>(true));
  s.RunCommand(cmd::kMute);
  bool mutedInside = false;
  f.host.onManualLocation = [&](CDlgManualLocation& dialog) {
    mutedInside = testing::CamerasOf(s).Voice().Muted();
    dialog.m_latitude = "51.5";
    dialog.NudgeLatitude(0.01);
    EXPECT_EQ(s.Fix().latitude, 51.51) << "a nudge moves the map at once";
    dialog.m_longitude = "-1.25";
    dialog.NudgeLongitude(-0.1);
    dialog.ZoomIn();
    dialog.m_latitude = "51.384223";
    dialog.OnOK();
    return true;
  };
  s.RunCommand(cmd::kManualLocation);
  EXPECT_TRUE(mutedInside);
  EXPECT_FALSE(testing::CamerasOf(s).Voice().Muted()) << "the earlier state comes back";
  EXPECT_EQ(s.Fix().latitude, 51.384223);
  EXPECT_EQ(s.Fix().longitude, -1.35);
  EXPECT_EQ(f.poster.Count(WM_LOCATION_SET), 3u);
  EXPECT_EQ(f.poster.Count(WM_MAP_ZOOM), 1u);
  // The posted location runs the pipeline at once with a forced reload.
  s.OnPostedMessage(WM_LOCATION_SET, 0, 0);
  EXPECT_EQ(s.RefreshCounter(), 0);
  EXPECT_NE(testing::CamerasOf(s).Cameras().List(), nullptr);
  EXPECT_EQ(f.host.invalidates, 1);
}

TEST(SystemCommands, DistanceDialogAndTheDistanceMessage) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  s.Fix().latitude = 51.0;
  s.Fix().longitude = -1.0;
  f.host.onDistance = [](CDlgDistance& dialog) {
    dialog.m_latitude2 = "52.0";
    dialog.m_longitude2 = "-1.0";
    dialog.OnCalculate();
    return true;
  };
  s.RunCommand(cmd::kDistanceToLocation);
  // Calculate stored the second point as the location to measure to.
  s.OnPostedMessage(WM_DISTANCE_TO_LOCATION, 0, 0);
  ASSERT_EQ(f.prompt.shown.size(), 1u);
  EXPECT_EQ(f.prompt.shown[0].text.rfind("Distance \n111248.400000 metres\n\n", 0), 0u) << f.prompt.shown[0].text;
}

TEST(SystemCommands, StartAndStopRunThePortOpenOfGpsInput) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  s.Gps().SetOpenWait([](int) { return true; });
  s.RunCommand(cmd::kStart);
  EXPECT_TRUE(s.Gps().Opening());
  ASSERT_TRUE(f.poster.WaitFor(WM_GPS_PORT_OPENED, 1, 5000));
  s.OnPostedMessage(WM_GPS_PORT_OPENED, 0, 0);
  EXPECT_FALSE(s.Gps().Opening());
  ASSERT_TRUE(s.Gps().PortOpen());
  s.RunCommand(cmd::kStop);
  EXPECT_FALSE(s.Gps().PortOpen());
  EXPECT_FALSE(s.Gps().Opening()) << "Stop is no restart";
}

TEST(SystemCommands, ReplayingALogDrawsAndRunsThePipelineForEachLine) {
  CameraFixture f;
  std::string log;
  for (int i = 0; i < 6; ++i) log += GgaHere(i) + "\r\n";
  f.dir.Write("drive.nmea", log);
  RovexSystem& s = f.Start();
  std::string error;
  ASSERT_TRUE(s.ReplayLogNow(f.dir.File("drive.nmea"), 3, &error)) << error;
  EXPECT_EQ(f.host.repaints, 3);
  EXPECT_NEAR(s.Fix().latitude, 51.384222, 1e-6);
  // A replay brings the rebuild forward (counter 58): the fourth sentence rebuilds.
  EXPECT_EQ(testing::CamerasOf(s).Cameras().List(), nullptr);
  ASSERT_TRUE(s.ReplayLogNow(f.dir.File("drive.nmea"), -1, &error)) << error;
  EXPECT_EQ(f.host.repaints, 9);
  EXPECT_NE(testing::CamerasOf(s).Cameras().List(), nullptr);
  EXPECT_FALSE(s.ReplayLogNow(f.dir.File("missing.nmea"), -1, &error));
  EXPECT_NE(error.find("missing.nmea"), std::string::npos);
  EXPECT_FALSE(s.ReplayLogNow(f.dir.Path(), -1, &error)) << "a folder is no log";
  EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
}




constexpr double kLat = 51.384223;
constexpr double kLon = -1.337132;

std::vector<std::pair<std::string, SettingValue>> AllValues(SystemFixture& f) { return f.store.Values(kRovexKey); }

void Write(SystemFixture& f, const char* name, uint32_t n) { RegistrySettings(f.store, nullptr).WriteNumberSetting(name, n); }

// After Cancel nothing was written but the view holds what the store holds
// (changed here behind its back). Map scale and tracking re-read as after OK, below.
TEST(OptionCommands, CancelWritesNothingButTheViewReReads) {
  struct Case {
    int command;
    std::function<void(SystemFixture&)> changeBehind;
    std::function<void(SystemFixture&)> expectReRead;
  };
  const std::vector<Case> cases = {
      {cmd::kOptionsSpeed, [](SystemFixture& f) { Write(f, "SpeedUnits", 2); },
       [](SystemFixture& f) { EXPECT_EQ(f.system->State().speedUnits, 2u); }},
      {cmd::kOptionsTimeZone,
       [](SystemFixture& f) { RegistrySettings(f.store, nullptr).WriteTextSetting("TimeZone", "-5"); },
       [](SystemFixture& f) { EXPECT_EQ(f.system->State().timeZone, -5); }},
      {cmd::kOptionsColours,
       [](SystemFixture& f) {
         RegistrySettings(f.store, nullptr).WriteColourSetting("DayTimeBackGround", Colour{1, 2, 3});
       },
       [](SystemFixture& f) { EXPECT_EQ(f.system->Colours().panelBackground, (Rgb{1, 2, 3})); }},
      {cmd::kOptionsSpecs, [](SystemFixture& f) { Write(f, "AverageSpeed", 0); },
       [](SystemFixture& f) { EXPECT_FALSE(testing::CamerasOf(*f.system).Specs().Enabled()); }},
  };
  for (const Case& c : cases) {
    SystemFixture f;
    RovexSystem& s = f.Start();
    c.changeBehind(f);
    auto before = AllValues(f);
    f.host.onOption = [](OptionDialog, RegistrySettings&) { return false; };
    ASSERT_TRUE(s.RunCommand(c.command));
    EXPECT_EQ(AllValues(f), before) << c.command;
    c.expectReRead(f);
    EXPECT_GE(f.host.invalidates, 1) << c.command;
  }
}

TEST(OptionCommands, TrackingDialogCreatesResizesAndFreesTheRing) {
  struct Case {
    const char* legend;
    bool logBefore;
    TrackingOptionsModel::Values typed;
    int slotsAfter;  // 0: no ring
    bool displayAfter;
  };
  const std::vector<Case> cases = {
      {"length 100 stores 500, a 501-slot ring with logging on", false, {true, true, "100"}, 501, true},
      {"resizing a running ring", true, {true, false, "1200"}, 1201, false},
      {"Log track off frees the ring", true, {false, true, "5000"}, 0, true},
      {"a new length without logging creates nothing", false, {false, false, "700"}, 0, false},
  };
  for (const Case& c : cases) {
    SystemFixture f;
    Write(f, "LogTrack", c.logBefore ? 1 : 0);
    RovexSystem& s = f.Start();
    ASSERT_EQ(s.Pipeline().Track() != nullptr, c.logBefore) << c.legend;
    f.host.onOption = [&](OptionDialog which, RegistrySettings& settings) {
      EXPECT_EQ(which, OptionDialog::Tracking);
      TrackingOptionsModel::Ok(settings, c.typed);
      return true;
    };
    s.RunCommand(cmd::kOptionsTrackLogging);
    TrackRing* ring = s.Pipeline().Track();
    if (c.slotsAfter == 0) {
      EXPECT_EQ(ring, nullptr) << c.legend;
    } else {
      ASSERT_NE(ring, nullptr) << c.legend;
      EXPECT_EQ(ring->SlotCount(), c.slotsAfter) << c.legend;
    }
    EXPECT_EQ(s.State().displayTrack, c.displayAfter) << c.legend;
  }
}

TEST(OptionCommands, NoMemoryForTheRingTurnsTrackingOffWithOneMessage) {
  SystemFixture f;
  Write(f, "LogTrack", 0);
  RovexSystem& s = f.Start();
  int attempts = 0;
  s.Pipeline().SetRingFactory([&](int) {
    ++attempts;
    return std::unique_ptr<TrackRing>();
  });
  // Turning logging on and changing the length would both create a ring.
  f.host.onOption = [](OptionDialog, RegistrySettings& settings) {
    TrackingOptionsModel::Ok(settings, {true, true, "800"});
    return true;
  };
  s.RunCommand(cmd::kOptionsTrackLogging);
  EXPECT_EQ(attempts, 1);
  EXPECT_EQ(s.Pipeline().Track(), nullptr);
  EXPECT_FALSE(s.State().displayTrack);
  EXPECT_EQ(RegistrySettings(f.store, nullptr).ReadNumberSetting("LogTrack"), 0u);
  EXPECT_EQ(f.prompt.shown.size(), 1u);
}

TEST(OptionCommands, MapScaleRebuildsTheCameraListForTheNewRadius) {
  CameraFixture f;
  RovexSystem& s = f.Start();
  s.RunCommand(cmd::kDoAnOndraw);
  ASSERT_EQ(testing::CamerasOf(s).Cameras().List()->size(), 3u);
  s.Pipeline().SetRefreshCounter(50);
  f.host.onOption = [](OptionDialog, RegistrySettings& settings) { return MapScaleModel::Ok(settings, 5); };
  s.RunCommand(cmd::kOptionsMapScale);
  EXPECT_EQ(s.MapRadius(), 16000.0);
  EXPECT_EQ(s.RefreshCounter(), 0) << "a load outside the pipeline starts the refresh interval again";
  EXPECT_EQ(testing::CamerasOf(s).Cameras().List()->size(), 4u);
}

TEST(OptionCommands, CommSettingsOffersThePortsPresent) {
  SystemFixture f;
  f.ports.present = std::vector<std::string>{"ttyUSB0"};
  std::vector<std::string> offered;
  f.host.onComSettings = [&](CComSettingsDlg& d) { offered = d.m_portItems; return false; };
  f.Start().RunCommand(cmd::kOptionsComm);
  EXPECT_EQ(offered, (std::vector<std::string>{"ttyUSB0", "gpsd", "Com1"})) << "the stored port, not plugged in, last";
}

// The send-log thread reports through calls posted to the view; the port is
// closed once the window has gone, even if the user never pressed Stop.
TEST(OptionCommands, SendLogReportsThroughPostedCallsAndClosesItsPort) {
  SystemFixture f;
  testing::TempDir dir;
  dir.Write("log.txt", "$GPGGA,1\n$GPRMC,2\n");
  auto port = f.ports.next;
  RovexSystem& s = f.Start();
  std::vector<std::string> shownLines;
  f.host.onSendLog = [&](CDlg_Send_Log& d) {
    d.SetOpenWait([](int) { return true; });
    d.SetOnFieldsChanged([&] { shownLines.push_back(d.LinesSent()); });
    d.m_fileName = dir.File("log.txt");
    d.SetLoopCount("1");
    d.OnStart();
    d.Join();
    // Nothing reached the window until this thread ran the posted calls.
    EXPECT_TRUE(shownLines.empty());
    for (const auto& m : f.poster.Messages()) {
      if (m.message == WM_GPS_UI_CALL) s.OnPostedMessage(m.message, m.wParam, m.lParam);
    }
    EXPECT_FALSE(shownLines.empty());
    EXPECT_EQ(d.LoopCount(), "1");
    EXPECT_EQ(d.LinesSent(), "2");
  };
  ASSERT_TRUE(s.RunCommand(cmd::kSendLogFile));
  EXPECT_EQ(port->Written(), "$GPGGA,1\r\n$GPRMC,2\r\n");
  EXPECT_TRUE(port->Closed());
  EXPECT_EQ(f.host.invalidates, 1);
}

// The passed-camera list needs a camera list: without one it loads the cameras
// around the test position, which the near-camera list then shows.
TEST(OptionCommands, CameraListDialogsLoadAndShowTheNearbyList) {
  CameraFixture f;
  RovexSystem& s = f.Start();
  s.RunCommand(cmd::kPassedCameraList);
  EXPECT_EQ(s.Fix().latitude, 51.384223);
  std::size_t rows = 0;
  f.host.onNearCameraList = [&](const CameraTable& t) { rows = t.rows.size(); };
  s.RunCommand(cmd::kNearCameraList);
  EXPECT_EQ(rows, 3u);
}

using testing::North;


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
    system->Gps().HandOff().mailbox.Overwrite(testing::GgaHere());
    system->DrawingPass(on);
  }
  std::size_t Cameras() { return testing::CamerasOf(*system).Cameras().List()->size(); }
};

TEST(RouteFeature, ZXCSetTheRouteModeMotorwayCountryTown) {
  RouteFixture f;
  RovexSystem& s = f.Start();
  struct Case {
    int key;
    bool motorway, country, town;
  };
  for (const Case& c : {Case{'Z', true, false, false}, Case{'X', false, true, false}, Case{'C', false, false, true}}) {
    s.RunCommand(TranslateAccelerator(KeyPress{c.key, ""}).value_or(0));
    EXPECT_EQ(f.settings.ReadFlagSetting("RouteMotorway") == 1, c.motorway) << char(c.key);
    EXPECT_EQ(f.settings.ReadFlagSetting("RouteCountry") == 1, c.country) << char(c.key);
    EXPECT_EQ(f.settings.ReadFlagSetting("RouteTown") == 1, c.town) << char(c.key);
    EXPECT_EQ(f.Routes().Follower().Mode().town, c.town) << char(c.key);
  }
}

// Key 0 speaks the nearest point at the next pass; a window too small for the
// route view draws nothing of it but still follows and speaks.
TEST(RouteFeature, KeyZeroSpeaksAtTheNextPassWhateverTheWindowSize) {
  for (int width : {800, 750}) {
    RouteFixture f;
    RovexSystem& s = f.Start();
    f.SelectRoute(f.dir.File("route.csv"));
    s.SwitchToMode(kRouteMode);
    testing::RecordingCanvas canvas(width, 480 + (width == 800 ? 120 : 0));
    f.Draw(canvas);
    EXPECT_TRUE(f.speech.Texts().empty()) << "a point first seen 1 km away is not announced";
    ASSERT_EQ(TranslateAccelerator(KeyPress{0, "0"}), cmd::kSayNearestWaypoint);
    s.RunCommand(cmd::kSayNearestWaypoint);
    f.Draw(canvas);
    ASSERT_EQ(f.speech.Texts().size(), 1u) << width;
    EXPECT_EQ(f.speech.Texts()[0], "Bridge Turn left 1000 metres");
    EXPECT_EQ(canvas.TextsEqual("Map radius 4km").empty(), width < 800) << width;
  }
}

// Snap to route puts the car on each point and draws the route view there,
// although it empties the last sentence to do so.
TEST(RouteFeature, SnapDrawsTheRouteViewAtThePoint) {
  RouteFixture f;
  RovexSystem& s = f.Start();
  f.SelectRoute(f.dir.File("route.csv"));
  s.SwitchToMode(kRouteMode);
  f.Draw(f.canvas);
  f.canvas.Clear();
  s.RunCommand(cmd::kSnapToRoute);
  EXPECT_NEAR(s.Fix().latitude, North(kLat, 1000), 1e-6);
  EXPECT_FALSE(f.canvas.TextsEqual("Map radius 4km").empty()) << "the pass drew the route view";
}

// Entering any route-aware view drops a pending speak-nearest request and
// starts the announcements afresh.
TEST(RouteFeature, EnteringARouteAwareViewResetsFollowing) {
  RouteFixture f;
  RovexSystem& s = f.Start();
  f.SelectRoute(f.dir.File("route.csv"));
  for (int command : {cmd::kRouteDirect, cmd::kViewRoute, cmd::kViewCompass, cmd::kViewPointer}) {
    s.SwitchToMode(kRouteMode);
    f.Draw(f.canvas);
    s.RunCommand(cmd::kSayNearestWaypoint);
    f.Draw(f.canvas);
    ASSERT_NE(f.Routes().Follower().LastSaidDistance(), RouteFollower::kResetDistance);
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
  EXPECT_EQ(f.prompt.Texts().size(), 1u) << "the unreadable route is reported";
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
    }
  }
}

}  // namespace
}  // namespace rovex
