#include "views/route_view.h"

#include <cstdio>

#include "cameras/camera_record.h"
#include "nmea/c_number.h"
#include "nmea/distance.h"
#include "platform/c_format.h"
#include "views/camera_view.h"

namespace rovex::route_view {
namespace {

constexpr Rgb kCentreCross{0, 193, 230};
constexpr int kFontHeight = 18;
constexpr int kCameraFontHeight = 20;
constexpr int kInfoX = 600;

// Strictly inside the square of the map radius around the car.
bool InsideRadius(double east, double north, double radius) {
  return -radius < east && east < radius && -radius < north && north < radius;
}

int MapX(double east, double radius) { return static_cast<int>(kCentreX + east * 170.0 / radius); }
int MapY(double north, double radius) { return static_cast<int>(kCentreY - north * 125.0 / radius); }

void WhiteOnBlack(Canvas& canvas, int fontHeight) {
  canvas.SelectFont(Font{"Times New Roman", fontHeight, 400});
  canvas.SetTextColour(kWhite);
  canvas.SetBackgroundColour(kBlack);
  canvas.SetBackgroundMode(BackgroundMode::Opaque);
}

void Line(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

// printf's "%03.f": no decimals, at least three digits.
std::string ThreeDigits(double value) {
  char text[400];
  std::snprintf(text, sizeof text, "%03.f", value);
  return text;
}

void DrawCameras(Canvas& canvas, const RouteViewData& data) {
  if (!data.cameras) return;
  WhiteOnBlack(canvas, kCameraFontHeight);
  for (const CameraRecord& camera : *data.cameras) {
    double east = 0.0, north = 0.0;
    if (camera.CamType.empty()) continue;
    if (!OffsetFromFix(data.fix, CAtof(camera.Longitude.c_str()), CAtof(camera.Latitude.c_str()), &east, &north)) {
      continue;
    }
    if (!InsideRadius(east, north, data.mapRadius)) continue;
    canvas.TextOut(MapX(east, data.mapRadius), MapY(north, data.mapRadius),
                   std::string(1, camera.CamType.c_str()[0]));
  }
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

  WhiteOnBlack(canvas, kFontHeight);
  const double radius = data.mapRadius;
  if (radius > 0.0) {
    for (const RouteViewPoint& p : data.points) {
      if (InsideRadius(p.east, p.north, radius)) canvas.TextOut(MapX(p.east, radius), MapY(p.north, radius), p.label);
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

  canvas.SelectPen(Pen{kWhite});
  Line(canvas, 86, 261, 166, 261);
  Line(canvas, 204, 261, 284, 261);
  Line(canvas, 184, 163, 184, 243);
  Line(canvas, 184, 283, 184, 363);
  canvas.SelectPen(Pen{kCentreCross});
  Line(canvas, 166, 261, 204, 261);
  Line(canvas, 184, 243, 184, 283);

  if (radius > 0.0) DrawCameras(canvas, data);
}

}  // namespace rovex::route_view
