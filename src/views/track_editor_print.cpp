#include "views/track_editor_print.h"

#include <cmath>
#include <string>
#include <vector>

#include "views/track_editor_view.h"

namespace rovex::track_editor_view {

namespace {

using trackeditor::EditorView;
using trackeditor::kMapTop;
using trackeditor::ScreenPoint;
using trackeditor::TrackPoint;

constexpr double kRadiansPerDegree = 0.017453292519943295;

struct PrintKeyword {
  const char* text;
  Pen pen;
};

constexpr Rgb kMotorway{0, 126, 238};
constexpr Rgb kMainRoad{32, 140, 97};
constexpr Rgb kFootway{202, 23, 34};
constexpr Rgb kWater{32, 26, 185};
constexpr Rgb kMountain{149, 56, 22};

// The search order is that of the screen pens.
const PrintKeyword kPrintKeywords[] = {
    {"highway-motorway", {kMotorway, 15, PenStyle::Solid}},
    {"highway-trunk", {kMainRoad, 12, PenStyle::Solid}},
    {"highway-primary", {kMainRoad, 12, PenStyle::Solid}},
    {"highway-footway", {kFootway, 6, PenStyle::Solid}},
    {"highway-cycleway", {kBlack, 6, PenStyle::Solid}},
    {"railway-rail", {kBlack, 6, PenStyle::Solid}},
    {"waterway", {kWater, 12, PenStyle::Solid}},
    {"piste:", {kMountain, 0, PenStyle::Dot}},
    {"aerialway", {kMountain, 0, PenStyle::Dash}},
    {"railway-funicular", {kMountain, 0, PenStyle::DashDot}},
};

// Segments with one end inside the page horizontally and one inside vertically, joined into runs.
void DrawPrintLine(Canvas& canvas, const EditorView& view, const std::vector<TrackPoint>& points, int width,
                   int height) {
  std::vector<CanvasPoint> run;
  auto flush = [&] {
    if (run.size() >= 2) canvas.Polyline(run);
    run.clear();
  };
  auto inX = [&](ScreenPoint p) { return p.x > 0 && p.x < width - 20; };
  auto inY = [&](ScreenPoint p) { return p.y > 0 && p.y < height - 150; };
  ScreenPoint a = PrintProject(view, points.front().latitude, points.front().longitude);
  for (std::size_t i = 1; i < points.size(); ++i) {
    const ScreenPoint b = PrintProject(view, points[i].latitude, points[i].longitude);
    if ((inX(a) || inX(b)) && (inY(a) || inY(b))) {
      if (run.empty()) run.push_back({a.x, a.y + kMapTop});
      run.push_back({b.x, b.y + kMapTop});
    } else {
      flush();
    }
    a = b;
  }
  flush();
}

}  // namespace

Pen PrintPen(std::string_view description) {
  for (const PrintKeyword& k : kPrintKeywords) {
    if (description.find(k.text) != std::string_view::npos) return k.pen;
  }
  return Pen{kMainRoad, 6, PenStyle::Solid};
}

ScreenPoint PrintProject(const EditorView& view, double latitude, double longitude) {
  const double scale = view.scale * kPrintFactor;
  const double x = std::cos(latitude * kRadiansPerDegree) * (longitude - view.leftLongitude) * 111319.2 * scale;
  const double y = (view.topLatitude - latitude) * 111248.4 * scale;
  // Far-off points are held to a range that a pixel coordinate can take.
  auto pixel = [](double v) {
    return static_cast<int>(std::lround(std::fmax(-1e8, std::fmin(1e8, std::isnan(v) ? 0.0 : v))));
  };
  return {pixel(x), pixel(y)};
}

bool PrintLabelShown(ScreenPoint p, int pageWidth, int pageHeight) {
  return p.x > 5 && p.x < pageWidth - 100 && p.y + kMapTop > 140 && p.y + kMapTop < pageHeight - 40;
}

void DrawPrintPicture(Canvas& canvas, const PrintFrame& frame) {
  const int width = canvas.Width(), height = canvas.Height();
  canvas.FillRect(0, 0, width, height, kWhite);
  if (!frame.map || !frame.view) return;
  const EditorView& view = *frame.view;
  for (const trackeditor::TrackEntry& entry : frame.map->TracksMem) {
    if (!entry.Visible() || entry.points->points.empty()) continue;
    const std::string_view description = entry.description ? *entry.description : std::string_view();
    canvas.SelectPen(PrintPen(description));
    DrawPrintLine(canvas, view, entry.points->points, width, height);
    const TrackPoint& last = entry.points->points.back();
    const ScreenPoint p = PrintProject(view, last.latitude, last.longitude);
    if (!PrintLabelShown(p, width, height)) continue;
    canvas.SelectFont(Font{"Times New Roman", 80, 400});
    canvas.SetTextColour(kBlack);
    canvas.SetBackgroundColour(kWhite);
    canvas.SetBackgroundMode(BackgroundMode::Opaque);
    if (frame.showRoadNames) {
      if (std::string name = RoadName(description); !name.empty()) canvas.TextOut(p.x, p.y + kMapTop, name);
    }
    if (frame.showRoadRef) {
      if (std::string ref = RoadRef(description); !ref.empty()) canvas.TextOut(p.x, p.y + kMapTop, ref);
    }
  }
  // The node icons and node names of a background map are drawn here once background maps are loaded.
}

}  // namespace rovex::track_editor_view
