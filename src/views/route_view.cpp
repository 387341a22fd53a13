#include "views/route_view.h"

#include <cstdio>

#include "platform/c_format.h"
#include "views/camera_view.h"
#include "views/map_panel.h"

namespace rovex::route_view {

namespace {

constexpr int kFontHeight = 18;
constexpr int kInfoX = 600;

// printf's "%03.f": no decimals, at least three digits.
std::string ThreeDigits(double value) {
  char text[400];
  std::snprintf(text, sizeof text, "%03.f", value);
  return text;
}

}  // namespace

bool ViewFits(int width, int height) { return width > kMapRight && height > kMapBottom; }

std::vector<RouteViewPoint> PointsOf(const RouteFollowPass& pass, const Route& route, const RouteDisplayFlags& flags) {
  std::vector<RouteViewPoint> points;
  for (const MeasuredRoutePoint& m : pass.measured) {
    if (m.index >= route.points.size()) continue;
    points.push_back({m.east, m.north, RoutePointLabel(m.number, route.points[m.index], flags)});
  }
  return points;
}

std::string SpeedLine(double knots, unsigned speedUnits) {
  if (speedUnits == 1) return "Speed " + FormatFixed(knots * 1.852, 0) + " kph";
  if (speedUnits == 2) return "Speed " + FormatFixed(knots, 0) + " knots";
  if (knots > 1.0) return "Speed " + FormatFixed(knots * 1.15077945, 0) + " mph";
  return "Speed 0 mph";
}

std::vector<std::string> InformationLines(const RouteViewData& data) {
  return {"Lat. " + FormatFixed(data.fix.latitude, 6),
          "Long. " + FormatFixed(data.fix.longitude, 6),
          camera_view::TimeText(data.fix, data.timeZone),
          "Bearing " + ThreeDigits(data.fix.courseDegrees),
          SpeedLine(data.fix.speedKnots, data.speedUnits),
          "Alt. " + ThreeDigits(data.fix.altitude) + " metres"};
}

void DrawRouteView(Canvas& canvas, const RouteViewData& data) {
  if (!ViewFits(canvas.Width(), canvas.Height())) return;
  canvas.SelectPen(Pen{kBlack});
  canvas.SelectBrush(Brush{kBlack});
  canvas.Rectangle(kMapLeft, kMapTop, kMapRight, kMapBottom);

  map_panel::WhiteOnBlack(canvas, kFontHeight);
  const double radius = data.mapRadius;
  if (radius > 0.0) {
    for (const RouteViewPoint& p : data.points) {
      if (!map_panel::InsideRadius(p.east, p.north, radius)) continue;
      canvas.TextOut(map_panel::MapX(p.east, radius), map_panel::MapY(p.north, radius), p.label);
    }
  }
  canvas.TextOut(10, 420, data.nearestLine);
  canvas.TextOut(10, 440, data.nextLine);
  canvas.TextOut(240, 400, camera_view::MapRadiusText(radius));

  canvas.SelectPen(Pen{kBlack});
  canvas.SelectBrush(Brush{kBlack});
  canvas.Rectangle(580, 123, 750, 190);
  int y = 130;
  for (const std::string& line : InformationLines(data)) {
    canvas.TextOut(kInfoX, y, line);
    y += 20;
  }

  map_panel::DrawCrossHair(canvas);

  if (radius > 0.0 && data.cameras) map_panel::DrawCameraLetters(canvas, data.fix, *data.cameras, radius);
}

}  // namespace rovex::route_view
