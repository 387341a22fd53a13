#include "views/track_editor_view.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "views/track_editor_background.h"

namespace rovex::track_editor_view {

namespace {

using trackeditor::EditorView;
using trackeditor::kMapTop;
using trackeditor::ScreenPoint;
using trackeditor::TrackPoint;

constexpr Rgb kYellow{233, 240, 0};
constexpr Rgb kStartColour{255, 150, 50};
constexpr Rgb kEndColour{0, 193, 230};
constexpr Rgb kLabelColour{0, 224, 187};
constexpr Rgb kButtonFace{192, 192, 192};

struct Keyword {
  const char* text;
  Pen pen;
};

const Keyword kKeywords[] = {
    {"highway-motorway", {{0, 223, 247}, 3, PenStyle::Solid}},
    {"highway-trunk", {{0, 236, 190}, 2, PenStyle::Solid}},
    {"highway-primary", {{0, 236, 190}, 3, PenStyle::Solid}},
    {"highway-footway", {{246, 156, 111}, 1, PenStyle::Solid}},
    {"highway-cycleway", {{251, 248, 129}, 1, PenStyle::Solid}},
    {"railway-rail", {{252, 40, 185}, 1, PenStyle::Solid}},
    {"waterway", {{0, 35, 240}, 1, PenStyle::Solid}},
    {"piste:", {{149, 56, 22}, 1, PenStyle::Dot}},
    {"aerialway", {{149, 56, 22}, 1, PenStyle::Dash}},
    {"railway-funicular", {{149, 56, 22}, 1, PenStyle::DashDot}},
};

Font TimesFont(int height, int weight) { return Font{"Times New Roman", height, weight}; }

std::string LabelAfter(std::string_view description, std::string_view key) {
  const auto at = description.find(key);
  if (at == std::string_view::npos) return {};
  std::string_view rest = description.substr(at + key.size());
  return std::string(rest.substr(0, rest.find(':')));
}

void Cross(Canvas& canvas, ScreenPoint p, Rgb colour) {
  canvas.SelectPen(Pen{colour, 1});
  canvas.MoveTo(p.x - 25, p.y + 133);
  canvas.LineTo(p.x + 25, p.y + 133);
  canvas.MoveTo(p.x, p.y + 110);
  canvas.LineTo(p.x, p.y + 160);
}

void Button(Canvas& canvas, int x, int y, int w, int h, const std::string& label) {
  canvas.SelectPen(Pen{{90, 90, 90}, 1});
  canvas.SelectBrush(Brush{kButtonFace});
  canvas.Rectangle(x, y, x + w, y + h);
  canvas.SelectFont(TimesFont(h < 16 ? h : 16, 700));
  canvas.SetTextColour(kBlack);
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  const TextExtent e = canvas.MeasureText(label);
  canvas.TextOut(x + (w - e.width) / 2, y + (h - e.height) / 2, label);
}

void DrawButtons(Canvas& canvas, int bottom) {
  const int starts[] = {250, 277, 309, 336};
  const int ends[] = {400, 427, 458, 485};
  const char* labels[] = {"<<", "<", ">", ">>"};
  for (int i = 0; i < 4; ++i) {
    Button(canvas, starts[i], 113, 23, 15, labels[i]);
    Button(canvas, ends[i], 113, 23, 15, labels[i]);
  }
  Button(canvas, 8, bottom - 100, 26, 13, "^");
  Button(canvas, 8, bottom - 85, 26, 13, "v");
  Button(canvas, 6, bottom - 58, 14, 28, "<");
  Button(canvas, 22, bottom - 58, 14, 28, ">");
  Button(canvas, 5, bottom - 21, 26, 19, "-");
  Button(canvas, 34, bottom - 21, 26, 19, "+");
}

void DrawTrackBar(Canvas& canvas, const EditorView& view, int width) {
  const double start = view.startIndex, end = view.endIndex, count = view.pointCount;
  // A track without points has no bar to divide.
  if (width < 210 || !(start >= 0) || start > count || !(count > 0)) return;
  const double w = width - 200;
  const int top = 90;
  canvas.FillRect(0, top, width - 3, top + 19, kBlack);
  canvas.SelectPen(Pen{kYellow, 1});
  canvas.SelectBrush(Brush{kBlack, BrushStyle::Hollow});
  canvas.Rectangle(98, top + 1, 98 + static_cast<int>(w), top + 18);
  auto bar = [&](double x, double barWidth, Rgb colour) {
    const int left = static_cast<int>(x);
    const int right = left + static_cast<int>(barWidth);
    if (right > left) canvas.FillRect(left, top + 3, right, top + 17, colour);
  };
  bar(99, w * start / count - 2, {160, 0, 0});
  bar(99 + w * start / count, (end - start) * w / count - 2, {0, 236, 190});
  bar(99 + w * end / count, (count - end) * w / count - 2, {0, 40, 176});
  canvas.SelectFont(TimesFont(18, 600));
  canvas.SetTextColour(kWhite);
  canvas.SetBackgroundColour(kBlack);
  canvas.SetBackgroundMode(BackgroundMode::Opaque);
  char text[64];
  std::snprintf(text, sizeof text, "%06.f", start);
  canvas.TextOut(10, top + 3, text);
  std::snprintf(text, sizeof text, "%06.f", end);
  canvas.TextOut(width - 70, top + 3, text);
}

}  // namespace

void DrawTrackLine(Canvas& canvas, const std::vector<TrackPoint>& points, int width, int height,
                   const std::function<ScreenPoint(const TrackPoint&)>& project) {
  if (points.empty()) return;
  std::vector<CanvasPoint> run;
  auto flush = [&] {
    if (run.size() >= 2) canvas.Polyline(run);
    run.clear();
  };
  auto inX = [&](ScreenPoint p) { return p.x > 0 && p.x < width - 20; };
  auto inY = [&](ScreenPoint p) { return p.y > 0 && p.y < height - 150; };
  ScreenPoint a = project(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) {
    const ScreenPoint b = project(points[i]);
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

Pen TrackPen(std::string_view description) {
  for (const Keyword& k : kKeywords) {
    if (description.find(k.text) != std::string_view::npos) return k.pen;
  }
  return Pen{{0, 236, 190}, 1, PenStyle::Solid};
}

std::string RoadName(std::string_view description) { return LabelAfter(description, "name-"); }

std::string RoadRef(std::string_view description) {
  std::string ref = LabelAfter(description, "ref-");
  return ref.empty() ? ref : "[" + ref + "]";
}

bool PositionShown(ScreenPoint p, int width, int height) {
  return p.x > 0 && p.x < width - 20 && p.y > 0 && p.y < height - 150;
}

void FollowLocation(EditorView& view, double latitude, double longitude, int width, int height) {
  if (latitude == 0.0 || longitude == 0.0 || !(view.scale > 0)) return;
  const ScreenPoint p = view.Project(latitude, longitude);
  const double cosLat = std::cos(latitude * 0.017453292519943295);
  if (!(p.x > 0 && p.x < width - 20) && cosLat > 0) {
    view.leftLongitude = longitude - 0.5 * width / (cosLat * 111319.2 * view.scale);
  }
  if (!(p.y > 0 && p.y < height - 150)) view.topLatitude = latitude + height * 0.000003 / view.scale;
}

void TrackEditorPainter::DrawLayer(Canvas& layer, const EditorFrame& frame) {
  ++m_layerDraws;
  const int width = layer.Width(), height = layer.Height();
  layer.FillRect(0, 0, width, height, kBlack);
  const EditorView& view = *frame.view;
  const auto onScreen = [&view](const TrackPoint& t) { return view.Project(t.latitude, t.longitude); };
  if (frame.heights) DrawHeightShading(layer, *frame.heights, view.shading);
  if (frame.map) {
    for (const trackeditor::TrackEntry& entry : frame.map->TracksMem) {
      if (!entry.Visible() || entry.points->points.empty()) continue;
      const std::string_view description = entry.description ? *entry.description : std::string_view();
      layer.SelectPen(TrackPen(description));
      DrawTrackLine(layer, entry.points->points, width, height, onScreen);
      const TrackPoint& last = entry.points->points.back();
      const ScreenPoint p = view.Project(last.latitude, last.longitude);
      if (!(p.x > 5 && p.x < width - 100 && p.y + kMapTop > 140 && p.y + kMapTop < height - 40)) continue;
      layer.SelectFont(TimesFont(20, 400));
      layer.SetTextColour(kLabelColour);
      layer.SetBackgroundColour(kBlack);
      layer.SetBackgroundMode(BackgroundMode::Opaque);
      if (frame.showRoadNames) {
        if (std::string name = RoadName(description); !name.empty()) layer.TextOut(p.x, p.y + kMapTop, name);
      }
      if (frame.showRoadRef) {
        if (std::string ref = RoadRef(description); !ref.empty()) layer.TextOut(p.x, p.y + kMapTop, ref);
      }
    }
    DrawNodeMarks(layer, *frame.map, frame.showIcons, frame.showNodeNames, onScreen,
                  [width, height](ScreenPoint p) { return PositionShown(p, width, height); }, NodeMarkStyle{});
  }
  if (frame.edited && frame.edited->points.size() >= 2) {
    layer.SelectPen(Pen{kWhite, 1});
    DrawTrackLine(layer, frame.edited->points, width, height, onScreen);
  }
}

void TrackEditorPainter::Draw(Canvas& canvas, const EditorFrame& frame) {
  const int width = canvas.Width(), height = canvas.Height();
  const EditorView& view = *frame.view;
  const LayerKey key{frame.dataGeneration, view.leftLongitude, view.topLatitude, view.scale,
                     width, height, frame.showRoadNames, frame.showRoadRef, frame.showIcons,
                     frame.showNodeNames, frame.heights, view.shading.row, view.shading.column,
                     view.shading.divisor};
  if (!m_layer || !(key == m_key)) {
    m_layer = canvas.CreateSurface(width, height);
    DrawLayer(*m_layer, frame);
    m_key = key;
  }
  canvas.CopyFrom(*m_layer, 0, 0);

  canvas.SelectFont(TimesFont(18, 400));
  canvas.SetTextColour(kWhite);
  canvas.SetBackgroundColour(kBlack);
  canvas.SetBackgroundMode(BackgroundMode::Opaque);
  if (frame.map) {
    canvas.TextOut(10, 20, "Tracks map desc. " + frame.map->description.value_or("None"));
  }
  if (frame.edited) {
    canvas.TextOut(10, 40, "Track desc. " + frame.edited->description.value_or("None"));
    canvas.TextOut(10, 60, "Track path/name " + frame.edited->sourcePath.value_or("None"));
  }

  canvas.SelectPen(Pen{kYellow, 3});
  canvas.MoveTo(1, 80);
  canvas.LineTo(width - 3, 80);
  canvas.FillRect(1, 111, width - 3, 133, kWhite);
  canvas.FillRect(1, height - 23, 140, height - 1, kWhite);
  if (frame.showLocation) canvas.FillRect(width < 251 ? 0 : width - 250, height - 23, width - 3, height - 1, kWhite);

  canvas.SelectFont(TimesFont(18, 600));
  canvas.SetTextColour(kBlack);
  canvas.SetBackgroundColour(kWhite);
  char text[96];
  auto out = [&](int x, int y, const char* format, double v) {
    std::snprintf(text, sizeof text, format, v);
    canvas.TextOut(x, y, text);
  };
  out(10, 114, "Lat. %9f", view.startMarker.latitude);
  out(125, 114, "Long. %9f", view.startMarker.longitude);
  out(525, 114, "Lat. %9f", view.endMarker.latitude);
  out(635, 114, "Long. %9f", view.endMarker.longitude);
  if (frame.showLocation) {
    std::snprintf(text, sizeof text, "Lat. %9f, Long. %9f", frame.latitude, frame.longitude);
    canvas.TextOut(width - 240, height - 20, text);
  }
  DrawButtons(canvas, height);

  if (frame.edited) {
    const auto& points = frame.edited->points;
    auto marker = [&](double index, Rgb colour) {
      if (auto i = EditorView::PointFor(index, points.size())) {
        const ScreenPoint p = view.Project(points[*i].latitude, points[*i].longitude);
        if (PositionShown(p, width, height)) Cross(canvas, p, colour);
      }
    };
    marker(view.startIndex, kStartColour);
    marker(view.endIndex, kEndColour);
  }
  if (frame.showLocation && frame.latitude != 0.0 && frame.longitude != 0.0) {
    const ScreenPoint p = view.Project(frame.latitude, frame.longitude);
    if (PositionShown(p, width, height)) {
      Cross(canvas, p, kEndColour);
      canvas.SelectPen(Pen{kWhite, 3});
      canvas.SelectBrush(Brush{kBlack, BrushStyle::Hollow});
      canvas.Ellipse(p.x - 25, p.y + 110, p.x + 25, p.y + 160);
    }
  }
  DrawTrackBar(canvas, view, width);
}

}  // namespace rovex::track_editor_view
