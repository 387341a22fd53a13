#pragma once

#include <vector>

#include "nmea/gps_fix.h"
#include "platform/canvas.h"
#include "routes/poi_record.h"

// The POI view (mode 1): the nearby points of interest around the car on a
// black map, north up, each as "* " and its description, with the fix below
// and the nearby cameras on top. Laid out for an 800 by 600 window; a smaller
// one shows nothing.

namespace rovex {

struct CameraRecord;

struct PoiViewData {
  GpsFix fix;
  double mapRadius = 4000.0;
  int timeZone = 0;
  const std::vector<PoiRecord>* pois = nullptr;        // null without a list
  const std::vector<CameraRecord>* cameras = nullptr;  // the nearby camera list
};

namespace poi_view {

// The view needs more than 750 by 445 pixels.
bool ViewFits(int width, int height);

void DrawPoiView(Canvas& canvas, const PoiViewData& data);

}  // namespace poi_view
}  // namespace rovex
