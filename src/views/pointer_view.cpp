#include "views/pointer_view.h"

#include <cmath>

#include "nmea/c_number.h"
#include "nmea/distance.h"

namespace rovex {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Place {
  double latitude;
  double longitude;
};

Place PlaceOf(const RoutePoint& p) { return {CAtof(p.latitude.c_str()), CAtof(p.longitude.c_str())}; }

bool Valid(const RoutePoint& p) {
  const Place place = PlaceOf(p);
  return place.latitude != 0.0 && place.longitude != 0.0 && p.desc1.has_value();
}

// East and north of the car; 0, 0 when they cannot be taken.
struct Offset {
  double east = 0.0;
  double north = 0.0;
  double Length() const { return std::sqrt(east * east + north * north); }
};

Offset OffsetOf(const GpsFix& fix, const RoutePoint& p) {
  Offset o;
  const Place place = PlaceOf(p);
  if (!OffsetFromFix(fix, place.longitude, place.latitude, &o.east, &o.north)) return {};
  return o;
}

// Along the route, the east factor taken at the later point.
double LegLength(const RoutePoint& from, const RoutePoint& to) {
  const Place a = PlaceOf(from), b = PlaceOf(to);
  const double north = (b.latitude - a.latitude) * MetresPerDegreeLat;
  const double east = std::cos(b.latitude * DegToRad) * (b.longitude - a.longitude) * MetresPerDegreeLon;
  return std::sqrt(north * north + east * east);
}

// The point at radius r in direction angle (radians, clockwise from north) around (cx, cy).
CanvasPoint At(int cx, int cy, double r, double angle) {
  const double u = angle - kPi / 2.0;
  return {static_cast<int>(cx + r * std::cos(u)), static_cast<int>(cy + r * std::sin(u))};
}

double Relative(double bearing, double heading) {
  double rel = bearing - heading;
  if (rel < 0.0) rel += 360.0;
  return rel * DegToRad;
}

}  // namespace

double BearingOf(double east, double north) {
  double bearing = std::atan2(east, north) / DegToRad;
  if (bearing < 0.0) bearing += 360.0;
  return bearing;
}

LegPointers ComputeLegPointers(const Route& route, std::optional<std::size_t> nearest, const GpsFix& fix) {
  LegPointers result;
  const std::vector<RoutePoint>& pts = route.points;
  if (!nearest || *nearest >= pts.size()) return result;
  const std::size_t n = *nearest;
  auto point = [&](std::size_t i) -> const RoutePoint* { return i < pts.size() ? &pts[i] : nullptr; };
  const RoutePoint& N = pts[n];
  const RoutePoint* M = point(n + 1);
  const Offset offN = OffsetOf(fix, N);
  const Offset offM = M ? OffsetOf(fix, *M) : Offset{};

  // The leg starts at the nearest valid point before N; without one, N starts it.
  std::optional<std::size_t> before;
  for (std::size_t i = n; i-- > 0;) {
    if (Valid(pts[i])) {
      before = i;
      break;
    }
  }
  const bool first = !before;
  const RoutePoint* P1 = first ? &N : &pts[*before];
  const RoutePoint* P2 = first ? M : &N;
  const RoutePoint* P3 = first ? point(n + 2) : M;

  const double d12 = P2 ? LegLength(*P1, *P2) : 0.0;
  const double d23 = P2 && P3 ? LegLength(*P2, *P3) : 0.0;
  const double f1 = OffsetOf(fix, *P1).Length();
  const double f3 = P3 ? OffsetOf(fix, *P3).Length() : 0.0;
  double nToP3 = 0.0, fixToP3 = 0.0;
  if (first && P3) {
    const Place a = PlaceOf(N), c = PlaceOf(*P3);
    nToP3 = PointDistance(a.latitude, a.longitude, c.latitude, c.longitude);
    fixToP3 = PointDistance(fix.latitude, fix.longitude, c.latitude, c.longitude);
  }
  const bool approaching = !(d23 > 0.0 && f3 > 0.0 && f1 / f3 > d12 / d23);

  if (offM.east != 0.0 || offM.north != 0.0) {
    Rgb colour = approaching ? kLightBlue : kLightGreen;
    if (first && nToP3 > fixToP3) colour = kFirstPointGreen;
    result.leg = RoutePointer{BearingOf(offM.east - offN.east, offM.north - offN.north), colour};
  }

  const RoutePoint* target = &N;
  if (P3) {
    if (first) target = nToP3 < fixToP3 ? &N : M;
    else target = approaching ? &N : P3;
  }
  Rgb colour = kLightBlue;
  if (first && P3 && nToP3 < fixToP3) colour = kSteerRed;
  else if (approaching) colour = kLightGreen;
  const Offset offT = target ? OffsetOf(fix, *target) : Offset{};
  result.steer = RoutePointer{BearingOf(offT.east, offT.north), colour};
  return result;
}

void DrawLegPointer(Canvas& canvas, const RoutePointer& pointer, double heading, const LegPointerShape& s) {
  const double d = Relative(pointer.bearing, heading);
  canvas.SelectPen(Pen{pointer.colour, 3});
  compass_view::Line(canvas, At(s.cx, s.cy, s.shaftFrom, d), At(s.cx, s.cy, s.shaftTo, d));
  const CanvasPoint from = At(s.cx, s.cy, s.headFrom, d);
  for (double a = d + 1.2; a < d + 5.0; a += 0.05) {
    compass_view::Line(canvas, from, At(s.cx, s.cy, s.headTo, (a + d + kPi) / 2.0));
  }
}

void DrawSteerPointer(Canvas& canvas, const RoutePointer& pointer, double heading, const SteerPointerShape& s) {
  const double d = Relative(pointer.bearing, heading);
  canvas.SelectPen(Pen{pointer.colour, 3});
  compass_view::Line(canvas, At(s.cx, s.cy, s.shaftFrom, d), At(s.cx, s.cy, s.shaftTo, d));
  const CanvasPoint tip = At(s.cx, s.cy, s.fanTip, d);
  for (double a = d - 1.2; a < d + 1.2; a += 0.1) compass_view::Line(canvas, At(s.cx, s.cy, s.fanFrom, a), tip);
  for (double a = d + 1.2; a < d + 5.0; a += 0.05) {
    compass_view::Line(canvas, At(s.cx, s.cy, s.fanFrom, a), At(s.cx, s.cy, s.backTo, (a + d + kPi) / 2.0));
  }
}

namespace pointer_view {

std::string FitLabel(const std::string& label, int x, int y) {
  if (y > 275) return {};
  const int end = y < 145 ? 599 : 749;
  if (x >= end) return {};
  const std::size_t fits = static_cast<std::size_t>((end - x) / 7);
  return label.substr(0, fits);
}

void DrawPointerView(Canvas& canvas, const PointerViewData& data) {
  using namespace compass_view;
  if (!ViewFits(canvas.Width(), canvas.Height())) return;
  std::unique_ptr<Canvas> surface = canvas.CreateSurface(kSurfaceWidth, kSurfaceHeight);
  if (!surface) return;
  Canvas& s = *surface;
  s.FillRect(0, 0, kSurfaceWidth, kSurfaceHeight, kBlack);
  const CompassViewData& c = data.compass;

  UseFont(s, 18, kWhite);
  const double radius = c.mapRadius;
  if (radius > 0.0) {
    for (const RouteViewPoint& p : data.points) {
      if (!(-radius < p.east && p.east < radius && -radius < p.north && p.north < radius)) continue;
      const int x = static_cast<int>(kMapCentreX + p.east * 170.0 / radius);
      const int y = static_cast<int>(kMapCentreY - p.north * 125.0 / radius);
      const std::string label = FitLabel(p.label, x, y);
      if (!label.empty()) s.TextOut(x, y, label);
    }
  }
  if (data.haveNearest) {
    s.TextOut(270, 300, data.nearestLine);
    s.TextOut(270, 320, data.nextLine);
  }

  DrawRose(s, c, {{310, 10}, {310, 30}});
  if (data.pointers.leg) DrawLegPointer(s, *data.pointers.leg, c.heading, {174, 170, 80, 107, 42, 40});
  if (data.pointers.steer) DrawSteerPointer(s, *data.pointers.steer, c.heading, {174, 170, 45, 107, 50, 80, 60});
  DrawRightMap(s, c);
  canvas.CopyFrom(s, kSurfaceX, kSurfaceY);
}

}  // namespace pointer_view
}  // namespace rovex
