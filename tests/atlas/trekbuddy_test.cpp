#include "atlas/trekbuddy.h"

#include <gtest/gtest.h>

#include "platform/memory_settings_store.h"
#include "settings/registry_settings.h"
#include "support/fake_atlas_images.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"

namespace rovex::atlas {
namespace {

using testing::MakeFakeLayer;

// North-west corner 51.5 N 1.0 W, south-east 51.4 N 0.8 W.
const char* kMap =
    "Point01,xy,0,0,in, deg, 51, 30.0,N, 1, 0.0,W\n"
    "Point02,xy,0,0,in, deg, 51, 30.0,N, 0, 48.0,W\n"
    "Point03,xy,0,0,in, deg, 51, 24.0,N, 0, 48.0,W\n"
    "Point04,xy,0,0,in, deg, 51, 24.0,N, 1, 0.0,W\n";

struct Fixture {
  testing::TempDir dir;
  MemorySettingsStore store;
  testing::FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
  testing::FakeAtlasImages images;
  CTrekbuddy viewer{settings, &images};

  Fixture(int cols, int rows, int zoom = 11) {
    MakeFakeLayer(dir, "Map 11", cols, rows, 256, 256, "t_", ".png", kMap);
    MakeFakeLayer(dir, "Map 12", cols * 2, rows * 2, 256, 256, "t_", ".png", kMap);
    settings.WriteTextSetting("AtlasFolder", dir.Path());
    settings.WriteNumberSetting("AtlasZoom", zoom);
    viewer.LoadLayer();
  }
};

TEST(Trekbuddy, KeysMoveAndLimitThePosition) {
  struct Case {
    const char* legend;
    int startCol, startRow;
    void (*key)(CTrekbuddy&);
    int col, row;
  } cases[] = {
      {"Home: the middle of 10 x 7", 0, 0, [](CTrekbuddy& v) { v.Home(); }, 4, 2},
      {"End: three from the end", 0, 0, [](CTrekbuddy& v) { v.End(); }, 7, 4},
      {"Insert", 5, 5, [](CTrekbuddy& v) { v.Insert(); }, 0, 0},
      {"Page Down by 600 / 256 rows", 1, 1, [](CTrekbuddy& v) { v.PageDown(600); }, 1, 3},
      {"Page Down past the rows: count - 3", 1, 6, [](CTrekbuddy& v) { v.PageDown(600); }, 1, 4},
      {"Page Up above the top: 0", 1, 1, [](CTrekbuddy& v) { v.PageUp(600); }, 1, 0},
      {"left at 0 stays", 0, 3, [](CTrekbuddy& v) { v.Left(); }, 0, 3},
      {"up at 0 stays", 3, 0, [](CTrekbuddy& v) { v.Up(); }, 3, 0},
      {"right is not limited", 10, 0, [](CTrekbuddy& v) { v.Right(); }, 11, 0},
      {"down", 0, 6, [](CTrekbuddy& v) { v.Down(); }, 0, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.legend);
    Fixture f(10, 7);
    ASSERT_EQ(f.viewer.Columns(), 10);
    f.viewer.firstColumn = c.startCol;
    f.viewer.firstRow = c.startRow;
    c.key(f.viewer);
    EXPECT_EQ(f.viewer.firstColumn, c.col);
    EXPECT_EQ(f.viewer.firstRow, c.row);
    EXPECT_TRUE(f.viewer.positionChanged);
  }
}

TEST(Trekbuddy, NoTileFramePullsBackOnlyPastTheCount) {
  Fixture f(10, 7);
  f.viewer.firstColumn = 10;  // equal to the count: kept
  f.viewer.NoTileDrawn();
  EXPECT_EQ(f.viewer.firstColumn, 10);
  f.viewer.Right();
  f.viewer.NoTileDrawn();
  EXPECT_EQ(f.viewer.firstColumn, 7);
}

TEST(Trekbuddy, DragMovesByRoundedTiles) {
  struct Case {
    int downX, downY, upX, upY, col, row;
  } cases[] = {
      {400, 300, 200, 300, 3, 2},  // 200 pixels to the left: one column right
      {400, 300, 300, 300, 2, 2},  // 100 pixels: less than half a tile more than half
      {100, 100, 500, 500, 1, 1},  // (128 - 400) / 256 truncates toward zero: -1
      {0, 0, 2000, 2000, 0, 0},    // raised to 0
  };
  for (const Case& c : cases) {
    Fixture f(10, 7);
    f.viewer.firstColumn = 2;
    f.viewer.firstRow = 2;
    f.viewer.Drag(c.downX, c.downY, c.upX, c.upY);
    EXPECT_EQ(f.viewer.firstColumn, c.col) << c.downX << "->" << c.upX;
    EXPECT_EQ(f.viewer.firstRow, c.row) << c.downY << "->" << c.upY;
  }
}

TEST(Trekbuddy, ZoomKeepsTheRelativePlace) {
  Fixture f(12, 8);
  f.viewer.firstColumn = 6;
  f.viewer.firstRow = 4;
  f.viewer.ZoomStep(true);
  EXPECT_EQ(f.viewer.zoom, 12);
  EXPECT_EQ(f.viewer.Columns(), 24);
  EXPECT_EQ(f.viewer.firstColumn, 12);
  EXPECT_EQ(f.viewer.firstRow, 8);
  EXPECT_EQ(f.settings.ReadNumberSetting("AtlasZoom"), 12u);
  f.viewer.ZoomStep(false);
  EXPECT_EQ(f.viewer.firstColumn, 6);
  EXPECT_FALSE(f.viewer.ZoomTo(5));  // no layer ends in 05
  EXPECT_TRUE(f.viewer.Layer().Empty());
}

TEST(Trekbuddy, TopLeftAndFixPosition) {
  Fixture f(10, 8);
  f.viewer.firstColumn = 5;
  f.viewer.firstRow = 2;
  f.viewer.ComputeTopLeft();
  EXPECT_NEAR(f.viewer.topLatitude, 51.4 + 6.0 / 8 * 0.1, 1e-5);
  EXPECT_NEAR(f.viewer.leftLongitude, -1.0 + 0.5 * 0.2, 1e-5);
  struct Case {
    double lat, lon;
    bool ok;
    double x, y;
  } cases[] = {
      {51.5, -1.0, true, -5 * 256.0, -2 * 256.0 + 33},        // the layer's top-left corner
      {51.45, -0.9, true, 0.0, 4 * 256.0 - 512 + 33},           // the middle of the layer
      {51.4375, -0.875, true, 1.25 * 256, 5 * 256 - 512 + 33},
      {0.0, -0.9, false, 0, 0},                                  // no fix
  };
  for (const Case& c : cases) {
    double x = 0, y = 0;
    ASSERT_EQ(f.viewer.FixToView(c.lat, c.lon, &x, &y), c.ok) << c.lat;
    if (!c.ok) continue;
    EXPECT_NEAR(x, c.x, 0.1) << c.lat << " " << c.lon;
    EXPECT_NEAR(y, c.y, 0.1) << c.lat << " " << c.lon;
  }
}

TEST(Trekbuddy, UnreadableFirstTileFallsBackTo256) {
  Fixture f(3, 2);
  std::ofstream(f.dir.File("Map 11/set/t_0_0.png")) << "not a picture";
  f.viewer.tileWidth = 0;
  f.viewer.LoadLayer();
  EXPECT_EQ(f.viewer.tileWidth, 256);
  EXPECT_EQ(f.viewer.tileHeight, 256);
  EXPECT_EQ(f.viewer.UnreadableFirstTile(), f.dir.File("Map 11/set/t_0_0.png"));
  EXPECT_EQ(f.viewer.Columns(), 3);
  f.viewer.PageDown(600);  // divides by the tile width: 600 / 256 rows
  EXPECT_EQ(f.viewer.firstRow, 2);
}

TEST(Trekbuddy, OverviewClickPicksTheTileUnderIt) {
  Fixture f(10, 8);
  f.viewer.overview = true;
  f.viewer.overviewWidth = 800;  // 10 x 80
  f.viewer.overviewHeight = 640;
  f.viewer.drawnWidth = 400;  // drawn at half size
  f.viewer.drawnHeight = 320;
  f.viewer.OverviewClick(200, 32 + 100);
  EXPECT_EQ(f.viewer.firstColumn, 5);
  EXPECT_EQ(f.viewer.firstRow, 2);
  EXPECT_FALSE(f.viewer.overview);
  f.viewer.OverviewClick(500, 32 + 500);  // right of and below the picture: the full size
  EXPECT_EQ(f.viewer.firstColumn, 10);
  EXPECT_EQ(f.viewer.firstRow, 8);
}

TEST(Trekbuddy, ToolbarBoundsAreExclusive) {
  const std::pair<int, ToolbarHit> cases[] = {
      {1, ToolbarHit::None},       {2, ToolbarHit::ZoomDialog}, {77, ToolbarHit::ZoomDialog}, {78, ToolbarHit::None},
      {127, ToolbarHit::ZoomIn},   {158, ToolbarHit::None},     {160, ToolbarHit::ZoomOut},   {219, ToolbarHit::Overview},
      {279, ToolbarHit::Left},     {310, ToolbarHit::None},     {311, ToolbarHit::Up},        {343, ToolbarHit::Down},
      {375, ToolbarHit::Right},    {406, ToolbarHit::None}};
  for (auto [x, hit] : cases) EXPECT_EQ(HitToolbar(x), hit) << x;
}

}  // namespace
}  // namespace rovex::atlas
