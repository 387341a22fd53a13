#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <typeindex>

#include "converters/add_new_line_dialog.h"
#include "converters/camera_convert_dialog.h"
#include "converters/gpx_convert_dialog.h"
#include "converters/josm_dialog.h"
#include "converters/multi_camera_convert_dialog.h"
#include "converters/nmea_gpx_dialog.h"
#include "platform/data_root.h"
#include "system/command_ids.h"
#include "system_fixture.h"

namespace rovex {
namespace {

using namespace converters;

// What tells the opened model apart: its title, or a starting value.
std::string Describe(const DialogRequest& r) {
  if (auto* m = r.Get<CameraConvertDialog>()) return std::string(m->Title()) + " " + m->source;
  if (auto* m = r.Get<MultiCameraConvertDialog>()) return "multi " + m->destination;
  if (auto* m = r.Get<GpxConvertDialog>()) return m->Title();
  if (auto* m = r.Get<NmeaToGpxDialog>()) return "nmea " + m->distanceText + " " + m->courseText;
  if (auto* m = r.Get<ConvertJosmDialog>()) return "josm " + m->source;
  if (auto* m = r.Get<AddNewLineDialog>()) return "lines " + m->source;
  return "(another model)";
}

// Each user leaves the dialog with something changed.
void Change(const DialogRequest& r) {
  if (auto* m = r.Get<CameraConvertDialog>()) m->source = "changed";
  if (auto* m = r.Get<MultiCameraConvertDialog>()) m->destination = "changed";
  if (auto* m = r.Get<NmeaToGpxDialog>()) m->distanceText = "changed";
  if (auto* m = r.Get<ConvertJosmDialog>()) m->source = "changed";
  if (auto* m = r.Get<AddNewLineDialog>()) m->source = "changed";
}

TEST(ConvertMenu, EachCommandOpensItsDialogOnAFreshModel) {
  const std::pair<int, std::string> cases[] = {
      {cmd::kConvertPocketGps, "Pocket GPS camera to CSV file " + DataPath("pocketgps_uk_sc.csv")},
      {cmd::kConvertGarmin, "Garmin to CSV file " + DataPath("Speed_Cam_Uk.csv")},
      {cmd::kConvertMultiPocketGps, "multi " + DataPath("ROVEXCamera.txt")},
      {cmd::kConvertGpxRoute, "Convert GPX Route to Route CSV file"},
      {cmd::kConvertGpxTrack, "Convert GPX track file to this programs route format"},
      {cmd::kConvertNmeaToGpx, "nmea 200 25"},
      {cmd::kConvertJosm, "josm "},
      {cmd::kConvertAddNewLines, "lines "},
  };
  testing::SystemFixture f;
  RovexSystem& system = f.Start();
  for (const auto& [id, expected] : cases) {
    // Twice: the second opening shows the starting values again, not what the first left.
    for (int round = 0; round < 2; ++round) {
      std::string seen;
      f.host.dialogs.clear();
      f.host.onOther = [&seen](const DialogRequest& r) {
        seen = Describe(r);
        Change(r);
        return false;
      };
      ASSERT_TRUE(system.RunCommand(id)) << id;
      EXPECT_EQ(f.host.dialogs.size(), 1u) << id;
      EXPECT_EQ(seen, expected) << id << " round " << round;
    }
  }
  EXPECT_TRUE(f.prompt.shown.empty());
}

}  // namespace
}  // namespace rovex
