#include <gtest/gtest.h>

#include "support/recording_canvas.h"
#include "views/track_editor_view.h"

namespace rovex::track_editor_view {
namespace {

using testing::DrawCall;
using testing::RecordingCanvas;
using trackeditor::EditorView;
using trackeditor::TrackEditor;
using trackeditor::TrackEntry;
using trackeditor::TrackPoints;

TEST(TrackEditorView, PensAndLabelsByDescription) {
  struct Case {
    const char* description;
    Pen pen;
    const char* name;
    const char* ref;
  };
  const Case cases[] = {
      {"", {{0, 236, 190}, 1, PenStyle::Solid}, "", ""},
      {"way highway-motorway name-M4:ref-M4", {{0, 223, 247}, 3, PenStyle::Solid}, "M4", "[M4]"},
      {"highway-primary waterway", {{0, 236, 190}, 3, PenStyle::Solid}, "", ""},
      {"piste:downhill name-Blue", {{149, 56, 22}, 1, PenStyle::Dot}, "Blue", ""},
      {"railway-funicular ref-:x", {{149, 56, 22}, 1, PenStyle::DashDot}, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrackPen(c.description), c.pen) << c.description;
    EXPECT_EQ(RoadName(c.description), c.name) << c.description;
    EXPECT_EQ(RoadRef(c.description), c.ref) << c.description;
  }
}

class EditorDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    TrackEntry& e = map.TracksMem.emplace_back();
    e.points = std::make_unique<TrackPoints>();
    for (int i = 0; i < 50; ++i) e.points->points.push_back({51.0 + i * 0.002, -1.0 - i * 0.002});
    edited.points = {{51.0, -1.0}, {51.02, -1.02}, {51.04, -1.04}};
    view.FitToTrack(edited);
    view.leftLongitude = -1.1;
    view.topLatitude = 51.1;
    view.scale = 0.02;
    frame.map = &map;
    frame.edited = &edited;
    frame.view = &view;
  }
  std::vector<const DrawCall*> Crosses(const RecordingCanvas& c, Rgb colour) {
    std::vector<const DrawCall*> out;
    for (const DrawCall* l : c.Of(DrawCall::Op::Line)) {
      if (l->pen.colour == colour) out.push_back(l);
    }
    return out;
  }
  TrackEditor map;
  TrackPoints edited;
  EditorView view;
  EditorFrame frame;
  TrackEditorPainter painter;
};

TEST_F(EditorDrawing, TracksAreDrawnOnceWhileSentencesComeIn) {
  RecordingCanvas canvas(800, 600);
  painter.Draw(canvas, frame);
  const std::size_t firstPolylines = canvas.Of(DrawCall::Op::Polyline).size();
  EXPECT_GE(firstPolylines, 2u) << "the track and the edited track";
  for (int sentence = 0; sentence < 5; ++sentence) {
    frame.latitude = 51.01 + sentence * 0.001;
    frame.longitude = -1.01;
    frame.showLocation = true;
    painter.Draw(canvas, frame);
  }
  EXPECT_EQ(painter.LayerDraws(), 1) << "the map layer is copied, not drawn, per sentence";
  view.ZoomIn();
  painter.Draw(canvas, frame);
  EXPECT_EQ(painter.LayerDraws(), 2) << "a zoom draws the layer again";
  frame.dataGeneration++;
  painter.Draw(canvas, frame);
  EXPECT_EQ(painter.LayerDraws(), 3) << "changed data draws the layer again";
}

TEST_F(EditorDrawing, MarkersLocationAndTrackBar) {
  RecordingCanvas canvas(800, 600);
  frame.showLocation = true;
  frame.latitude = 51.03;
  frame.longitude = -1.03;
  view.startIndex = 2;
  view.endIndex = 3;
  view.pointCount = 3;
  painter.Draw(canvas, frame);
  const auto start = Crosses(canvas, {255, 150, 50});
  ASSERT_EQ(start.size(), 2u);
  const auto p = view.Project(51.02, -1.02);
  EXPECT_EQ(start[0]->args, (std::vector<int>{p.x - 25, p.y + 133, p.x + 25, p.y + 133}));
  EXPECT_EQ(start[1]->args, (std::vector<int>{p.x, p.y + 110, p.x, p.y + 160}));
  EXPECT_EQ(Crosses(canvas, {0, 193, 230}).size(), 4u) << "the end marker and the car";
  EXPECT_EQ(canvas.Of(DrawCall::Op::Ellipse).size(), 1u);
  EXPECT_TRUE(canvas.TextStartingWith("Lat. 51.030000, Long. -1.030000"));
  EXPECT_EQ(canvas.TextsEqual("000002").size(), 1u);
  EXPECT_EQ(canvas.TextsEqual("000003").size(), 1u);
  EXPECT_TRUE(canvas.TextStartingWith("Tracks map desc. None"));
  EXPECT_TRUE(canvas.TextStartingWith("Track path/name None"));
}

TEST_F(EditorDrawing, NoTrackBarWithoutARangeOrRoom) {
  struct Case {
    int width;
    double start, end, count;
    bool bar;
  };
  const Case cases[] = {{800, 0, 2, 3, true},   {800, -1, 100, 100, false}, {209, 0, 2, 3, false},
                        {800, 0, 0, 0, false},  {800, 4, 5, 3, false},      {210, 3, 3, 3, true}};
  for (const Case& c : cases) {
    RecordingCanvas canvas(c.width, 600);
    view.startIndex = c.start;
    view.endIndex = c.end;
    view.pointCount = c.count;
    painter.Draw(canvas, frame);
    bool bar = false;
    for (const DrawCall* r : canvas.Of(DrawCall::Op::Rectangle)) bar = bar || r->pen.colour == Rgb{233, 240, 0};
    EXPECT_EQ(bar, c.bar) << c.width << " " << c.start << " " << c.count;
  }
}

TEST(TrackEditorViewFollow, TheCarOutOfViewMovesTheExtent) {
  EditorView v;
  v.scale = 0.01;
  v.leftLongitude = 10;
  v.topLatitude = 60;
  FollowLocation(v, 51.5, -1.0, 800, 600);
  const auto p = v.Project(51.5, -1.0);
  EXPECT_TRUE(PositionShown(p, 800, 600)) << p.x << "," << p.y;
  const EditorView before = v;
  FollowLocation(v, 51.5, -1.0, 800, 600);
  EXPECT_EQ(v.leftLongitude, before.leftLongitude) << "a car in view leaves it";
}

}  // namespace
}  // namespace rovex::track_editor_view
