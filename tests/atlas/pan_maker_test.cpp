#include "atlas/pan_maker.h"

#include <gtest/gtest.h>

#include "support/fake_atlas_images.h"
#include "support/temp_dir.h"

namespace rovex::atlas {
namespace {

using testing::DrawCall;
using testing::FakeAtlasImages;
using testing::MakeFakeLayer;
using testing::TempDir;

std::vector<const DrawCall*> Squares(const std::vector<DrawCall>& calls) {
  std::vector<const DrawCall*> out;
  for (const DrawCall& c : calls) {
    if (c.op == DrawCall::Op::ImageScaled) out.push_back(&c);
  }
  return out;
}

TEST(PanMaker, ThreeByTwoLayerGivesA240By160PictureOfItsTiles) {
  TempDir dir;
  const std::string folder = MakeFakeLayer(dir, "L 11", 3, 2, 256, 256, "map_", ".png");
  std::remove((folder + "/set/map_256_256.png").c_str());  // a missing tile
  std::ofstream(folder + "/set/map_512_0.png") << "broken";    // an unreadable tile
  FakeAtlasImages images;
  std::vector<int> progress;
  const PanResult r = MakePanFile(AtlasLayer(folder), images, images, [&](int c, int) {
    progress.push_back(c);
    return true;
  });
  ASSERT_EQ(r.outcome, PanOutcome::Made) << r.message;
  EXPECT_EQ(r.width, 240);
  EXPECT_EQ(r.height, 160);
  ASSERT_EQ(images.saved.size(), 1u);
  EXPECT_EQ(images.saved[0].path, folder + "/pan.jpg.part");
  EXPECT_TRUE(std::ifstream(folder + "/pan.jpg").good());  // renamed into place
  // The picture is cleared white first, then each readable tile fills its square.
  ASSERT_FALSE(images.lastSaved.empty());
  EXPECT_EQ(images.lastSaved[0].op, DrawCall::Op::FillRect);
  EXPECT_EQ(images.lastSaved[0].args, (std::vector<int>{0, 0, 240, 160}));
  std::vector<std::vector<int>> squares;
  for (const DrawCall* c : Squares(images.lastSaved)) squares.push_back(c->args);
  const std::vector<std::vector<int>> expected = {{0, 0, 80, 80}, {0, 80, 80, 80}, {80, 0, 80, 80}, {160, 80, 80, 80}};
  EXPECT_EQ(squares, expected);
  EXPECT_EQ(r.squaresFilled, 4);
  // Columns 0 to 3 (one past the layer) and the end.
  EXPECT_EQ(progress, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(PanMaker, FillsAtMost400ColumnsWhateverThePictureSize) {
  TempDir dir;
  const std::string folder = MakeFakeLayer(dir, "L 02", 450, 1, 4, 4);
  FakeAtlasImages images;
  const PanResult r = MakePanFile(AtlasLayer(folder), images, images);
  ASSERT_EQ(r.outcome, PanOutcome::Made) << r.message;
  EXPECT_EQ(r.width, 450 * 80);
  EXPECT_EQ(r.squaresFilled, 400);
  int rightmost = 0;
  for (const DrawCall* c : Squares(images.lastSaved)) rightmost = std::max(rightmost, c->args[0]);
  EXPECT_EQ(rightmost, 399 * 80);
}

TEST(PanMaker, RefusesWithAMessage) {
  struct Case {
    const char* legend;
    int cols, rows;
    const char* tile;
    bool cancel;
    PanOutcome outcome;
    const char* messageStart;
  } cases[] = {
      {"too large: checked before any picture is made", 200, 101, nullptr, false, PanOutcome::TooLarge,
       "The pan picture of this layer would be 16000 by 8080 pixels"},
      {"no first tile", 0, 0, nullptr, false, PanOutcome::NoTiles, "No tile named"},
      {"cancelled", 2, 2, nullptr, true, PanOutcome::Cancelled, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.legend);
    TempDir dir;
    std::string folder = MakeFakeLayer(dir, "L 01", 1, c.rows, 4, 4);
    MakeFakeLayer(dir, "L 01", c.cols, 1, 4, 4);
    if (c.cols == 0) std::remove((folder + "/set/t_0_0.png").c_str());
    FakeAtlasImages images;
    const PanResult r = MakePanFile(AtlasLayer(folder), images, images, [&](int, int) { return !c.cancel; });
    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(r.message.rfind(c.messageStart, 0), 0u) << r.message;
    EXPECT_TRUE(images.saved.empty());
    if (c.outcome != PanOutcome::Cancelled) {
      EXPECT_EQ(images.canvasesMade, 0);
    }
  }
  FakeAtlasImages images;
  const PanResult none = MakePanFile(AtlasLayer(), images, images);
  EXPECT_EQ(none.outcome, PanOutcome::NoLayer);
  EXPECT_EQ(none.message.rfind("Unable to find a tile sub folder for the current zoom level.\n\n", 0), 0u);
}

TEST(PanMaker, UnreadableFirstTileTakes256AndSaysWhichTile) {
  TempDir dir;
  const std::string folder = MakeFakeLayer(dir, "L 01", 2, 1, 256, 256);
  std::ofstream(folder + "/set/t_0_0.png") << "garbage";
  FakeAtlasImages images;
  const PanLayerInfo info = InspectPanLayer(AtlasLayer(folder), images);
  EXPECT_EQ(info.tileWidth, 256);
  EXPECT_EQ(info.columns, 2);
  EXPECT_EQ(PanCountsText(info), "Tile count width 2, height 1\nPan image pixal size width 160, height 80");
  EXPECT_EQ(PanTileText(info), "Tile 0_0 pixels width  256, height 256\nTile 0_0 colour depth 24");
  const PanResult r = MakePanFile(AtlasLayer(folder), images, images);
  EXPECT_EQ(r.outcome, PanOutcome::Made);
  EXPECT_NE(r.warning.find("Unable to find a image with the name t_0_0.png\n"), std::string::npos) << r.warning;
}

}  // namespace
}  // namespace rovex::atlas
