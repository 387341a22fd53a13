#include "views/poi_view.h"

#include <string>

#include "cameras/camera_record.h"
#include "nmea/c_number.h"
#include "nmea/distance.h"
#include "platform/c_format.h"
#include "views/camera_view.h"

namespace rovex::poi_view {
namespace {

constexpr Rgb kBorderGrey{190, 190, 190};
constexpr Rgb kCentreCross{0, 193, 230};
constexpr int kFontHeight = 18;
constexpr int kCameraFontHeight = 20;
constexpr std::size_t kLabelLimit = 159;

bool InsideRadius(double east, double north, double radius) {
  return -radius < east && east < radius && -radius < north && north < radius;
}

int MapX(double east, double radius) { return static_cast<int>(180 + east * 170.0 / radius); }
int MapY(double north, double radius) { return static_cast<int>(253 - north * 125.0 / radius); }

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

void DrawCameras(Canvas& canvas, const PoiViewData& data) {
  if (!data.cameras) return;
  WhiteOnBlack(canvas, kCameraFontHeight);
  for (const CameraRecord& camera : *data.cameras) {
    double east = 0.0, north = 0.0;
    if (camera.CamType.empty()) continue;
    if (!OffsetFromFix(data.fix, CAtof(camera.Longitude.c_str()), CAtof(camera.Latitude.c_str()), &east, &north) ||
        !InsideRadius(east, north, data.mapRadius)) {
      continue;
    }
    canvas.TextOut(MapX(east, data.mapRadius), MapY(north, data.mapRadius), std::string(1, camera.CamType.c_str()[0]));
  }
}

}  // namespace

bool ViewFits(int width, int height) { return width > 750 && height > 445; }

void DrawPoiView(Canvas& canvas, const PoiViewData& data) {
  if (!ViewFits(canvas.Width(), canvas.Height())) return;
  canvas.SelectPen(Pen{kBorderGrey});
  canvas.SelectBrush(Brush{kBlack});
  canvas.Rectangle(1, 123, 750, 445);

  WhiteOnBlack(canvas, kFontHeight);
  const double radius = data.mapRadius;
  if (data.pois && radius > 0.0) {
    for (const PoiRecord& poi : *data.pois) {
      double east = 0.0, north = 0.0;
      if (!OffsetFromFix(data.fix, CAtof(poi.longitude.c_str()), CAtof(poi.latitude.c_str()), &east, &north)) continue;
      if (!InsideRadius(east, north, radius)) continue;
      canvas.TextOut(MapX(east, radius), MapY(north, radius), ("* " + poi.description.str()).substr(0, kLabelLimit));
    }
  }
  canvas.TextOut(240, 380, camera_view::MapRadiusText(radius));
  canvas.TextOut(10, 420, "Lat. " + FormatFixed(data.fix.latitude, 6));
  canvas.TextOut(120, 420, "Long. " + FormatFixed(data.fix.longitude, 6));
  canvas.TextOut(240, 420, camera_view::TimeText(data.fix, data.timeZone));

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

}  // namespace rovex::poi_view
