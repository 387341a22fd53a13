#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "converters/add_new_line_dialog.h"
#include "converters/camera_convert_dialog.h"
#include "converters/gpx_convert_dialog.h"
#include "converters/hgt_dialog.h"
#include "converters/josm_dialog.h"
#include "converters/multi_camera_convert_dialog.h"
#include "converters/nmea_gpx_dialog.h"
#include "converters/speedcam_dialog.h"
#include "platform/data_root.h"
#include "system/accelerator_table.h"
#include "system/command_ids.h"
#include "system/view_mode.h"
#include "system_fixture.h"

namespace rovex {
namespace {

using namespace cmd;
using namespace converters;
using testing::SystemFixture;

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
      {"track editor toggle twice", {kViewTrackEditor, kViewTrackEditor}, kCameraMode, 71},
      {"track editor toggle once", {kViewTrackEditor}, kTrackEditorMode, 10000},
      {"POI directly twice stays", {kPoiDirect, kPoiDirect}, kPoiMode, 10000},
      {"route directly twice stays", {kRouteDirect, kRouteDirect}, kRouteMode, 10000},
      {"camera map twice stays", {kViewCameraMap, kViewCameraMap}, kCameraMode, 10000},
      {"trekbuddy twice stays", {kViewTrekbuddy, kViewTrekbuddy}, kTrekbuddyMode, 10000},
      {"camera map reloads at once, leaving nothing for the sentence", {kViewRoute, kViewCameraMap}, kCameraMode, 10000},
      {"POI left by camera map", {kViewPoi, kViewCameraMap}, kCameraMode, 71},
      {"POI left by next view", {kViewPoi, kNextView}, kRouteMode, 71},
      {"next view from the last mode comes round to camera", {kViewTrekbuddy, kNextView}, kCameraMode, 10000},
  };
  for (const Case& c : cases) {
    SystemFixture f;
    RovexSystem& s = f.Start();
    for (int id : c.commands) ASSERT_TRUE(s.RunCommand(id)) << c.legend;
    EXPECT_EQ(s.ViewMode(), c.mode) << c.legend;
    EXPECT_EQ(f.host.Title(), ViewTitle(c.mode)) << c.legend;
    EXPECT_EQ(s.RefreshCounter(), c.counter) << c.legend;
    EXPECT_EQ(f.host.repaints, static_cast<int>(c.commands.size())) << c.legend;
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
  EXPECT_EQ(f.canvas.Of(testing::DrawCall::Op::Rectangle).back()->brush.colour, kWhite) << "the day background";
  s.DrawingPass(f.canvas);
  EXPECT_EQ(clears(), 1) << "the clear happens once";
}

// One case per way a key is matched: typed character with its OEM or
// numeric-pad code, modifiers that must or must not be held.
TEST(Accelerators, KeysRunTheirCommands) {
  struct Case {
    const char* legend;
    KeyPress key;
    std::optional<int> command;
  };
  const std::vector<Case> cases = {
      // F5, V, B, comma and the digits are pressed through the window in the app's shell test.
      {"minus typed", KeyPress{0xBD, "-"}, kToolZoomOut},
      {"numeric-pad minus", KeyPress{vk::kSubtract, "-"}, kToolZoomOut},
      {"plus typed with shift", KeyPress{0xBB, "+", false, false, true}, kToolZoomIn},
      {"S start", KeyPress{'S', ""}, kStart},
      {"Ctrl+S save", KeyPress{'S', "", true}, kFileSave},
      {"Shift+V is not V", KeyPress{'V', "", false, false, true}, std::nullopt},
      {"A is nothing", KeyPress{'A', ""}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(TranslateAccelerator(c.key), c.command) << c.legend;

  // A key whose command is missing is no command at all; the others still work.
  auto available = [](int id) { return id != kToolZoomOut; };
  EXPECT_EQ(TranslateAccelerator(KeyPress{vk::kSubtract, "-"}, available), std::nullopt);
  EXPECT_EQ(TranslateAccelerator(KeyPress{vk::F(5), ""}, available), std::optional<int>(kNextView));
}

// What tells the opened model apart (its title, or a starting value); then the user changes that value.
std::string DescribeAndChange(const DialogRequest& r) {
  const std::string changed = "changed";
  if (auto* m = r.Get<CameraConvertDialog>()) return std::string(m->Title()) + " " + std::exchange(m->source, changed);
  if (auto* m = r.Get<MultiCameraConvertDialog>()) return "multi " + std::exchange(m->destination, changed);
  if (auto* m = r.Get<GpxConvertDialog>()) return m->Title();
  if (auto* m = r.Get<NmeaToGpxDialog>()) return "nmea " + std::exchange(m->distanceText, changed) + " " + m->courseText;
  if (auto* m = r.Get<ConvertJosmDialog>()) return "josm " + std::exchange(m->source, changed);
  if (auto* m = r.Get<AddNewLineDialog>()) return "lines " + std::exchange(m->source, changed);
  if (auto* m = r.Get<HgtToGpxDialog>()) return "hgt " + m->eraseRange + m->contourRange + std::exchange(m->step, changed);
  if (auto* m = r.Get<SpeedcamDialog>()) return "speedcams " + std::exchange(m->source, changed);
  return "(another model)";
}

TEST(ConvertMenu, EachCommandOpensItsDialogOnAFreshModel) {
  const std::pair<int, std::string> cases[] = {
      {kConvertPocketGps, "Pocket GPS camera to CSV file " + DataPath("pocketgps_uk_sc.csv")},
      {kConvertGarmin, "Garmin to CSV file " + DataPath("Speed_Cam_Uk.csv")},
      {kConvertMultiPocketGps, "multi " + DataPath("ROVEXCamera.txt")},
      {kConvertGpxRoute, "Convert GPX Route to Route CSV file"},
      {kConvertGpxTrack, "Convert GPX track file to this programs route format"},
      {kConvertNmeaToGpx, "nmea 200 25"},
      {kConvertJosm, "josm "},
      {kConvertAddNewLines, "lines "},
      {kConvertSrtm, "hgt 3620"},
      {kConvertOsmSpeedcams, "speedcams "},
  };
  testing::SystemFixture f;
  RovexSystem& system = f.Start();
  for (const auto& [id, expected] : cases) {
    // Twice: the second opening shows the starting values again, not what the first left.
    for (int round = 0; round < 2; ++round) {
      std::string seen;
      f.host.dialogs.clear();
      f.host.onOther = [&seen](const DialogRequest& r) {
        seen = DescribeAndChange(r);
        return false;
      };
      const int invalidates = f.host.invalidates;
      ASSERT_TRUE(system.RunCommand(id)) << id;
      EXPECT_EQ(f.host.dialogs.size(), 1u) << id;
      if (id == kConvertSrtm || id == kConvertOsmSpeedcams) {
        EXPECT_EQ(f.host.invalidates, invalidates + 1) << id;
      }
      EXPECT_EQ(seen, expected) << id << " round " << round;
    }
  }
}

}  // namespace
}  // namespace rovex
