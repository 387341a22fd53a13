#include "views/track_editor_print.h"

#include <cmath>
#include <string>
#include <vector>

#include "views/track_editor_background.h"
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
    DrawTrackLine(canvas, entry.points->points, width, height,
                  [&view](const TrackPoint& t) { return PrintProject(view, t.latitude, t.longitude); });
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
  NodeMarkStyle style;
  style.scale = kPrintFactor;
  style.nameFont = Font{"Times New Roman", 18 * kPrintFactor, 400};
  style.nameColour = kBlack;
  style.nameBackground = kWhite;
  DrawNodeMarks(
      canvas, *frame.map, frame.showIcons, frame.showNodeNames,
      [&view](const TrackPoint& t) { return PrintProject(view, t.latitude, t.longitude); },
      [width, height](ScreenPoint p) { return PositionShown(p, width, height); }, style);
}

}  // namespace rovex::track_editor_view
