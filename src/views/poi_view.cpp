#include "views/poi_view.h"

#include <string>

#include "nmea/c_number.h"
#include "nmea/distance.h"
#include "platform/c_format.h"
#include "views/camera_view.h"
#include "views/map_panel.h"

namespace rovex::poi_view {

namespace {

constexpr Rgb kBorderGrey{190, 190, 190};
constexpr int kFontHeight = 18;
constexpr std::size_t kLabelLimit = 159;

}  // namespace

bool ViewFits(int width, int height) { return width > 750 && height > 445; }

void DrawPoiView(Canvas& canvas, const PoiViewData& data) {
  if (!ViewFits(canvas.Width(), canvas.Height())) return;
  canvas.SelectPen(Pen{kBorderGrey});
  canvas.SelectBrush(Brush{kBlack});
  canvas.Rectangle(1, 123, 750, 445);

  map_panel::WhiteOnBlack(canvas, kFontHeight);
  const double radius = data.mapRadius;
  if (data.pois && radius > 0.0) {
    for (const PoiRecord& poi : *data.pois) {
      double east = 0.0, north = 0.0;
      if (!OffsetFromFix(data.fix, CAtof(poi.longitude.c_str()), CAtof(poi.latitude.c_str()), &east, &north)) continue;
      if (!map_panel::InsideRadius(east, north, radius)) continue;
      canvas.TextOut(map_panel::MapX(east, radius), map_panel::MapY(north, radius),
                     ("* " + poi.description.str()).substr(0, kLabelLimit));
    }
  }
  canvas.TextOut(240, 380, camera_view::MapRadiusText(radius));
  canvas.TextOut(10, 420, "Lat. " + FormatFixed(data.fix.latitude, 6));
  canvas.TextOut(120, 420, "Long. " + FormatFixed(data.fix.longitude, 6));
  canvas.TextOut(240, 420, camera_view::TimeText(data.fix, data.timeZone));

  map_panel::DrawCrossHair(canvas);

  if (radius > 0.0 && data.cameras) map_panel::DrawCameraLetters(canvas, data.fix, *data.cameras, radius);
}

}  // namespace rovex::poi_view
