#include "views/trail_view.h"

#include "nmea/distance.h"
#include "views/camera_view.h"
#include "trail/track_list.h"

namespace rovex::trail_view {
namespace {

constexpr Rgb kGrey{190, 190, 190};
constexpr Rgb kDialFill{110, 115, 150};
constexpr Rgb kDialRim{31, 122, 34};

bool InsideRadius(double east, double north, double radius) {
  return -radius < east && east < radius && -radius < north && north < radius;
}

CanvasPoint MapPoint(double east, double north, double radius) {
  return {static_cast<int>(kMapCentreX + east * 170.0 / radius), static_cast<int>(kMapCentreY - north * 125.0 / radius)};
}

void Panel(Canvas& canvas, int top, int bottom, int textY, const std::string& text, const DisplayColours& colours) {
  canvas.SelectPen(Pen{kGrey});
  canvas.SelectBrush(Brush{colours.panelBackground});
  canvas.Rectangle(1, top, 750, bottom);
  canvas.SelectFont(Font{"Arial", 30, 400});
  canvas.SetTextColour(colours.panelText);
  canvas.SetBackgroundColour(colours.panelBackground);
  canvas.SetBackgroundMode(BackgroundMode::Opaque);
  canvas.TextOut(4, textY, text.substr(0, kPanelCharacters));
}

void DrawDial(Canvas& s, int cx, int cy, double headingBefore) {
  s.SelectPen(Pen{kDialRim, 35});
  s.SelectBrush(Brush{kDialFill});
  s.Ellipse(cx - 62, cy - 56, cx + 71, cy + 74);
  compass_view::UseFont(s, 30, compass_view::kLetterColour);
  s.SetBackgroundMode(BackgroundMode::Transparent);
  const char* letters[] = {"N", "E", "S", "W"};
  for (int i = 0; i < 4; ++i) {
    const CanvasPoint p = compass_view::RosePoint(cx, cy, 65.0, i * 90.0, headingBefore);
    s.TextOut(p.x - 6, p.y - 8, letters[i]);
  }
  s.SelectPen(Pen{kWhite});
  const int top = cx + 5;
  s.Arc(cx - 44, cy - 40, cx + 54, cy + 60, top, cy - 40, top + 1, cy - 40);
}

void DrawDialTicks(Canvas& s, int cx, int cy, double heading) {
  const int px = cx + 4, py = cy + 10;
  s.SelectPen(Pen{kWhite});
  for (double a = 0.0; a < 360.0; a += 22.5) {
    compass_view::Line(s, compass_view::RosePoint(px, py, 50.0, a, heading),
                       compass_view::RosePoint(px, py, 56.0, a, heading));
  }
  for (double a = 45.0; a < 360.0; a += 90.0) {
    compass_view::Line(s, compass_view::RosePoint(px, py, 50.0, a, heading),
                       compass_view::RosePoint(px, py, 65.0, a, heading));
  }
  compass_view::Line(s, cx - 78, py, px, py);
  compass_view::Line(s, px, py, cx + 88, py);
  compass_view::Line(s, px, cy - 45, px, cy + 4);
  compass_view::Line(s, px, cy + 4, px, cy + 91);
  s.SelectPen(Pen{compass_view::kCentreColour, 3});
  compass_view::Line(s, px, cy - 45, px, cy - 75);
}

}  // namespace

std::string FitLabel(const std::string& label, int x) {
  if (x < 600 && x + 7 * static_cast<long>(label.size()) > 580) {
    return label.substr(0, static_cast<std::size_t>((600 - x) / 7));
  }
  return label;
}

std::vector<std::vector<CanvasPoint>> TrailStrokes(const TrackList& trail, const GpsFix& fix, double radius) {
  std::vector<std::vector<CanvasPoint>> strokes(1);
  if (!(radius > 0.0)) return {};
  auto breakLine = [&] {
    if (!strokes.back().empty()) strokes.emplace_back();
  };
  for (const TrackList::Point& p : trail.Points()) {
    if (p.IsBreak()) {
      breakLine();
      continue;
    }
    double east = 0.0, north = 0.0;
    if (!OffsetFromFix(fix, p.longitude, p.latitude, &east, &north)) continue;
    if (!InsideRadius(east, north, radius)) {
      breakLine();
      continue;
    }
    strokes.back().push_back(MapPoint(east, north, radius));
  }
  std::vector<std::vector<CanvasPoint>> drawn;
  for (auto& stroke : strokes) {
    if (stroke.size() >= 2) drawn.push_back(std::move(stroke));
  }
  return drawn;
}

void DrawTrailView(Canvas& canvas, const TrailViewData& data) {
  using compass_view::Line;
  if (!compass_view::ViewFits(canvas.Width(), canvas.Height())) return;
  std::unique_ptr<Canvas> surface = canvas.CreateSurface(kSurfaceWidth, kSurfaceHeight);
  if (!surface) return;
  Canvas& s = *surface;
  s.FillRect(0, 0, kSurfaceWidth, kSurfaceHeight, kBlack);
  const CompassViewData& c = data.compass;
  const double radius = c.mapRadius;

  if (data.trail) {
    s.SelectPen(Pen{kTrailColour, 5});
    for (const auto& stroke : TrailStrokes(*data.trail, c.fix, radius)) s.Polyline(stroke);
  }
  compass_view::DrawLoggedPositions(s, c.track, c.fix, radius, kMapCentreX, kMapCentreY);

  compass_view::UseFont(s, 18, kWhite);
  if (radius > 0.0) {
    for (const RouteViewPoint& p : data.points) {
      if (!InsideRadius(p.east, p.north, radius)) continue;
      const CanvasPoint at = MapPoint(p.east, p.north, radius);
      const std::string label = FitLabel(p.label, at.x);
      if (!label.empty()) s.TextOut(at.x, at.y, label);
    }
  }

  Panel(canvas, 123, 160, 126, data.haveNearest ? data.nearestLine : "Nearest:", data.colours);
  Panel(canvas, 162, 199, 165, data.haveNearest ? data.nextLine : "Next:", data.colours);

  compass_view::UseFont(s, 18, kWhite);
  s.TextOut(310, 10, camera_view::MapRadiusText(radius));
  const std::vector<std::string> info = compass_view::InformationLines(c.fix, c.speedUnits, c.timeZone);
  const CanvasPoint places[] = {{600, 20}, {600, 40}, {600, 60}, {20, 20}, {20, 40}, {20, 60}};
  for (std::size_t i = 0; i < info.size(); ++i) s.TextOut(places[i].x, places[i].y, info[i]);

  DrawDial(s, 80, 170, c.headingBefore);
  DrawDial(s, 660, 170, c.headingBefore);
  DrawDialTicks(s, 80, 170, c.heading);
  DrawDialTicks(s, 660, 170, c.heading);

  if (data.pointers.leg) DrawLegPointer(s, *data.pointers.leg, c.heading, {664, 180, 47, 82, 42, 40});
  if (data.pointers.steer) DrawSteerPointer(s, *data.pointers.steer, c.heading, {84, 180, 47, 82, 38, 61, 46});
  canvas.CopyFrom(s, kSurfaceX, kSurfaceY);
}

}  // namespace rovex::trail_view
