#include "atlas/atlas_layer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/fake_atlas_images.h"
#include "support/temp_dir.h"

namespace rovex::atlas {
namespace {

using testing::MakeFakeLayer;
using testing::TempDir;

TEST(AtlasLayer, SplitsTileNames) {
  struct Case {
    const char* name;
    bool ok;
    const char* prefix;
    long x, y;
    const char* ext;
  } cases[] = {
      {"t_256_0.jpg", true, "t_", 256, 0, ".jpg"},   {"map_0_0.png", true, "map_", 0, 0, ".png"},
      {"Reading_11_512_768.png", true, "Reading_11_", 512, 768, ".png"},
      {"0_0.jpg", true, "", 0, 0, ".jpg"},           {"t_0_.jpg", false, "", 0, 0, ""},
      {"t_0_0", false, "", 0, 0, ""},                {"pan.jpg", false, "", 0, 0, ""},
      {"t_99999999999_0.jpg", false, "", 0, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto t = SplitTileName(c.name);
    ASSERT_EQ(t.has_value(), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(t->prefix, c.prefix);
    EXPECT_EQ(t->x, c.x);
    EXPECT_EQ(t->y, c.y);
    EXPECT_EQ(t->extension, c.ext);
  }
}

TEST(AtlasLayer, FindsTheFirstLayerFolderEndingInTheZoom) {
  TempDir dir;
  for (const char* name : {"Map 12", "Map 11", "Another 11", "Map 05x"}) mkdir(dir.File(name).c_str(), 0755);
  EXPECT_EQ(FindLayerFolder(dir.Path(), 11), dir.File("Another 11"));  // sorted: "Another" before "Map"
  EXPECT_EQ(FindLayerFolder(dir.Path(), 12), dir.File("Map 12"));
  EXPECT_EQ(FindLayerFolder(dir.Path(), 5), "");  // "Map 05x" does not end in 05
  EXPECT_EQ(FindLayerFolder(dir.Path() + "/missing", 11), "");
  EXPECT_EQ(FindLayerFolder("", 11), "");
}

TEST(AtlasLayer, CountsTilesWithTenProbes) {
  struct Case {
    int cols, rows, expectCols, expectRows;
  } cases[] = {{10, 7, 10, 7}, {3, 2, 3, 2}, {1, 1, 1, 1}, {513, 1, 512, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.cols) + "x" + std::to_string(c.rows));
    TempDir dir;
    // Columns along row 0 and rows along column 0 are what the search probes.
    const std::string folder = MakeFakeLayer(dir, "L 01", c.cols, 1, 64, 32);
    MakeFakeLayer(dir, "L 01", 1, c.rows, 64, 32);
    AtlasLayer layer(folder);
    EXPECT_EQ(layer.CountColumns(64), c.expectCols);
    EXPECT_EQ(layer.CountRows(32), c.expectRows);
  }
  EXPECT_EQ(AtlasLayer().CountColumns(256), 0);
}

TEST(AtlasLayer, IndexesTilesMapAndFirstTileInSortedOrder) {
  TempDir dir;
  const std::string folder = MakeFakeLayer(dir, "L 03", 2, 1, 256, 256, "b_", ".png", "Point01,xy\n");
  MakeFakeLayer(dir, "L 03", 2, 1, 256, 256, "a_", ".jpg");
  std::ofstream(folder + "/z.map") << "";
  std::ofstream(folder + "/set/t_10_0.png") << "";  // ends in "0_0." as well, sorts after a_0_0
  AtlasLayer layer(folder);
  ASSERT_TRUE(layer.FirstTile());
  EXPECT_EQ(layer.FirstTile()->file, "a_0_0.jpg");
  EXPECT_EQ(layer.MapFile(), folder + "/layer.map");
  EXPECT_EQ(layer.TilePath(256, 0), folder + "/set/a_256_0.jpg");
  EXPECT_EQ(layer.TilePath(512, 0), "");
  EXPECT_TRUE(layer.Exists("b_", 256, 0, ".png"));
  EXPECT_FALSE(layer.Exists("b_", 256, 0, ".jpg"));
  EXPECT_EQ(layer.PanPath(), folder + "/pan.jpg");
}

}  // namespace
}  // namespace rovex::atlas
