#include "views/map_panel.h"

#include "cameras/camera_record.h"
#include "nmea/c_number.h"
#include "nmea/distance.h"

namespace rovex::map_panel {
namespace {

constexpr Rgb kCentreCross{0, 193, 230};
constexpr int kCameraFontHeight = 20;
constexpr int kCentreX = 180, kCentreY = 253;

void Line(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

}  // namespace

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

void DrawCrossHair(Canvas& canvas) {
  canvas.SelectPen(Pen{kWhite});
  Line(canvas, 86, 261, 166, 261);
  Line(canvas, 204, 261, 284, 261);
  Line(canvas, 184, 163, 184, 243);
  Line(canvas, 184, 283, 184, 363);
  canvas.SelectPen(Pen{kCentreCross});
  Line(canvas, 166, 261, 204, 261);
  Line(canvas, 184, 243, 184, 283);
}

void DrawCameraLetters(Canvas& canvas, const GpsFix& fix, const std::vector<CameraRecord>& cameras, double radius) {
  WhiteOnBlack(canvas, kCameraFontHeight);
  for (const CameraRecord& camera : cameras) {
    double east = 0.0, north = 0.0;
    if (camera.CamType.empty()) continue;
    if (!OffsetFromFix(fix, CAtof(camera.Longitude.c_str()), CAtof(camera.Latitude.c_str()), &east, &north) ||
        !InsideRadius(east, north, radius)) {
      continue;
    }
    canvas.TextOut(MapX(east, radius), MapY(north, radius), std::string(1, camera.CamType.c_str()[0]));
  }
}

}  // namespace rovex::map_panel
