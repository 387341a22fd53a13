#include "atlas/print_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "atlas/atlas_print_model.h"
#include "atlas/paper_table.h"
#include "support/fake_atlas_images.h"
#include "support/recording_canvas.h"
#include "support/temp_dir.h"

namespace rovex::atlas {
namespace {

TEST(PrintLayout, TilesAcrossFollowResolutionAndScale) {
  struct Case {
    const char* legend;
    int clipW, clipH;
    double dpi;
    int scale, top, left;
    int columns, rows, tileTop, tileLeft;
  } cases[] = {
      {"600 dpi, scale 5: five across", 4966, 7016, 600, 5, 0, 0, 5, 7, 0, 0},
      {"300 dpi, scale 5: ten across", 2483, 3508, 300, 5, 0, 0, 10, 14, 0, 0},
      {"scale 1: one tile fills the width", 2483, 3508, 300, 1, 0, 0, 2, 3, 0, 0},
      {"margins in 1/600 inch at 300 dpi", 2483, 3508, 300, 5, 600, 1200, 10, 14, 300, 600},
      {"scale limited to 20", 2483, 3508, 600, 35, 0, 0, 20, 28, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.legend);
    const PrintGeometry g = ComputePrintGeometry(c.clipW, c.clipH, c.dpi, c.dpi, c.scale, c.top, c.left);
    EXPECT_EQ(g.width, c.clipW - 6);
    EXPECT_EQ(g.columns, c.columns);
    EXPECT_EQ(g.rows, c.rows);
    EXPECT_EQ(g.top, c.tileTop);
    EXPECT_EQ(g.left, c.tileLeft);
    EXPECT_DOUBLE_EQ(g.tileHeight, g.tileWidth);  // both from the page width
  }
}

TEST(PrintLayout, TilesRunEdgeToEdgeAndStopAtThePage) {
  // Tiles of 333.33 on a 1000 x 700 picture, the top margin 300: three columns of two rows.
  const PrintGeometry g = ComputePrintGeometry(1006, 706, 600, 600, 3, 300, 0);
  const std::vector<PrintedTile> tiles = LayoutPrintTiles(g);
  ASSERT_EQ(tiles.size(), 6u);
  EXPECT_EQ(tiles[0].x, 0);
  EXPECT_EQ(tiles[2].x, 333);
  EXPECT_EQ(tiles[4].x, 666);  // round(333 + 333.33): each tile starts where the last one ended
  EXPECT_EQ(tiles[1].y, 300 + 333);
  // With a margin of 400 the second row would start at 733, past the page.
  EXPECT_EQ(LayoutPrintTiles(ComputePrintGeometry(1006, 706, 600, 600, 3, 400, 0)).size(), 3u);
  for (const PrintedTile& t : tiles) EXPECT_EQ(t.width, 333);
  const PrintGeometry tooSmall = ComputePrintGeometry(5, 5, 300, 300, 5, 0, 0);
  EXPECT_TRUE(LayoutPrintTiles(tooSmall).empty());
}

TEST(PrintLayout, ScaleBoxAndPreview) {
  const std::pair<long, int> clamps[] = {{0, 1}, {35, 20}, {-4, 1}, {7, 7}};
  for (auto [typed, slider] : clamps) EXPECT_EQ(ClampScale(typed), slider) << typed;
  EXPECT_DOUBLE_EQ(PreviewScaleFactor(0), 0.352);
  EXPECT_NEAR(PreviewScaleFactor(2), 0.42592, 1e-9);
  EXPECT_NEAR(PreviewScaleFactor(20), 2.36808, 1e-5);
  EXPECT_DOUBLE_EQ(PreviewScaleFactor(25), PreviewScaleFactor(20));
  EXPECT_DOUBLE_EQ(PreviewPageScale(true, 2100, 2970), 1.0);
  EXPECT_DOUBLE_EQ(PreviewPageScale(false, 2159, 2794), 2970.0 / 2794);
}

// Codes 48 and 49 have no row, so the codes run two ahead from row 48 on; the last rows have none.
TEST(PaperTable, RowsAndCodes) {
  ASSERT_EQ(PaperTable().size(), 118u);
  for (auto [row, code] : std::vector<std::pair<int, int>>{{1, 1}, {47, 47}, {48, 50}, {116, 118}, {118, 0}}) {
    EXPECT_EQ(PaperCodeOfRow(row), code) << row;
    if (code) {
      EXPECT_EQ(RowOfPaperCode(code), row) << row;
    }
  }
  EXPECT_EQ(RowOfPaperCode(48), 0);
  EXPECT_EQ(PaperSizeText(9), " 210.00 mm X 297.00 mm");
  EXPECT_EQ(PaperSizeText(119), "Unable to get paper size");
}

TEST(AtlasPrintModel, CustomPaperAndThePage) {
  AtlasPrintModel m;
  m.customPaper = true;
  m.customWidthMm = 200;
  m.customHeightMm = 300;
  int w = 0, l = 0;
  m.PaperSize(&w, &l);
  EXPECT_EQ(w, 2000);
  EXPECT_EQ(l, 3000);

  // The page starts at the viewer's first column and row; a missing tile stays blank.
  testing::TempDir dir;
  const std::string folder = testing::MakeFakeLayer(dir, "L 01", 4, 4, 10, 10);
  std::remove((folder + "/set/t_30_20.png").c_str());
  testing::FakeAtlasImages images;
  m.layerFolder = folder;
  m.factory = &images;
  m.tileWidth = 10;
  m.tileHeight = 10;
  m.firstColumn = 2;
  m.firstRow = 1;
  testing::RecordingCanvas page(1000, 700);
  const PrintGeometry g = ComputePrintGeometry(1006, 706, 600, 600, 4, 0, 0);  // 4 x 3 tiles of 250
  EXPECT_EQ(m.DrawPage(page, g), 5);  // columns 2, 3 of rows 1, 2, 3, less the missing one
  // Each tile is drawn as soon as it is loaded (and freed after it).
  std::vector<std::string> drawn;
  const auto calls = page.Of(testing::DrawCall::Op::ImageScaled);
  ASSERT_EQ(calls.size(), images.loaded.size());
  for (size_t i = 0; i < calls.size(); ++i) {
    drawn.push_back(images.loaded[i].substr(folder.size() + 5) + "@" + std::to_string(calls[i]->args[0]) + "," +
                    std::to_string(calls[i]->args[1]));
  }
  const std::vector<std::string> expected = {"t_20_10.png@0,0", "t_20_20.png@0,250", "t_20_30.png@0,500",
                                             "t_30_10.png@250,0", "t_30_30.png@250,500"};
  EXPECT_EQ(drawn, expected);
}

}  // namespace
}  // namespace rovex::atlas
