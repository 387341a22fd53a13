#include "views/camera_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <strings.h>

#include "cameras/camera_record.h"
#include "nmea/c_number.h"
#include "nmea/distance.h"
#include "nmea/speed_units.h"
#include "gps/track_ring.h"
#include "platform/c_format.h"

namespace rovex::camera_view {
namespace {

constexpr Rgb kGrey{190, 190, 190};
constexpr Rgb kCentreCross{0, 192, 230};
constexpr Rgb kTrackYellow{255, 255, 0};

// Each panel: rectangle, text offset from its top-left corner, font height.
struct PanelSpec {
  PanelRect rect;
  int dx, dy;
  int fontHeight;
};

constexpr PanelSpec kSpeedLimitLabel{{380, 123, 510, 178}, 5, 17, 24};
constexpr PanelSpec kSpeedLimitValue{{511, 123, 750, 178}, 5, 5, 48};
constexpr PanelSpec kVehicleSpeedLabel{{380, 179, 510, 234}, 5, 17, 24};
constexpr PanelSpec kVehicleSpeedValue{{511, 179, 750, 234}, 5, 5, 48};
constexpr PanelSpec kRoadLabel{{380, 235, 474, 293}, 5, 17, 24};
constexpr PanelSpec kRoadValue{{475, 235, 750, 293}, 5, 12, 34};
constexpr PanelSpec kTownLabel{{380, 294, 474, 324}, 5, 3, 24};
constexpr PanelSpec kTownValue{{475, 294, 750, 324}, 5, 3, 24};
constexpr PanelSpec kCameraLabel{{380, 325, 474, 354}, 5, 3, 24};
constexpr PanelSpec kCameraValue{{475, 325, 750, 354}, 5, 3, 24};
constexpr PanelSpec kLatitude{{1, 415, 145, 445}, 4, 4, 24};
constexpr PanelSpec kLongitude{{146, 415, 310, 445}, 4, 4, 24};
constexpr PanelSpec kTime{{315, 415, 470, 445}, 5, 4, 24};
constexpr PanelSpec kDistancePanel{kDistance, 5, 5, 48};
constexpr PanelSpec kAverageSpeedPanel{kAverageSpeed, 5, 5, 48};
constexpr PanelRect kHazardLabels{380, 355, 474, 420};
constexpr PanelRect kHazardLabelsInner{380, 355, 474, 414};
constexpr PanelRect kHazardValue{475, 355, 750, 445};

constexpr int kRadarFontHeight = 20;
constexpr int kHazardLineLength = 19;

Font TimesNewRoman(int height) { return Font{"Times New Roman", height, 400}; }

bool Fits(const Canvas& canvas, const PanelRect& r) { return PanelFits(r, canvas.Width(), canvas.Height()); }

void Frame(Canvas& canvas, const PanelRect& r, Rgb fill) {
  canvas.SelectPen(Pen{kGrey});
  canvas.SelectBrush(Brush{fill});
  canvas.Rectangle(r.left, r.top, r.right, r.bottom);
}

void PanelText(Canvas& canvas, int x, int y, int fontHeight, const std::string& text, const DisplayColours& colours) {
  canvas.SelectFont(TimesNewRoman(fontHeight));
  canvas.SetTextColour(colours.panelText);
  canvas.SetBackgroundColour(colours.panelBackground);
  canvas.SetBackgroundMode(BackgroundMode::Opaque);
  canvas.TextOut(x, y, text);
}

// A framed panel with one text; nothing when it does not fit the window.
void DrawPanel(Canvas& canvas, const PanelSpec& p, const std::string& text, const DisplayColours& colours) {
  if (!Fits(canvas, p.rect)) return;
  Frame(canvas, p.rect, colours.panelBackground);
  PanelText(canvas, p.rect.left + p.dx, p.rect.top + p.dy, p.fontHeight, text, colours);
}

double RecordLatitude(const CameraRecord& r) { return CAtof(r.Latitude.c_str()); }
double RecordLongitude(const CameraRecord& r) { return CAtof(r.Longitude.c_str()); }

// Strictly inside the square of the map radius around the car.
bool InsideRadius(double east, double north, double radius) {
  return -radius < east && east < radius && -radius < north && north < radius;
}

}  // namespace

int SymbolTypeOf(const char* camType) {
  for (int i = 0; i + 1 < kSymbolTypeCount; ++i) {
    if (strncasecmp(camType, kSymbolTypes[i].prefix, 5) == 0) return i;
  }
  return kSymbolTypeCount - 1;
}

bool PanelFits(const PanelRect& r, int windowWidth, int windowHeight) {
  return r.left < windowWidth && r.right < windowWidth && r.top < windowHeight && r.bottom < windowHeight;
}

std::string VehicleSpeedText(double knots, unsigned speedUnits) {
  const SpeedUnit unit = SpeedUnitFromSetting(speedUnits);
  // A car standing still shows a plain 0, never "-0".
  if (unit == SpeedUnit::Mph && !(knots > 0.0)) return "0 mph";
  return FormatFixed(KnotsIn(unit, knots), 0) + " " + SpeedUnitName(unit);
}

std::string TimeText(const GpsFix& fix, int timeZone) {
  // Brought into 0..23 whatever offset the setting holds.
  int hours = (static_cast<int>(fix.utcHour) + timeZone % 24 + 24) % 24;
  char text[40];
  std::snprintf(text, sizeof text, "Time %d:%2.2d:%2.2d", hours, fix.utcMinute, fix.utcSecond);
  return text;
}

std::string MapRadiusText(double radius) {
  if (radius >= 1000.0) return "Map radius " + FormatFixed(radius / 1000.0, 0) + "km";
  return "Map radius " + FormatFixed(radius / 1000.0, 1) + "km";
}

std::vector<std::string> HazardLines(const std::string& hazard) {
  std::vector<std::string> lines{hazard.substr(0, kHazardLineLength)};
  if (hazard.size() > kHazardLineLength) lines.push_back(hazard.substr(kHazardLineLength, kHazardLineLength));
  if (hazard.size() > 2 * kHazardLineLength) lines.push_back(hazard.substr(2 * kHazardLineLength));
  return lines;
}

void DrawCommonPanels(Canvas& canvas, const CameraViewData& data, CanvasFactory* bitmaps) {
  DrawPanel(canvas, kDistancePanel, data.distanceLine, data.colours);
  DrawPanel(canvas, kAverageSpeedPanel, data.specsLine, data.colours);

  if (!bitmaps || !data.cameras || !Fits(canvas, kAverageSpeed)) return;
  bool marked[kSymbolTypeCount] = {};
  for (const CameraRecord& r : *data.cameras) {
    double east = 0.0, north = 0.0;
    if (!OffsetFromFix(data.fix, RecordLongitude(r), RecordLatitude(r), &east, &north)) continue;
    if (InsideRadius(east, north, 250.0)) marked[SymbolTypeOf(r.CamType.c_str())] = true;
  }
  int drawn = 0;
  for (int type = 0; type < kSymbolTypeCount; ++type) {
    if (!marked[type]) continue;
    if (const CanvasImage* bitmap = bitmaps->Bitmap(kSymbolTypes[type].bitmap)) {
      canvas.DrawImage(*bitmap, kAverageSpeed.right - 46 - drawn * 44, kAverageSpeed.top + 6);
    }
    ++drawn;
  }
}

void DrawRadar(Canvas& canvas, const CameraViewData& data) {
  const PanelRect& r = kRadar;
  if (!Fits(canvas, r)) return;
  canvas.SelectPen(Pen{kBlack});
  canvas.SelectBrush(Brush{kBlack});
  canvas.Rectangle(r.left, r.top, r.right, r.bottom);

  canvas.SelectFont(TimesNewRoman(kRadarFontHeight));
  canvas.SetTextColour(kWhite);
  canvas.SetBackgroundColour(kBlack);
  canvas.SetBackgroundMode(BackgroundMode::Opaque);
  const double radius = data.mapRadius;
  if (data.cameras && radius > 0.0) {
    for (const CameraRecord& camera : *data.cameras) {
      double east = 0.0, north = 0.0;
      if (!OffsetFromFix(data.fix, RecordLongitude(camera), RecordLatitude(camera), &east, &north)) continue;
      if (!InsideRadius(east, north, radius) || camera.CamType.empty()) continue;
      // The letter's top-left corner sits on the projected point.
      int x = static_cast<int>(r.left + 179 + east * 170.0 / radius);
      int y = static_cast<int>(r.top + 130 - north * 125.0 / radius);
      canvas.TextOut(x, y, std::string(1, camera.CamType.c_str()[0]));
    }
  }
  canvas.TextOut(240, 390, MapRadiusText(radius));

  canvas.SelectPen(Pen{kWhite});
  auto line = [&](int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  const int cx = r.left + 183;
  const int cy = r.top + 138;
  line(r.left + 85, cy, r.left + 165, cy);
  line(r.left + 203, cy, r.left + 283, cy);
  line(cx, r.top + 40, cx, r.top + 120);
  line(cx, r.top + 160, cx, r.top + 240);
  canvas.SelectPen(Pen{kCentreCross});
  line(r.left + 165, cy, r.left + 203, cy);
  line(cx, r.top + 120, cx, r.top + 160);
}

void DrawTrackTrace(Canvas& canvas, const CameraViewData& data) {
  const TrackRing* ring = data.track;
  const double radius = data.mapRadius;
  if (!ring || !Fits(canvas, kRadar) || !(radius > 0.0)) return;
  canvas.SelectPen(Pen{kTrackYellow});
  std::vector<CanvasPoint> stroke;
  auto flush = [&] {
    if (stroke.size() >= 2) canvas.Polyline(stroke);
    stroke.clear();
  };
  auto run = [&](int first, int last) {
    for (int i = first; i <= last; ++i) {
      const TrackRing::Point& p = ring->Slot(i);
      double east = 0.0, north = 0.0;
      if (!OffsetFromFix(data.fix, p.longitude, p.latitude, &east, &north) || !InsideRadius(east, north, radius)) {
        flush();
        continue;
      }
      stroke.push_back({static_cast<int>(kRadar.left + 184 + east * 170.0 / radius),
                        static_cast<int>(kRadar.top + 139 - north * 125.0 / radius)});
    }
    flush();
  };
  // Oldest to newest in two runs that are never joined: the slots up to the
  // newest point, then those after it (the oldest, once the ring has wrapped).
  const int last = ring->SlotCount() - 1;
  const int newest = ring->WriteIndex();
  run(0, std::min(newest, last));
  run(std::max(newest + 1, 0), last);
}

void DrawLastSentence(Canvas& canvas, const CameraViewData& data) {
  if (!data.sentencePending || !Fits(canvas, kLastSentenceStrip)) return;
  Frame(canvas, kLastSentenceStrip, kBlack);
  canvas.SelectFont(TimesNewRoman(24));
  // The strip is always black: a black text colour (the day set's default) would hide the sentence.
  canvas.SetTextColour(data.colours.panelText == kBlack ? kWhite : data.colours.panelText);
  canvas.SetBackgroundColour(kBlack);
  canvas.SetBackgroundMode(BackgroundMode::Opaque);
  canvas.TextOut(4, 460, data.sentence);
}

void DrawCameraView(Canvas& canvas, const CameraViewData& data) {
  const DisplayColours& c = data.colours;
  DrawPanel(canvas, kLatitude, "Lat. " + FormatFixed(data.fix.latitude, 6), c);
  DrawPanel(canvas, kLongitude, "Long. " + FormatFixed(data.fix.longitude, 6), c);
  DrawPanel(canvas, kTime, TimeText(data.fix, data.timeZone), c);

  DrawPanel(canvas, kSpeedLimitLabel, "Speed Limit", c);
  DrawPanel(canvas, kVehicleSpeedLabel, "Vehicle Speed", c);
  DrawPanel(canvas, kRoadLabel, "Road", c);
  DrawPanel(canvas, kTownLabel, "Town", c);
  DrawPanel(canvas, kCameraLabel, "Camera", c);
  if (Fits(canvas, kHazardLabels)) {
    Frame(canvas, kHazardLabels, c.panelBackground);
    Frame(canvas, kHazardLabelsInner, c.panelBackground);
    PanelText(canvas, 385, 358, 24, "Hazard", c);
    PanelText(canvas, 385, 387, 24, "Comment", c);
  }

  DrawPanel(canvas, kSpeedLimitValue, data.speedLimitText, c);
  DrawPanel(canvas, kVehicleSpeedValue, VehicleSpeedText(data.fix.speedKnots, data.speedUnits), c);
  DrawPanel(canvas, kRoadValue, data.roadText, c);
  DrawPanel(canvas, kTownValue, data.townText, c);
  DrawPanel(canvas, kCameraValue, data.camTypeText, c);

  DrawRadar(canvas, data);
  if (data.displayTrack) DrawTrackTrace(canvas, data);

  if (Fits(canvas, kHazardValue)) {
    Frame(canvas, kHazardValue, c.panelBackground);
    const int lineY[] = {360, 389, 417};
    std::vector<std::string> lines = HazardLines(data.hazardText);
    for (size_t i = 0; i < lines.size(); ++i) PanelText(canvas, 480, lineY[i], 24, lines[i], c);
  }

  DrawLastSentence(canvas, data);
}

}  // namespace rovex::camera_view
