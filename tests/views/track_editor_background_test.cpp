#include <gtest/gtest.h>

#include <algorithm>

#include "support/recording_canvas.h"
#include "views/track_editor_background.h"
#include "views/track_editor_print.h"
#include "views/track_editor_view.h"

namespace rovex::track_editor_view {
namespace {

using testing::DrawCall;
using testing::RecordingCanvas;
using trackeditor::EditorView;
using trackeditor::HeightTile;
using trackeditor::TrackEditor;
using trackeditor::TrackEntry;
using trackeditor::TrackPoints;

TEST(HeightShading, ColourRule) {
  EXPECT_EQ(ShadingColour(0), kBlack);
  EXPECT_EQ(ShadingColour(1), kWhite);
  EXPECT_EQ(ShadingColour(2), (Rgb{50, 133, 50}));
  EXPECT_EQ(ShadingColour(29), (Rgb{50, 241, 50}));
  EXPECT_EQ(ShadingColour(30), (Rgb{76, 143, 165}));
  EXPECT_EQ(ShadingColour(255), (Rgb{151, 218, 21}));
  EXPECT_EQ(ShadingColour(256 + 2), ShadingColour(2)) << "only the low 8 bits count";
}

TEST(HeightShading, CellsFromTheOffsetsByTheDivisor) {
  HeightTile tile;
  tile.cells[0] = 1;                                   // row 0, column 0
  tile.cells[300 * trackeditor::kHeightTileSide + 303] = 2;  // row 300, column 303
  RecordingCanvas canvas(40, 30);
  DrawHeightShading(canvas, tile, {300, 300, 1.5});
  const auto pixels = canvas.Of(DrawCall::Op::Pixel);
  ASSERT_FALSE(pixels.empty());
  const bool inside = std::all_of(pixels.begin(), pixels.end(), [](const DrawCall* p) {
    return p->args[0] >= 1 && p->args[0] < 40 && p->args[1] >= 1 && p->args[1] < 30;
  });
  EXPECT_TRUE(inside);
  const auto green = std::find_if(pixels.begin(), pixels.end(), [](const DrawCall* p) {
    return p->colour == ShadingColour(2);
  });
  ASSERT_NE(green, pixels.end());
  EXPECT_EQ((*green)->args, (std::vector<int>{3, 1})) << "column 303: 3 / 1.5 + 1";
  EXPECT_EQ(std::count_if(pixels.begin(), pixels.end(), [](const DrawCall* p) { return p->colour == kWhite; }), 0)
      << "row 0 lies above the first row shown";
}

class BackgroundLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    Add("OSM:1:highway-primary:name-Main:", {{51.0, -1.0}, {51.01, -0.99}});
    Add("Node:2:amenity-pub:name-The Crown:", {{51.005, -0.995}});
    view.leftLongitude = -1.02;
    view.topLatitude = 51.02;
    view.scale = 0.01;
    view.shading = {0, 0, 1.5};
    frame.map = &map;
    frame.view = &view;
    frame.heights = &tile;
  }
  void Add(const char* description, std::vector<trackeditor::TrackPoint> points) {
    TrackEntry& e = map.TracksMem.emplace_back();
    e.points = std::make_unique<TrackPoints>();
    e.points->points = std::move(points);
    e.description = description;
    e.background = true;
  }
  TrackEditor map;
  EditorView view;
  HeightTile tile;
  EditorFrame frame;
  TrackEditorPainter painter;
};

TEST_F(BackgroundLayer, ShadingLinesIconsAndNamesInOrderDrawnOnceForManySentences) {
  frame.showIcons = true;
  frame.showNodeNames = true;
  RecordingCanvas canvas(300, 260);
  for (int sentence = 0; sentence < 4; ++sentence) {
    frame.latitude = 51.0 + sentence * 0.001;
    painter.Draw(canvas, frame);
  }
  EXPECT_EQ(painter.LayerDraws(), 1);
  // The first frame's copy of the layer: shading first, then lines, then the pub's icon and name.
  auto index = [&](auto pred) {
    return std::find_if(canvas.calls.begin(), canvas.calls.end(), pred) - canvas.calls.begin();
  };
  const auto pixel = index([](const DrawCall& c) { return c.op == DrawCall::Op::Pixel; });
  const auto line = index([](const DrawCall& c) { return c.op == DrawCall::Op::Polyline; });
  const auto icon = index([](const DrawCall& c) { return c.op == DrawCall::Op::Rectangle && c.brush.colour == Rgb{30, 80, 200}; });
  const auto name = index([](const DrawCall& c) { return c.op == DrawCall::Op::Text && c.text == "pub:The Crown:"; });
  EXPECT_LT(pixel, line);
  EXPECT_LT(line, icon);
  EXPECT_LT(icon, name);
  ASSERT_LT(name, static_cast<long>(canvas.calls.size()));
  const trackeditor::ScreenPoint p = view.Project(51.005, -0.995);
  EXPECT_EQ(canvas.calls[name].args, (std::vector<int>{p.x + 40, p.y + trackeditor::kMapTop}));

  view.PanRight();
  painter.Draw(canvas, frame);
  EXPECT_EQ(painter.LayerDraws(), 2) << "the shading moved";
  frame.showIcons = false;
  painter.Draw(canvas, frame);
  EXPECT_EQ(painter.LayerDraws(), 3);
}

TEST_F(BackgroundLayer, ThePrintedPageHasTheIconsAndNamesAtFourTimesTheSize) {
  PrintFrame print;
  print.map = &map;
  print.view = &view;
  print.showIcons = true;
  print.showNodeNames = true;
  RecordingCanvas page(1200, 1000);
  DrawPrintPicture(page, print);
  const auto names = page.TextsEqual("pub:The Crown:");
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0]->textColour, kBlack);
  const trackeditor::ScreenPoint p = PrintProject(view, 51.005, -0.995);
  EXPECT_EQ(names[0]->args[0], p.x + 160);
  const auto badges = page.Of(DrawCall::Op::Rectangle);
  ASSERT_EQ(badges.size(), 1u);
  EXPECT_EQ(badges[0]->args[2] - badges[0]->args[0], 64);
}

}  // namespace
}  // namespace rovex::track_editor_view
