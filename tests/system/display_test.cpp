#include <gtest/gtest.h>

#include "gps/gps_input.h"
#include "platform/message_poster.h"
#include "settings/registry_settings.h"
#include "settings/start_times.h"
#include "system/command_ids.h"
#include "system_fixture.h"

namespace rovex {
namespace {

using testing::FakeClock;
using testing::SystemFixture;


uint32_t StoredScale(SystemFixture& f) { return RegistrySettings(f.store, nullptr).ReadMapScale(); }

TEST(MapZoom, StepsAndLimits) {
  struct Case {
    uint32_t start;
    bool in;
    uint32_t expected;
  };
  const std::vector<Case> cases = {
      {200, true, 100},        {100, true, 100},       {101, true, 50},         {4000, true, 2000},
      {400000, false, 400000}, {255000, false, 510000}, {255001, false, 255001}, {0, false, 0},
  };
  for (const Case& c : cases) {
    SystemFixture f;
    RegistrySettings(f.store, nullptr).WriteNumberSetting("MapScale", c.start);
    RovexSystem& s = f.Start();
    s.RunCommand(c.in ? cmd::kToolZoomIn : cmd::kToolZoomOut);
    EXPECT_EQ(StoredScale(f), c.expected) << c.start << (c.in ? " in" : " out");
    EXPECT_EQ(s.MapRadius(), c.expected);
    EXPECT_EQ(f.host.repaints, c.expected == c.start ? 0 : 1);
  }
}

TEST(MapZoom, AFailedWriteIsReportedAndTheNewRadiusStaysInUse) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  f.store.SetWritesFail(true);
  s.RunCommand(cmd::kToolZoomOut);
  EXPECT_EQ(s.MapRadius(), 8000.0);
  EXPECT_EQ(f.prompt.shown.size(), 1u);
}

TEST(MapZoom, TheManualLocationZoomMessageAndTheModesWithTheirOwnZoom) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  s.OnPostedMessage(WM_MAP_ZOOM, 0, 0);
  EXPECT_EQ(StoredScale(f), 8000u);
  // The track editor and the atlas zoom their own pictures, not the map radius.
  for (int mode : {kTrackEditorMode, kTrekbuddyMode}) {
    s.SwitchToMode(mode);
    s.RunCommand(cmd::kToolZoomOut);
    s.OnPostedMessage(WM_MAP_ZOOM, 0, 1);
    EXPECT_EQ(StoredScale(f), 8000u) << mode;
    s.SwitchToMode(kCameraMode);
  }
}

TEST(DisplayColours, DayAndNightSetsComeFromTheStore) {
  SystemFixture f;
  RegistrySettings settings(f.store, nullptr);
  settings.WriteTextSetting("DayTimeBackGround", "10 20 30");
  settings.WriteTextSetting("DayTimeForeGround", "ff 00 80");
  settings.WriteTextSetting("NightTimeBackGround", "01 02 03");
  settings.WriteTextSetting("NightTimeForeGround", "garbage");
  RovexSystem& s = f.Start();
  // The day set is loaded at start-up.
  EXPECT_EQ(s.Colours(), (DisplayColours{{0x10, 0x20, 0x30}, {0xff, 0x00, 0x80}, kWhite}));
  s.RunCommand(cmd::kToolNightColours);
  EXPECT_EQ(s.Colours(), (DisplayColours{{1, 2, 3}, kBlack, kBlack}));
  EXPECT_TRUE(f.canvas.Of(testing::DrawCall::Op::Rectangle).back()->brush.colour == kBlack)
      << "the view was cleared with the night background";
  s.RunCommand(cmd::kDayColours);
  EXPECT_EQ(s.Colours().viewBackground, kWhite);
  EXPECT_EQ(f.host.repaints, 2);
}

TEST(CheckRegistry, ResetsTheSettingsAndReloadsTheViewsCopies) {
  SystemFixture f;
  RegistrySettings(f.store, nullptr).WriteNumberSetting("MapScale", 500);
  RovexSystem& s = f.Start();
  s.RunCommand(cmd::kToolNightColours);
  EXPECT_EQ(s.MapRadius(), 500.0);
  f.prompt.QueueConfirm(false);
  s.RunCommand(cmd::kCheckRegistry);
  EXPECT_EQ(s.MapRadius(), 500.0) << "cancelled: nothing changes";
  s.RunCommand(cmd::kCheckRegistry);
  EXPECT_EQ(s.MapRadius(), 4000.0);
  EXPECT_EQ(s.Colours().viewBackground, kWhite) << "the day set follows a reset";
}

TEST(StartUp, VersionCheckAndFirstRunQuestionOnEmptySettings) {
  SystemFixture f(false);
  RovexSystem& s = f.Start();
  f.prompt.QueueConfirm(false);
  s.RunVersionCheck();
  EXPECT_EQ(f.prompt.confirmTitles.size(), 1u);
  // Cancelled: the first-run question follows; OK on it runs the reset.
  f.prompt.QueueAnswer(MsgResult::Ok);
  s.OnInitialUpdate();
  EXPECT_EQ(RegistrySettings(f.store, nullptr).ReadVersion(), 11u);
  EXPECT_EQ(s.MapRadius(), 4000.0);
}



TEST(StartTimes, Normalised) {
  const std::vector<std::pair<std::string, std::string>> normalised = {
      {"7.30", "07:30"}, {"7:3", "07:3"}, {" 22-00 ", "22:00"}, {"12:00", "12:00"}, {"", "0"}, {"06:30:59xyz", "06:30:59"},
  };
  for (const auto& [in, out] : normalised) EXPECT_EQ(NormaliseTime(in), out) << in;
}

TEST(StartUp, TheNightTimerChoosesTheColoursOnlyAtStart) {
  for (int hour : {20, 12, 6}) {
    SystemFixture f;
    RegistrySettings settings(f.store, nullptr);
    settings.WriteNumberSetting("NightTimerEnable", 1);
    settings.WriteTextSetting("NightTimerStartTime", "19.00");
    settings.WriteTextSetting("NightTimerEndTime", "7:00");
    f.clock.Set(FakeClock::Utc(2024, 5, 17, hour, 0, 0));
    RovexSystem& s = f.Start();
    s.OnWindowShown(false);
    EXPECT_EQ(s.Colours().viewBackground, hour == 12 ? kWhite : kBlack) << hour;
  }
}

TEST(StartUp, AMissingTimerTimeIsReportedAndTheTimerSkipped) {
  SystemFixture f;
  RegistrySettings settings(f.store, nullptr);
  settings.WriteNumberSetting("NightTimerEnable", 1);
  f.store.Delete("Software\\ROVEX", "NightTimerEndTime");
  f.clock.Set(FakeClock::Utc(2024, 5, 17, 23, 0, 0));
  RovexSystem& s = f.Start();
  s.OnWindowShown(false);
  EXPECT_EQ(s.Colours().viewBackground, kWhite);
  EXPECT_EQ(f.prompt.shown.size(), 1u);
}

TEST(StartUp, AutoStartOpensThePortUnlessNobodyWatches) {
  for (bool unattended : {false, true}) {
    SystemFixture f;
    RegistrySettings(f.store, nullptr).WriteNumberSetting("AutoStartGPS", 1);
    RovexSystem& s = f.Start();
    s.Gps().SetOpenWait([](int) { return true; });
    s.OnWindowShown(unattended);
    EXPECT_EQ(s.Gps().Opening(), !unattended);
    s.Gps().Stop();
  }
}

}  // namespace
}  // namespace rovex
