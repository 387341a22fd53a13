#include <gtest/gtest.h>


#include "cameras/camera_fixture.h"
#include "cameras/camera_steps.h"
#include "cameras/passed_camera_list.h"
#include "gps/com_settings_dlg.h"
#include "gps/dlg_send_log.h"
#include "gps/posted_ui_calls.h"
#include "platform/message_poster.h"
#include "settings/colours_model.h"
#include "settings/map_scale_model.h"
#include "settings/settings_table.h"
#include "settings/tracking_options_model.h"
#include "support/temp_dir.h"
#include "system_fixture.h"
#include "system/command_ids.h"

namespace rovex {
namespace {

using testing::SystemFixture;

constexpr double kLat = 51.384223;
constexpr double kLon = -1.337132;

std::vector<std::pair<std::string, SettingValue>> AllValues(SystemFixture& f) { return f.store.Values(kRovexKey); }

void Write(SystemFixture& f, const char* name, uint32_t n) { RegistrySettings(f.store, nullptr).WriteNumberSetting(name, n); }

// Every option dialog is on the menu, and after Cancel nothing was written
// but the view holds what the store holds (changed here behind its back).
TEST(OptionCommands, CancelWritesNothingButTheViewReReads) {
  struct Case {
    int command;
    OptionDialog dialog;
    std::function<void(SystemFixture&)> changeBehind;
    std::function<void(SystemFixture&)> expectReRead;
  };
  const std::vector<Case> cases = {
      {cmd::kOptionsSpeed, OptionDialog::Speed, [](SystemFixture& f) { Write(f, "SpeedUnits", 2); },
       [](SystemFixture& f) { EXPECT_EQ(f.system->State().speedUnits, 2u); }},
      {cmd::kOptionsTimeZone, OptionDialog::TimeZone,
       [](SystemFixture& f) { RegistrySettings(f.store, nullptr).WriteTextSetting("TimeZone", "-5"); },
       [](SystemFixture& f) { EXPECT_EQ(f.system->State().timeZone, -5); }},
      {cmd::kOptionsTrackLogging, OptionDialog::Tracking, [](SystemFixture& f) { Write(f, "DisplayTrack", 0); },
       [](SystemFixture& f) { EXPECT_FALSE(f.system->State().displayTrack); }},
      {cmd::kOptionsMapScale, OptionDialog::MapScale, [](SystemFixture& f) { Write(f, "MapScale", 16000); },
       [](SystemFixture& f) { EXPECT_EQ(f.system->MapRadius(), 16000.0); }},
      {cmd::kOptionsColours, OptionDialog::Colours,
       [](SystemFixture& f) {
         RegistrySettings(f.store, nullptr).WriteColourSetting("DayTimeBackGround", Colour{1, 2, 3});
       },
       [](SystemFixture& f) { EXPECT_EQ(f.system->Colours().panelBackground, (Rgb{1, 2, 3})); }},
      {cmd::kOptionsSpecs, OptionDialog::Specs, [](SystemFixture& f) { Write(f, "AverageSpeed", 0); },
       [](SystemFixture& f) { EXPECT_FALSE(testing::CamerasOf(*f.system).Specs().Enabled()); }},
  };
  for (const Case& c : cases) {
    SystemFixture f;
    RovexSystem& s = f.Start();
    ASSERT_TRUE(s.HasCommand(c.command)) << c.command;
    c.changeBehind(f);
    auto before = AllValues(f);
    f.host.onOption = [](OptionDialog, RegistrySettings&) { return false; };
    ASSERT_TRUE(s.RunCommand(c.command));
    ASSERT_EQ(f.host.optionDialogs.size(), 1u);
    EXPECT_EQ(f.host.optionDialogs[0], c.dialog);
    EXPECT_EQ(AllValues(f), before) << c.command;
    c.expectReRead(f);
    EXPECT_GE(f.host.invalidates, 1) << c.command;
    EXPECT_TRUE(f.prompt.shown.empty()) << c.command;
  }
}

// What the tracking dialog's OK leaves behind: the ring's existence and size.
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
      {"same length keeps logging", true, {true, true, "5000"}, 5001, true},
      {"Log track off frees the ring", true, {false, true, "5000"}, 0, true},
      {"a new length without logging creates nothing", false, {false, false, "700"}, 0, false},
      {"above 5000 is held at 5000", false, {true, true, "99999"}, 5001, true},
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
      // The first point after a new ring goes to slot 0.
      EXPECT_EQ(ring->WriteIndex(), c.slotsAfter) << c.legend;
    }
    EXPECT_EQ(s.State().displayTrack, c.displayAfter) << c.legend;
    EXPECT_EQ(s.Pipeline().Track(), ring) << c.legend;
  }
}

TEST(OptionCommands, NoMemoryForTheRingTurnsTrackingOffWithOneMessage) {
  SystemFixture f;
  Write(f, "LogTrack", 0);
  RovexSystem& s = f.Start();
  ASSERT_EQ(s.Pipeline().Track(), nullptr);
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
  RegistrySettings r(f.store, nullptr);
  EXPECT_EQ(r.ReadNumberSetting("LogTrack"), 0u);
  EXPECT_EQ(r.ReadNumberSetting("DisplayTrack"), 0u);
  ASSERT_EQ(f.prompt.shown.size(), 1u);
  EXPECT_EQ(f.prompt.shown[0].text, "There is not enough memory for track logging.\nTrack logging will be turned off");

  // Memory back: the next OK with logging on records again at the stored length.
  s.Pipeline().SetRingFactory(nullptr);
  f.host.onOption = [](OptionDialog, RegistrySettings& settings) {
    TrackingOptionsModel::Ok(settings, {true, false, "800"});
    return true;
  };
  s.RunCommand(cmd::kOptionsTrackLogging);
  ASSERT_NE(s.Pipeline().Track(), nullptr);
  EXPECT_EQ(s.Pipeline().Track()->SlotCount(), 801);
}

TEST(OptionCommands, TheSpecsDialogStartsTheAverageSpeedAfresh) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  testing::CamerasOf(s).SpaceKey(testing::FixAt(kLat, kLon));
  ASSERT_TRUE(testing::CamerasOf(s).Specs().Started());
  s.RunCommand(cmd::kOptionsSpecs);
  EXPECT_FALSE(testing::CamerasOf(s).Specs().Started());
  EXPECT_TRUE(testing::CamerasOf(s).Specs().Enabled());
}

TEST(OptionCommands, ColoursDialogEndsOnTheDaySetWithTheBackgroundCleared) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  s.RunCommand(cmd::kToolNightColours);
  ASSERT_EQ(s.Colours().viewBackground, (Rgb{0, 0, 0}));
  f.host.onOption = [](OptionDialog, RegistrySettings& settings) {
    ColoursModel::Fields fields = ColoursModel::Open(settings);
    fields[ColoursModel::DayBack] = {"300", "0", "7"};
    ColoursModel::Ok(settings, fields);
    return true;
  };
  f.canvas.Clear();
  s.RunCommand(cmd::kOptionsColours);
  EXPECT_EQ(s.Colours().panelBackground, (Rgb{44, 0, 7}));
  // The repaint filled the whole view with the day background.
  auto fills = f.canvas.Of(testing::DrawCall::Op::Rectangle);
  ASSERT_FALSE(fills.empty());
  EXPECT_EQ(fills[0]->args, (std::vector<int>{0, 0, 800, 600}));
  EXPECT_EQ(fills[0]->brush.colour, kWhite);
}

// The map scale's OK rebuilds the nearby camera list for the new radius.
TEST(OptionCommands, MapScaleRebuildsTheCameraListForTheNewRadius) {
  SystemFixture f;
  testing::TempDir dir;
  // One camera 2 km north, one 10 km north.
  dir.Write("cams.txt", testing::CameraLine(testing::North(kLat, 2000), kLon, "Near") +
                            testing::CameraLine(testing::North(kLat, 10000), kLon, "Far"));
  RegistrySettings(f.store, nullptr).WriteTextSetting("CameraFile", dir.File("cams.txt"));
  RovexSystem& s = f.Start();
  s.Fix().latitude = kLat;
  s.Fix().longitude = kLon;
  s.RunCommand(cmd::kLoadCameraFile);
  ASSERT_NE(testing::CamerasOf(s).Cameras().List(), nullptr);
  EXPECT_EQ(testing::CamerasOf(s).Cameras().List()->size(), 1u);
  f.host.onOption = [](OptionDialog, RegistrySettings& settings) { return MapScaleModel::Ok(settings, 5); };
  s.RunCommand(cmd::kOptionsMapScale);
  EXPECT_EQ(s.MapRadius(), 16000.0);
  ASSERT_NE(testing::CamerasOf(s).Cameras().List(), nullptr);
  EXPECT_EQ(testing::CamerasOf(s).Cameras().List()->size(), 2u);
}

TEST(OptionCommands, CommSettingsOpensOnThePortsPresentAndOkWrites) {
  SystemFixture f;
  f.ports.present = std::vector<std::string>{"Com3", "ttyUSB0"};
  RovexSystem& s = f.Start();
  f.host.onComSettings = [](CComSettingsDlg& d) {
    EXPECT_EQ(d.m_portItems, (std::vector<std::string>{"Com3", "ttyUSB0", "Com1"}));
    d.m_port = "ttyUSB0";
    return d.OnOK();
  };
  ASSERT_TRUE(s.RunCommand(cmd::kOptionsComm));
  EXPECT_EQ(RegistrySettings(f.store, nullptr).TryReadText("Port"), "ttyUSB0");
  EXPECT_EQ(f.host.invalidates, 1);
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
  SystemFixture f;
  testing::TempDir dir;
  dir.Write("cams.txt", testing::CameraLine(testing::North(kLat, 1000), kLon, "GATSO"));
  RegistrySettings(f.store, nullptr).WriteTextSetting("CameraFile", dir.File("cams.txt"));
  RovexSystem& s = f.Start();
  bool opened = false;
  f.host.onPassedCameraList = [&](PassedCameraList&) { opened = true; };
  s.RunCommand(cmd::kPassedCameraList);
  EXPECT_TRUE(opened);
  EXPECT_EQ(s.Fix().latitude, kLat);
  EXPECT_EQ(s.Fix().longitude, kLon);
  EXPECT_EQ(f.host.invalidates, 1);
  std::vector<std::vector<std::string>> rows;
  f.host.onNearCameraList = [&](const CameraTable& t) { rows = t.rows; };
  s.RunCommand(cmd::kNearCameraList);
  ASSERT_EQ(rows.size(), 1u);
  ASSERT_EQ(rows[0].size(), 9u);
  EXPECT_EQ(rows[0][3], "GATSO");
}

}  // namespace
}  // namespace rovex
