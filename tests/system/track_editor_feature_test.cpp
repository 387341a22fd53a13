#include <string>

#include <gtest/gtest.h>

#include "gps/gps_input.h"
#include "support/nmea_checksum.h"
#include "support/temp_dir.h"
#include "system/accelerator_table.h"
#include "system/command_ids.h"
#include "system/track_editor_feature.h"
#include "system_fixture.h"
#include "trackeditor/screen_refresh_model.h"
#include "trackeditor/track_select_model.h"

namespace rovex {
namespace {

struct EditorFixture : testing::SystemFixture {
  testing::TempDir dir;
  EditorFixture() {
    dir.Write("log.txt", "$GPGGA,1,5123.0000,N,00120.0000,W,1\n$GPGGA,2,5123.3000,N,00120.3000,W,1\n"
                         "$GPGGA,3,5123.6000,N,00120.6000,W,1\n");
    dir.Write("map.txt", ";ROVEX Track Editor\nMapDesc:Drive\nzoom:10\nTrkPath:" + dir.File("log.txt") + "\n");
  }
  TrackEditorFeature& Editor() { return system->Get<TrackEditorFeature>(); }
  void Draw(const char* body) {
    system->Gps().HandOff().mailbox.Overwrite(testing::WithChecksum(body));
    system->DrawingPass(canvas);
  }
};

TEST(TrackEditorFeature, EveryWorkingTracksCommandHasAHandler) {
  EditorFixture f;
  RovexSystem& system = f.Start();
  using namespace cmd;
  for (int id : {kTracksNew, kTracksOpen, kTracksSave, kTracksSaveAs, kTracksClose, kTracksDescription,
                 kTracksAddRemove, kTracksVisible, kTracksEdit, kTracksSaveEdited, kTracksCloseEdited,
                 kTracksShowLocation, kTracksShowRoadNames, kTracksShowRoadRef, kTracksLoadJosm, kTracksLoadOsm, kTracksShowIcons,
                 kTracksShowNodeNames, kTracksLoadSrtm, kTracksUnloadSrtm}) {
    EXPECT_TRUE(system.HasCommand(id)) << id;
  }
  EXPECT_EQ(system.IsChecked(kTracksShowLocation), false);
  system.RunCommand(kTracksShowLocation);
  EXPECT_EQ(system.IsChecked(kTracksShowLocation), true);
  system.RunCommand(kTracksSave);
  EXPECT_EQ(f.prompt.Texts().back(),
            "No file.\n\nYou must open or create a track editor map file before you can save it.");
}

TEST(TrackEditorFeature, SentencesRedrawOnlyTheOverlay) {
  EditorFixture f;
  RovexSystem& system = f.Start();
  ASSERT_TRUE(f.Editor().Session().OpenFile(f.dir.File("map.txt"), true));
  system.SwitchToMode(kTrackEditorMode);
  system.RunCommand(cmd::kTracksShowLocation);
  // The first frames bring the car into view, which moves the extent once.
  for (int i = 0; i < 2; ++i) f.Draw("GPGGA,120000.00,5123.3000,N,00120.3000,W,1,09,0.9,94.9,M,47.0,M,,");
  const int layers = f.Editor().Painter().LayerDraws();
  for (int i = 0; i < 10; ++i) f.Draw("GPGGA,120000.00,5123.3000,N,00120.3000,W,1,09,0.9,94.9,M,47.0,M,,");
  EXPECT_EQ(f.Editor().Painter().LayerDraws(), layers) << "ten sentences, no track drawn again";
  EXPECT_TRUE(f.canvas.TextStartingWith("Tracks map desc. Drive"));

  // The zoom keys work in this mode only, and draw the layer at the new scale.
  const double scale = f.Editor().Session().View().scale;
  EXPECT_TRUE(system.OnKeyDown(vk::kAdd));
  EXPECT_DOUBLE_EQ(f.Editor().Session().View().scale, scale * 1.4);
  EXPECT_TRUE(system.OnMouse(MouseEvent{MouseAction::Wheel, 400, 300, 120, 800, 600}));
  EXPECT_DOUBLE_EQ(f.Editor().Session().View().scale, scale * 1.4 * 0.6);
  f.Draw("GPGGA,120001.00,5123.3000,N,00120.3000,W,1,09,0.9,94.9,M,47.0,M,,");
  EXPECT_EQ(f.Editor().Painter().LayerDraws(), layers + 1);

  system.SwitchToMode(kCameraMode);
  EXPECT_FALSE(system.OnKeyDown(vk::kAdd));
  EXPECT_FALSE(system.OnMouse(MouseEvent{MouseAction::Wheel, 400, 300, 120, 800, 600}));
}

TEST(TrackEditorFeature, EditTrackAndMoveTheMarkersWithTheMouse) {
  EditorFixture f;
  RovexSystem& system = f.Start();
  ASSERT_TRUE(f.Editor().Session().OpenFile(f.dir.File("map.txt"), false));
  f.host.onOther = [](const DialogRequest& r) {
    auto* m = r.Get<trackeditor::TrackSelectModel>();
    if (!m) return false;
    m->Choose(0);
    return true;
  };
  system.RunCommand(cmd::kTracksEdit);
  ASSERT_TRUE(f.Editor().Session().Edited());
  system.SwitchToMode(kTrackEditorMode);
  const auto& view = f.Editor().Session().View();
  EXPECT_EQ(view.endIndex, 2);
  system.OnMouse(MouseEvent{MouseAction::LeftDown, 430, 120, 0, 800, 600});  // end "<"
  EXPECT_EQ(view.endIndex, 1);
  EXPECT_NEAR(view.endMarker.latitude, 51 + 23.0 / 60, 1e-12) << "index 1 is the first point";
  system.OnMouse(MouseEvent{MouseAction::LeftDown, 380, 120, 0, 800, 600});
  EXPECT_EQ(f.prompt.Texts().back(), "Top button bar x 380, y 120");
}

TEST(TrackEditorFeature, FastInputSkipsFramesWhileTheCarIsShown) {
  EditorFixture f;
  RovexSystem& system = f.Start();
  f.host.onOther = [](const DialogRequest& r) {
    auto* m = r.Get<trackeditor::ScreenRefreshModel>();
    if (!m) return false;
    EXPECT_EQ(m->text, "4800") << "the port's speed";
    m->text = "19200";
    return true;
  };
  system.RunCommand(cmd::kTracksRefreshRate);
  system.SwitchToMode(kTrackEditorMode);
  auto frames = [&](int sentences) {
    int drawn = 0;
    for (int i = 0; i < sentences; ++i) {
      f.canvas.Clear();
      f.Draw("GPGGA,120000.00,5123.3000,N,00120.3000,W,1,09,0.9,94.9,M,47.0,M,,");
      drawn += f.canvas.TextStartingWith("Lat. ") != nullptr;
    }
    return drawn;
  };
  EXPECT_EQ(frames(9), 9) << "every sentence draws while the car is not shown";
  system.RunCommand(cmd::kTracksShowLocation);
  EXPECT_EQ(frames(9), 3) << "19200 / 9600: two paints skipped after each frame";
}

}  // namespace
}  // namespace rovex
