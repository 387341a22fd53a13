#include <gtest/gtest.h>

#include "platform/message_poster.h"
#include "settings/registry_settings.h"
#include "system_fixture.h"
#include "system/command_ids.h"

namespace rovex {
namespace {

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
  ASSERT_EQ(f.prompt.shown.size(), 1u);
  EXPECT_EQ(f.prompt.shown[0].text,
            "0x5\nAn error occurred writing the map scale setting to the registry.\nHKEY_CURRENT_USER\n"
            "Software\\ROVEX\\MapScale");
}

TEST(MapZoom, TheManualLocationZoomMessageAndTheModesWithTheirOwnZoom) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  s.OnPostedMessage(WM_MAP_ZOOM, 0, 1);
  EXPECT_EQ(StoredScale(f), 2000u);
  s.OnPostedMessage(WM_MAP_ZOOM, 0, 0);
  EXPECT_EQ(StoredScale(f), 4000u);
  // The track editor and the atlas zoom their own pictures, not the map radius.
  for (int mode : {kTrackEditorMode, kTrekbuddyMode}) {
    s.SwitchToMode(mode);
    s.RunCommand(cmd::kToolZoomOut);
    EXPECT_EQ(StoredScale(f), 4000u) << mode;
    s.OnPostedMessage(WM_MAP_ZOOM, 0, 1);
    EXPECT_EQ(StoredScale(f), 4000u) << mode;
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
  ASSERT_GE(f.prompt.shown.size(), 1u);
  EXPECT_EQ(f.prompt.shown[0].text.rfind("Setup registry values?", 0), 0u);
  EXPECT_EQ(RegistrySettings(f.store, nullptr).ReadVersion(), 11u);
  EXPECT_EQ(s.MapRadius(), 4000.0);
}

}  // namespace
}  // namespace rovex
