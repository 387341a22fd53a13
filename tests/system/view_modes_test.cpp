#include <gtest/gtest.h>

#include "system_fixture.h"
#include "system/command_ids.h"
#include "system/view_mode.h"

namespace rovex {
namespace {

using namespace cmd;
using testing::SystemFixture;

TEST(ModeSwitching, NextViewCyclesThroughAllEightAndBackToCamera) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  std::vector<std::string> titles;
  for (int i = 0; i < 8; ++i) {
    s.RunCommand(kNextView);
    titles.push_back(f.host.Title());
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"ROVEX POI View", "ROVEX Route View", "ROVEX Compass View",
                                              "ROVEX Pointer View", "ROVEX Track Editor View", "ROVEX Trail View",
                                              "ROVEX Trekbuddy View", "ROVEX Camera View"}));
  EXPECT_EQ(s.ViewMode(), kCameraMode);
  EXPECT_EQ(f.host.repaints, 8);
}

// Where each sequence of View commands ends, and whether it leaves the camera
// list to be reloaded by the next sentence (counter 71; 10000 is the start value).
TEST(ModeSwitching, CommandSequencesEndInTheirModeAndSetTheReload) {
  struct Case {
    const char* legend;
    std::vector<int> commands;
    int mode;
    int counter;
  };
  const std::vector<Case> cases = {
      {"POI toggle enters POI", {kViewPoi}, kPoiMode, 10000},
      {"POI toggle twice returns with a reload", {kViewPoi, kViewPoi}, kCameraMode, 71},
      {"route toggle twice", {kViewRoute, kViewRoute}, kCameraMode, 71},
      {"compass toggle twice", {kViewCompass, kViewCompass}, kCameraMode, 71},
      {"pointer toggle twice", {kViewPointer, kViewPointer}, kCameraMode, 71},
      {"trail toggle twice", {kViewTrail, kViewTrail}, kCameraMode, 71},
      {"track editor toggle twice", {kViewTrackEditor, kViewTrackEditor}, kCameraMode, 71},
      {"track editor toggle once", {kViewTrackEditor}, kTrackEditorMode, 10000},
      {"POI directly twice stays", {kPoiDirect, kPoiDirect}, kPoiMode, 10000},
      {"route directly twice stays", {kRouteDirect, kRouteDirect}, kRouteMode, 10000},
      {"camera map twice stays", {kViewCameraMap, kViewCameraMap}, kCameraMode, 10000},
      {"trekbuddy twice stays", {kViewTrekbuddy, kViewTrekbuddy}, kTrekbuddyMode, 10000},
      {"camera map reloads at once, leaving nothing for the sentence", {kViewRoute, kViewCameraMap}, kCameraMode, 10000},
      {"POI left by camera map", {kViewPoi, kViewCameraMap}, kCameraMode, 71},
      {"POI left by next view", {kViewPoi, kNextView}, kRouteMode, 71},
  };
  for (const Case& c : cases) {
    SystemFixture f;
    RovexSystem& s = f.Start();
    for (int id : c.commands) ASSERT_TRUE(s.RunCommand(id)) << c.legend;
    EXPECT_EQ(s.ViewMode(), c.mode) << c.legend;
    EXPECT_EQ(f.host.Title(), ViewTitle(c.mode)) << c.legend;
    EXPECT_EQ(s.RefreshCounter(), c.counter) << c.legend;
    EXPECT_EQ(f.host.repaints, static_cast<int>(c.commands.size())) << c.legend;
    EXPECT_EQ(s.IsChecked(kViewCameraMap), std::optional<bool>(c.mode == kCameraMode)) << c.legend;
    EXPECT_EQ(s.IsChecked(kViewTrackEditor), std::optional<bool>(c.mode == kTrackEditorMode)) << c.legend;
  }
}

TEST(ModeSwitching, EverySwitchClearsTheViewOnceOnTheNextPass) {
  SystemFixture f;
  RovexSystem& s = f.Start();
  auto clears = [&] {
    int n = 0;
    for (const auto* c : f.canvas.Of(testing::DrawCall::Op::Rectangle)) n += c->args == std::vector<int>{0, 0, 800, 600};
    return n;
  };
  s.DrawingPass(f.canvas);
  EXPECT_EQ(clears(), 0) << "nothing asked for a clear yet";
  s.RunCommand(kNextView);
  EXPECT_EQ(clears(), 1);
  const auto* clear = f.canvas.Of(testing::DrawCall::Op::Rectangle).back();
  EXPECT_EQ(clear->pen.colour, (Rgb{190, 190, 190}));
  EXPECT_EQ(clear->brush.colour, kWhite) << "the day set's view background";
  s.DrawingPass(f.canvas);
  EXPECT_EQ(clears(), 1) << "the clear happens once";
}

TEST(ModeSwitching, SwitchToModeEntersEachModeAndOutOfRangeIsCamera) {
  for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 8, -1}) {
    SystemFixture f;
    RovexSystem& s = f.Start();
    s.SwitchToMode(mode == kPoiMode ? kRouteMode : kPoiMode);  // start away from the mode
    s.SwitchToMode(mode);
    const int expected = mode >= 0 && mode < kViewModeCount ? mode : kCameraMode;
    EXPECT_EQ(s.ViewMode(), expected) << mode;
    EXPECT_EQ(f.host.Title(), ViewTitle(expected)) << mode;
  }
  EXPECT_EQ(ViewTitle(8), "ROVEX Camera View");
}

}  // namespace
}  // namespace rovex
