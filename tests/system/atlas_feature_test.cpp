#include "system/atlas_feature.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/fake_atlas_images.h"
#include "support/temp_dir.h"
#include "system/accelerator_table.h"
#include "system/command_ids.h"
#include "system/system_fixture.h"

namespace rovex {
namespace {

using testing::DrawCall;

struct AtlasFixture : testing::SystemFixture {
  testing::TempDir dir;
  testing::FakeAtlasImages images;
  AtlasFixture() {
    testing::MakeFakeLayer(dir, "Map 11", 10, 7);
    RegistrySettings settings(store, nullptr);
    settings.WriteTextSetting("AtlasFolder", dir.Path());
    settings.WriteNumberSetting("AtlasZoom", 11);
  }
  RovexSystem& StartWithImages() {
    Services services;
    services.store = &store;
    services.prompt = &prompt;
    services.canvas = &images;
    services.images = &images;
    services.poster = &poster;
    services.serialPorts = &ports;
    services.clock = &clock;
    system = std::make_unique<RovexSystem>(services, host);
    host.onRepaint = [this] { system->DrawingPass(canvas); };
    return *system;
  }
  atlas::CTrekbuddy& Viewer() { return system->Get<AtlasFeature>().Viewer(); }
};

TEST(AtlasFeature, DrawsBeforeAnySentenceAndTakesItsKeysOnlyInMode7) {
  AtlasFixture f;
  RovexSystem& system = f.StartWithImages();
  EXPECT_FALSE(system.OnKeyDown(vk::kRight)) << "the arrows are the atlas's only in its mode";
  system.RunCommand(cmd::kViewTrekbuddy);
  EXPECT_EQ(f.host.titles.back(), "ROVEX Trekbuddy View");
  // Nothing was received, yet the tiles are drawn (through an off-screen surface).
  EXPECT_EQ(f.canvas.Of(DrawCall::Op::Image).size(), 4u * 3u);  // 800 x 600: 4 columns (c*256 <= 800), 3 rows
  EXPECT_TRUE(system.OnKeyDown(vk::kRight));
  EXPECT_TRUE(system.OnKeyDown(vk::kDown));
  EXPECT_EQ(f.Viewer().firstColumn, 1);
  EXPECT_EQ(f.Viewer().firstRow, 1);
  EXPECT_FALSE(system.OnKeyDown(vk::kEscape)) << "Esc also reaches the accelerator (replay stop)";
  ASSERT_TRUE(system.RunCommand(cmd::kAtlasEnd));
  EXPECT_EQ(f.Viewer().firstColumn, 7);
  EXPECT_EQ(f.Viewer().firstRow, 4);
  // The wheel changes the layer; there is no layer 12 here: the four-line message.
  f.canvas.Clear();
  EXPECT_TRUE(system.OnMouse(MouseEvent{MouseAction::Wheel, 10, 100, 120}));
  EXPECT_EQ(f.Viewer().zoom, 12);
  EXPECT_EQ(f.canvas.TextsEqual("Unable to find a tile folder for this zoom level.").size(), 1u);
  // Toolbar: the overview button, then a click on the picture's place, then the camera view resets it.
  system.OnMouse(MouseEvent{MouseAction::LeftDown, 240, 10, 0});
  EXPECT_TRUE(f.Viewer().overview);
  system.RunCommand(cmd::kViewCameraMap);
  EXPECT_FALSE(f.Viewer().overview);
  EXPECT_FALSE(system.OnMouse(MouseEvent{MouseAction::LeftDown, 240, 10, 0}));
}

TEST(AtlasFeature, UnreadableFirstTileIsNamedOnceAndTheViewGoesOn) {
  AtlasFixture f;
  std::ofstream(f.dir.File("Map 11/set/t_0_0.png")) << "not a picture";
  RovexSystem& system = f.StartWithImages();
  system.RunCommand(cmd::kViewTrekbuddy);
  ASSERT_EQ(f.prompt.Texts().size(), 1u);
  EXPECT_EQ(f.prompt.Texts()[0].rfind("Unable to find a image with the name t_0_0.png\nin the set folder", 0), 0u);
  EXPECT_EQ(f.Viewer().tileWidth, 256);
  EXPECT_EQ(f.Viewer().Columns(), 10);
  system.RunCommand(cmd::kViewTrekbuddy);  // entered again: the same tile is not named again
  system.RunCommand(cmd::kViewTrekbuddy);
  EXPECT_EQ(f.prompt.Texts().size(), 1u) << "said once";
  EXPECT_TRUE(system.OnKeyDown(vk::F(3)));  // F3 zooms the atlas out in its mode
  EXPECT_EQ(f.Viewer().zoom, 10);
}

TEST(AtlasFeature, MenuItemsHaveHandlers) {
  AtlasFixture f;
  RovexSystem& system = f.StartWithImages();
  for (int id : {cmd::kAtlasFolder, cmd::kAtlasZoomLevel, cmd::kAtlasMakePan, cmd::kPrintAtlas, cmd::kPrintShortcutList,
                 cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kFilePrintSetup}) {
    EXPECT_TRUE(system.HasCommand(id)) << id;
  }
  // The grid entries change nothing and stay out of the menu.
  EXPECT_FALSE(system.HasCommand(cmd::kGrid1km));
  EXPECT_FALSE(system.HasCommand(cmd::kGridBlack));
}

}  // namespace
}  // namespace rovex
