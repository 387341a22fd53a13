#include "views/atlas_view.h"

#include <gtest/gtest.h>

#include "atlas/tile_cache.h"
#include "atlas/trekbuddy.h"
#include "platform/memory_settings_store.h"
#include "settings/registry_settings.h"
#include "support/fake_atlas_images.h"
#include "support/fake_prompt.h"
#include "support/recording_canvas.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::DrawCall;
using testing::RecordingCanvas;

const char* kMap =
    "Point01,xy,0,0,in, deg, 51, 30.0,N, 1, 0.0,W\nPoint02,xy,0,0,in, deg, 51, 30.0,N, 0, 48.0,W\n"
    "Point03,xy,0,0,in, deg, 51, 24.0,N, 0, 48.0,W\nPoint04,xy,0,0,in, deg, 51, 24.0,N, 1, 0.0,W\n";

struct AtlasViewFixture {
  testing::TempDir dir;
  MemorySettingsStore store;
  testing::FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
  testing::FakeAtlasImages images;
  atlas::CTrekbuddy viewer{settings, &images};
  atlas::TileCache tiles{64};
  GpsFix fix;

  AtlasViewFixture() {
    testing::MakeFakeLayer(dir, "Demo 11", 10, 8, 256, 256, "t_", ".png", kMap);
    std::remove(dir.File("Demo 11/set/t_256_256.png").c_str());
    settings.WriteTextSetting("AtlasFolder", dir.Path());
    settings.WriteNumberSetting("AtlasZoom", 11);
    viewer.LoadLayer();
  }
  int Draw(RecordingCanvas& canvas) {
    atlas_view::AtlasViewData d;
    d.viewer = &viewer;
    d.tiles = &tiles;
    d.images = &images;
    d.fix = &fix;
    return atlas_view::DrawAtlasView(canvas, d);
  }
};

std::vector<std::string> Images(const RecordingCanvas& canvas, const std::string& folder) {
  std::vector<std::string> out;
  for (const DrawCall* c : canvas.Of(DrawCall::Op::Image)) {
    out.push_back(testing::FakeCanvasFactory::NameOf(c->image).substr(folder.size() + 5) + "@" +
                  std::to_string(c->args[0]) + "," + std::to_string(c->args[1]));
  }
  return out;
}

TEST(AtlasView, DrawsTheBlockOfTilesBelowTheToolbar) {
  AtlasViewFixture f;
  RecordingCanvas canvas(600, 400);
  f.viewer.firstColumn = 0;
  f.viewer.firstRow = 0;
  // Columns while c * 256 <= 600 (0, 1, 2), rows while r * 256 + 33 <= 400 (0, 1); one tile missing.
  EXPECT_EQ(f.Draw(canvas), 5);
  const std::vector<std::string> expected = {"t_0_0.png@0,33",     "t_0_256.png@0,289", "t_256_0.png@256,33",
                                             "t_512_0.png@512,33", "t_512_256.png@512,289"};
  EXPECT_EQ(Images(canvas, f.dir.File("Demo 11")), expected);
  ASSERT_NE(canvas.TextStartingWith("Tile  X 0, Y 0, "), nullptr);
  EXPECT_EQ(canvas.TextsEqual("11").size(), 1u);

  // A second frame of the same place decodes nothing again.
  const int decodes = f.images.decodes;
  RecordingCanvas again(600, 400);
  f.Draw(again);
  EXPECT_EQ(f.images.decodes, decodes);
}

TEST(AtlasView, DrawsTheCarWhereTheFixLies) {
  AtlasViewFixture f;
  f.fix.latitude = 51.45;  // the middle of the layer: x 1280, y 1024
  f.fix.longitude = -0.9;
  f.viewer.firstColumn = 4;
  f.viewer.firstRow = 3;
  RecordingCanvas canvas(800, 600);
  f.Draw(canvas);
  const auto car = canvas.Of(DrawCall::Op::Ellipse);
  ASSERT_EQ(car.size(), 1u);
  EXPECT_EQ(car[0]->args, (std::vector<int>{256 - 8, 256 + 33 - 8, 256 + 9, 256 + 33 + 9}));
  f.viewer.firstColumn = 6;  // the car is now left of the view
  RecordingCanvas away(800, 600);
  f.Draw(away);
  EXPECT_TRUE(away.Of(DrawCall::Op::Ellipse).empty());
}

TEST(AtlasView, MessagesWithoutLayerTilesOrOverview) {
  {
    AtlasViewFixture f;
    f.settings.WriteNumberSetting("AtlasZoom", 5);
    f.viewer.LoadLayer();
    RecordingCanvas canvas;
    EXPECT_EQ(f.Draw(canvas), 0);
    ASSERT_EQ(canvas.TextsEqual("Unable to find a tile folder for this zoom level.").size(), 1u);
    EXPECT_EQ(canvas.TextsEqual("Unable to find a tile folder for this zoom level.")[0]->args,
              (std::vector<int>{5, 100}));
    EXPECT_EQ(canvas.TextsEqual("a subfolder for the current zoom level. ")[0]->args, (std::vector<int>{5, 250}));
  }
  {
    AtlasViewFixture f;
    f.viewer.firstColumn = 11;  // past the 10 columns
    RecordingCanvas canvas;
    EXPECT_EQ(f.Draw(canvas), 0);
    EXPECT_EQ(canvas.TextsEqual("Note: the x and y pan values will now be reset.")[0]->args,
              (std::vector<int>{5, 400}));
    EXPECT_EQ(f.viewer.firstColumn, 7);
    EXPECT_TRUE(f.viewer.positionChanged);
  }
  {
    AtlasViewFixture f;
    f.viewer.overview = true;
    RecordingCanvas canvas;
    f.Draw(canvas);
    EXPECT_EQ(canvas.TextsEqual("There is no pan.jpg file for this zoom level.").size(), 1u);
  }
}

TEST(AtlasView, OverviewFitsThePictureWithItsProportions) {
  struct Case {
    int canvasW, canvasH, panW, panH, drawnW, drawnH;
  } cases[] = {{800, 633, 800, 640, 750, 600},   // client relatively wider: full height
               {800, 633, 1600, 320, 800, 160}};  // picture wider: full width
  for (const Case& c : cases) {
    AtlasViewFixture f;
    std::ofstream(f.dir.File("Demo 11/pan.jpg")) << c.panW << " " << c.panH << " 24";
    f.viewer.overview = true;
    RecordingCanvas canvas(c.canvasW, c.canvasH);
    f.Draw(canvas);
    const auto pan = canvas.Of(DrawCall::Op::ImageScaled);
    ASSERT_EQ(pan.size(), 1u);
    EXPECT_EQ(pan[0]->args, (std::vector<int>{0, 33, c.drawnW, c.drawnH}));
    EXPECT_EQ(f.viewer.overviewWidth, c.panW);
    EXPECT_NE(canvas.TextStartingWith("Reposition the map by clicking"), nullptr);
  }
}

}  // namespace
}  // namespace rovex
