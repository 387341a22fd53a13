#include <gtest/gtest.h>

#include "system_fixture.h"
#include "system/command_ids.h"
#include "system/view_mode.h"

namespace rovex {
namespace {

using testing::SystemFixture;

TEST(ViewMode, TitlesAndOutOfRangeModesAreCamera) {
  const std::vector<std::pair<int, std::string>> cases = {
      {0, "ROVEX Camera View"},  {1, "ROVEX POI View"},          {2, "ROVEX Route View"},
      {3, "ROVEX Compass View"}, {4, "ROVEX Pointer View"},      {5, "ROVEX Track Editor View"},
      {6, "ROVEX Trail View"},   {7, "ROVEX Trekbuddy View"},    {8, "ROVEX Camera View"},
      {-1, "ROVEX Camera View"}, {1000, "ROVEX Camera View"},
  };
  for (const auto& [mode, title] : cases) EXPECT_EQ(ViewTitle(mode), title) << mode;
  EXPECT_EQ(EffectiveViewMode(9), kCameraMode);
  EXPECT_EQ(EffectiveViewMode(6), kTrailMode);
}

TEST(ModeSwitching, NextViewCyclesThroughAllEightAndBackToCamera) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  std::vector<std::string> titles;
  for (int i = 0; i < 8; ++i) {
    s.RunCommand(cmd::kNextView);
    titles.push_back(f.host.Title());
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"ROVEX POI View", "ROVEX Route View", "ROVEX Compass View",
                                              "ROVEX Pointer View", "ROVEX Track Editor View", "ROVEX Trail View",
                                              "ROVEX Trekbuddy View", "ROVEX Camera View"}));
  EXPECT_EQ(s.ViewMode(), kCameraMode);
  EXPECT_EQ(f.host.repaints, 8);
}

TEST(ModeSwitching, TogglesEnterTheirModeAndReturnToCameraWithAForcedReload) {
  // Each View-menu toggle: first choice enters the mode, second returns to Camera
  // and makes the next sentence reload the camera list.
  const std::vector<std::pair<int, int>> toggles = {
      {cmd::kViewPoi, kPoiMode},         {cmd::kViewRoute, kRouteMode},
      {cmd::kViewCompass, kCompassMode}, {cmd::kViewPointer, kPointerMode},
      {cmd::kViewTrail, kTrailMode},     {cmd::kViewTrackEditor, kTrackEditorMode},
  };
  for (const auto& [command, mode] : toggles) {
    SystemFixture f;
    RovexSystem& s = f.Start();
    ASSERT_EQ(s.RefreshCounter(), 10000);
    ASSERT_TRUE(s.RunCommand(command));
    EXPECT_EQ(s.ViewMode(), mode);
    EXPECT_EQ(f.host.Title(), ViewTitle(mode));
    EXPECT_EQ(s.IsChecked(command), std::optional<bool>(true));
    EXPECT_EQ(s.IsChecked(cmd::kViewCameraMap), std::optional<bool>(false));
    ASSERT_TRUE(s.RunCommand(command));
    EXPECT_EQ(s.ViewMode(), kCameraMode) << command;
    EXPECT_EQ(f.host.Title(), "ROVEX Camera View");
    EXPECT_EQ(s.RefreshCounter(), 71) << command;
    EXPECT_EQ(f.host.repaints, 2);
  }
}

TEST(ModeSwitching, DirectKeysStayInTheirModeWhenRepeated) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(s.RunCommand(cmd::kPoiDirect));
    EXPECT_EQ(s.ViewMode(), kPoiMode);
  }
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(s.RunCommand(cmd::kRouteDirect));
    EXPECT_EQ(s.ViewMode(), kRouteMode);
  }
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(s.RunCommand(cmd::kViewCameraMap));
    EXPECT_EQ(s.ViewMode(), kCameraMode);
  }
  ASSERT_TRUE(s.RunCommand(cmd::kViewTrekbuddy));
  ASSERT_TRUE(s.RunCommand(cmd::kViewTrekbuddy));
  EXPECT_EQ(s.ViewMode(), kTrekbuddyMode);
  EXPECT_EQ(f.host.Title(), "ROVEX Trekbuddy View");
}

TEST(ModeSwitching, LeavingPoiForcesTheCameraReloadButOtherDirectSwitchesDoNot) {
  {
    SystemFixture f;
    RovexSystem& s = f.Start();
    s.RunCommand(cmd::kViewRoute);
    s.RunCommand(cmd::kViewCameraMap);
    // Camera Map itself reloads the camera list at once; no forced reload is left for the next sentence.
    EXPECT_EQ(s.RefreshCounter(), 10000);
  }
  {
    SystemFixture f;
    RovexSystem& s = f.Start();
    s.RunCommand(cmd::kViewPoi);
    s.RunCommand(cmd::kViewCameraMap);
    EXPECT_EQ(s.RefreshCounter(), 71);
  }
  {
    SystemFixture f;
    RovexSystem& s = f.Start();
    s.RunCommand(cmd::kViewPoi);
    s.RunCommand(cmd::kNextView);
    EXPECT_EQ(s.ViewMode(), kRouteMode);
    EXPECT_EQ(s.RefreshCounter(), 71);
  }
}

TEST(ModeSwitching, EverySwitchClearsTheViewOnceOnTheNextPass) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  auto clears = [&] {
    int n = 0;
    for (const auto* c : f.canvas.Of(testing::DrawCall::Op::Rectangle)) {
      if (c->args == std::vector<int>{0, 0, 800, 600}) ++n;
    }
    return n;
  };
  s.DrawingPass(f.canvas);
  EXPECT_EQ(clears(), 0) << "nothing asked for a clear yet";
  s.RunCommand(cmd::kNextView);
  EXPECT_EQ(clears(), 1);
  const auto* clear = f.canvas.Of(testing::DrawCall::Op::Rectangle).back();
  EXPECT_EQ(clear->pen.colour, (Rgb{190, 190, 190}));
  EXPECT_EQ(clear->brush.colour, kWhite) << "the day set's view background";
  s.DrawingPass(f.canvas);
  EXPECT_EQ(clears(), 1) << "the clear happens once";
}

TEST(ModeSwitching, SwitchToModeEntersEachModeFromCamera) {
  for (int mode = 0; mode < kViewModeCount; ++mode) {
    SystemFixture f;
    RovexSystem& s = f.Start();
    s.SwitchToMode(mode);
    EXPECT_EQ(s.ViewMode(), mode);
    EXPECT_EQ(f.host.Title(), ViewTitle(mode));
  }
}

}  // namespace
}  // namespace rovex
