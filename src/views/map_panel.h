#pragma once

#include <string>
#include <vector>

#include "nmea/gps_fix.h"
#include "platform/canvas.h"

// The map panel the route and POI views share: east/north metres from the
// car placed by one projection (the map radius spans 170 pixels across and
// 125 down from the car at 180,253), the cross hair on the car and the
// nearby cameras' letters.

namespace rovex {

struct CameraRecord;

namespace map_panel {

// Strictly inside the square of the map radius around the car.
bool InsideRadius(double east, double north, double radius);
int MapX(double east, double radius);
int MapY(double north, double radius);

// The panel's texts: white on opaque black, Times New Roman of this height.
void WhiteOnBlack(Canvas& canvas, int fontHeight);

// White arms with the cyan middle over the car.
void DrawCrossHair(Canvas& canvas);

// Each camera inside the radius as the first letter of its type; cameras
// without a type or whose position can't be placed are left out.
void DrawCameraLetters(Canvas& canvas, const GpsFix& fix, const std::vector<CameraRecord>& cameras, double radius);

}  // namespace map_panel
}  // namespace rovex
