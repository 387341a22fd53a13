#include "views/compass_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "gps/track_ring.h"
#include "nmea/distance.h"
#include "platform/c_format.h"
#include "views/camera_view.h"
#include "views/route_view.h"

namespace rovex::compass_view {
namespace {

constexpr int kLabelX = 170, kLabelY = 160;
constexpr int kRoseX = 174, kRoseY = 170;

bool InsideRadius(double east, double north, double radius) {
  return -radius < east && east < radius && -radius < north && north < radius;
}

void Ticks(Canvas& s, double heading, double first, double step, double last, double from, double to) {
  for (double a = first; a <= last; a += step) {
    Line(s, RosePoint(kRoseX, kRoseY, from, a, heading), RosePoint(kRoseX, kRoseY, to, a, heading));
  }
}

}  // namespace

bool ViewFits(int width, int height) { return width > 750 && height > 460; }

CanvasPoint RosePoint(int cx, int cy, double radius, double angle, double heading) {
  double rel = angle - heading;
  if (rel < 0.0) rel += 360.0;
  const double t = (90.0 - rel) * DegToRad;
  return {static_cast<int>(cx + radius * std::cos(t)), static_cast<int>(cy - radius * std::sin(t))};
}

std::string ThreeDigits(double value) {
  char text[400];
  std::snprintf(text, sizeof text, "%03.f", value);
  return text;
}

std::vector<std::string> InformationLines(const GpsFix& fix, unsigned speedUnits, int timeZone) {
  return {"Lat. " + FormatFixed(fix.latitude, 6),
          "Long. " + FormatFixed(fix.longitude, 6),
          camera_view::TimeText(fix, timeZone),
          "Bearing " + ThreeDigits(fix.courseDegrees),
          route_view::SpeedLine(fix.speedKnots, speedUnits),
          "Alt. " + ThreeDigits(fix.altitude) + " metres"};
}

void Line(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

void Line(Canvas& canvas, CanvasPoint a, CanvasPoint b) { Line(canvas, a.x, a.y, b.x, b.y); }

void UseFont(Canvas& canvas, int height, Rgb colour) {
  canvas.SelectFont(Font{"Times New Roman", height, 400});
  canvas.SetTextColour(colour);
  canvas.SetBackgroundColour(kBlack);
  canvas.SetBackgroundMode(BackgroundMode::Opaque);
}

void DrawRose(Canvas& s, const CompassViewData& data, RoseTexts places) {
  const double before = data.headingBefore;
  UseFont(s, 18, kWhite);
  for (int a = 0; a <= 340; a += 20) {
    const CanvasPoint p = RosePoint(kLabelX, kLabelY, 144.0, a, before);
    s.TextOut(p.x - 6, p.y, ThreeDigits(a));
  }
  s.TextOut(places.radius.x, places.radius.y, camera_view::MapRadiusText(data.mapRadius));
  int y = 20;
  for (const std::string& line : InformationLines(data.fix, data.speedUnits, data.timeZone)) {
    s.TextOut(600, y, line);
    y += 20;
  }

  s.SelectPen(Pen{kCardinalTick, 3});
  Ticks(s, before, 0.0, 90.0, 270.0, 30.0, 60.0);

  UseFont(s, 36, kLetterColour);
  s.TextOut(places.bearing.x, places.bearing.y, ThreeDigits(data.fix.courseDegrees));
  const char* letters[] = {"N", "E", "S", "W"};
  for (int i = 0; i < 4; ++i) {
    const CanvasPoint p = RosePoint(kLabelX, kLabelY, 80.0, i * 90.0, before);
    s.TextOut(p.x - 6, p.y - 8, letters[i]);
  }

  s.SelectPen(Pen{kWhite});
  s.SelectBrush(Brush{kBlack, BrushStyle::Hollow});
  const int circles[][4] = {{76, 70, 274, 270}, {65, 60, 284, 280}, {55, 50, 294, 290}, {45, 41, 304, 299},
                            {15, 11, 334, 329}};
  for (const auto& c : circles) {
    const int top = (c[0] + c[2]) / 2;
    s.Arc(c[0], c[1], c[2], c[3], top, c[1], top + 1, c[1]);
  }

  const double heading = data.heading;
  Ticks(s, heading, 0.0, 5.0, 355.0, 109.0, 119.0);
  Ticks(s, heading, 0.0, 20.0, 340.0, 119.0, 129.0);
  Ticks(s, heading, 10.0, 20.0, 350.0, 119.0, 159.0);

  Line(s, 76, 168, 156, 168);
  Line(s, 194, 168, 274, 168);
  Line(s, 174, 70, 174, 150);
  Line(s, 174, 190, 174, 270);
  s.SelectPen(Pen{kCentreColour});
  Line(s, 156, 168, 194, 168);
  Line(s, 174, 150, 174, 190);
  s.SelectPen(Pen{kCentreColour, 3});
  Line(s, 174, 69, 174, 32);
}

void DrawLoggedPositions(Canvas& s, const TrackRing* ring, const GpsFix& fix, double radius, int cx, int cy) {
  if (!ring || !(radius > 0.0)) return;
  s.SelectPen(Pen{kTrackYellow});
  std::vector<CanvasPoint> stroke;
  auto flush = [&] {
    if (stroke.size() >= 2) s.Polyline(stroke);
    stroke.clear();
  };
  auto run = [&](int first, int last) {
    for (int i = first; i <= last; ++i) {
      const TrackRing::Point& p = ring->Slot(i);
      double east = 0.0, north = 0.0;
      if (!OffsetFromFix(fix, p.longitude, p.latitude, &east, &north) || !InsideRadius(east, north, radius)) {
        flush();
        continue;
      }
      stroke.push_back({static_cast<int>(cx + east * 170.0 / radius), static_cast<int>(cy - north * 125.0 / radius)});
    }
    flush();
  };
  // Up to the newest point, then the oldest after it; the two runs are never joined.
  const int last = ring->SlotCount() - 1;
  const int newest = ring->WriteIndex();
  run(0, std::min(newest, last));
  run(std::max(newest + 1, 0), last);
}

void DrawRightMap(Canvas& s, const CompassViewData& data) {
  DrawLoggedPositions(s, data.track, data.fix, data.mapRadius, kMapCentreX, kMapCentreY);
  s.SelectPen(Pen{kWhite});
  Line(s, 396, 168, 476, 168);
  Line(s, 514, 168, 594, 168);
  Line(s, 494, 70, 494, 150);
  Line(s, 494, 190, 494, 270);
  Line(s, 476, 168, 514, 168);
  Line(s, 494, 150, 494, 190);
}

void DrawCompassView(Canvas& canvas, const CompassViewData& data) {
  if (!ViewFits(canvas.Width(), canvas.Height())) return;
  std::unique_ptr<Canvas> surface = canvas.CreateSurface(kSurfaceWidth, kSurfaceHeight);
  if (!surface) return;
  surface->FillRect(0, 0, kSurfaceWidth, kSurfaceHeight, kBlack);
  DrawRose(*surface, data, {{310, 260}, {330, 280}});
  DrawRightMap(*surface, data);
  canvas.CopyFrom(*surface, kSurfaceX, kSurfaceY);
}

}  // namespace rovex::compass_view
