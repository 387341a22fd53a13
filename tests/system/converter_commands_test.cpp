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
#include "system/command_table.h"
#include "system_fixture.h"

namespace rovex {
namespace {

using namespace converters;

// The dialog model's title, or for models without one what tells them apart.
template <class Model>
std::function<std::string(const DialogRequest&)> Describe(std::function<std::string(Model&)> describe) {
  return [describe](const DialogRequest& r) {
    Model* m = r.Get<Model>();
    return m ? describe(*m) : std::string("(another model)");
  };
}

TEST(ConvertMenu, EachCommandOpensItsDialogOnAFreshModel) {
  struct Case {
    int id;
    const char* menuText;
    std::type_index model;
    std::function<std::string(const DialogRequest&)> describe;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {cmd::kConvertPocketGps, "Pocket GPS camera to CSV file", typeid(CameraConvertDialog),
       Describe<CameraConvertDialog>([](auto& m) { return std::string(m.Title()) + " " + m.source; }),
       "Pocket GPS camera to CSV file " + DataPath("pocketgps_uk_sc.csv")},
      {cmd::kConvertGarmin, "Garmin to CSV file", typeid(CameraConvertDialog),
       Describe<CameraConvertDialog>([](auto& m) { return std::string(m.Title()) + " " + m.source; }),
       "Garmin to CSV file " + DataPath("Speed_Cam_Uk.csv")},
      {cmd::kConvertMultiPocketGps, "Convert multi PocketGPS file(s) to CSV file", typeid(MultiCameraConvertDialog),
       Describe<MultiCameraConvertDialog>([](auto& m) { return m.destination; }), DataPath("ROVEXCamera.txt")},
      {cmd::kConvertGpxRoute, "GPX Route to Route CSV file", typeid(GpxConvertDialog),
       Describe<GpxConvertDialog>([](auto& m) { return std::string(m.Title()); }),
       "Convert GPX Route to Route CSV file"},
      {cmd::kConvertGpxTrack, "GPX Track to Route CSV file", typeid(GpxConvertDialog),
       Describe<GpxConvertDialog>([](auto& m) { return std::string(m.Title()); }),
       "Convert GPX track file to this programs route format"},
      {cmd::kConvertNmeaToGpx, "NMEA log to GPX track or route file", typeid(NmeaToGpxDialog),
       Describe<NmeaToGpxDialog>([](auto& m) { return m.distanceText + " " + m.courseText; }), "200 25"},
      {cmd::kConvertJosm, "JOSM GPX to map project", typeid(ConvertJosmDialog),
       Describe<ConvertJosmDialog>([](auto& m) { return m.source + m.destination; }), ""},
      {cmd::kConvertAddNewLines, "Add new line pairs to a text file", typeid(AddNewLineDialog),
       Describe<AddNewLineDialog>([](auto& m) { return m.source + m.destination; }), ""},
  };
  testing::SystemFixture f;
  RovexSystem& system = f.Start();
  for (const Case& c : cases) {
    const MenuCommand* item = FindMenuCommand(c.id);
    ASSERT_NE(item, nullptr) << c.menuText;
    EXPECT_EQ(item->text, c.menuText);
    EXPECT_TRUE(system.HasCommand(c.id)) << c.menuText;

    // Twice: the second opening shows the starting values again, not what the first left.
    for (int round = 0; round < 2; ++round) {
      std::string seen;
      f.host.dialogs.clear();
      f.host.onOther = [&](const DialogRequest& r) {
        seen = c.describe(r);
        if (auto* m = r.Get<CameraConvertDialog>()) m->source = "changed";
        if (auto* m = r.Get<NmeaToGpxDialog>()) m->distanceText = "changed";
        if (auto* m = r.Get<ConvertJosmDialog>()) m->source = "changed";
        return false;
      };
      EXPECT_TRUE(system.RunCommand(c.id));
      ASSERT_EQ(f.host.dialogs.size(), 1u) << c.menuText;
      EXPECT_EQ(f.host.dialogs[0], c.model) << c.menuText;
      EXPECT_EQ(seen, c.expected) << c.menuText << " round " << round;
    }
  }
  EXPECT_TRUE(f.prompt.shown.empty());
}

}  // namespace
}  // namespace rovex
