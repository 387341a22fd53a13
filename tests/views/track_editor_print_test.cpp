#include <gtest/gtest.h>

#include "support/recording_canvas.h"
#include "views/track_editor_print.h"

namespace rovex::track_editor_view {
namespace {

using testing::DrawCall;
using testing::RecordingCanvas;
using trackeditor::EditorView;
using trackeditor::ScreenPoint;
using trackeditor::TrackEditor;
using trackeditor::TrackEntry;
using trackeditor::TrackPoints;

TEST(TrackEditorPrint, LabelBounds) {
  struct Row {
    ScreenPoint p;
    bool shown;
  };
  // On a 1000 x 800 page: 5 < x < 900, 140 < y + 134 < 760.
  const Row rows[] = {{{6, 7}, true}, {{5, 100}, false}, {{899, 625}, true}, {{900, 626}, false}};
  for (const Row& r : rows) EXPECT_EQ(PrintLabelShown(r.p, 1000, 800), r.shown) << r.p.x << "," << r.p.y;
}

TEST(TrackEditorPrint, DrawsTracksAndLabelsBlackOnWhite) {
  TrackEditor map;
  for (const char* description : {"highway-motorway name-M4:ref-4", "waterway name-Far"}) {
    TrackEntry& e = map.TracksMem.emplace_back();
    e.description = description;
    e.points = std::make_unique<TrackPoints>();
  }
  map.TracksMem[0].points->points = {{0.99, 0.01}, {0.98, 0.02}};
  map.TracksMem[1].points->points = {{0.99, 0.01}, {0.5, 0.02}};  // its end lies below the page
  EditorView view;
  view.leftLongitude = 0.0;
  view.topLatitude = 1.0;
  view.scale = 0.01;
  RecordingCanvas canvas(1000, 800);
  DrawPrintPicture(canvas, PrintFrame{&map, &view, true, true});
  EXPECT_EQ(canvas.calls.front().colour, kWhite);
  const auto lines = canvas.Of(DrawCall::Op::Polyline);
  ASSERT_EQ(lines.size(), 2u);
  // At 4 x 0.01 pixels a metre, rounded, 134 pixels down; the motorway pen.
  EXPECT_EQ(lines[0]->points, (std::vector<CanvasPoint>{{45, 178}, {89, 223}}));
  EXPECT_EQ(lines[0]->pen.width, 15);
  EXPECT_EQ(lines[1]->pen.colour, (Rgb{32, 26, 185}));
  const auto texts = canvas.Of(DrawCall::Op::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0]->text, "M4");
  EXPECT_EQ(texts[1]->text, "[4]");
  EXPECT_EQ(texts[1]->args, (std::vector<int>{89, 223}));
  EXPECT_EQ(texts[1]->font, (Font{"Times New Roman", 80, 400}));
  EXPECT_EQ(texts[1]->textColour, kBlack);
  EXPECT_EQ(texts[1]->backgroundColour, kWhite);
}

}  // namespace
}  // namespace rovex::track_editor_view
