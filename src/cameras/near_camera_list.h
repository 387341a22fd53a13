#pragma once

#include <vector>

#include "cameras/camera_record.h"
#include "cameras/camera_table.h"

// "Near &Camera List": every camera of the nearby list with its distance from
// the car. Its distances use flat factors of their own, without a latitude
// correction, so they differ slightly from the warnings' distances.

namespace rovex {

struct DialogLayout {
  int tableX, tableY, tableWidth, tableHeight;
  int buttonX, buttonY;
};

class NearCameraList {
 public:
  // list is the nearby list (null when the view has none yet); the origin is the fix.
  static CameraTable Build(const std::vector<CameraRecord>* list, double originLatitude, double originLongitude);

  // "%.3f km", or "empty" when the camera or the origin has no position.
  static std::string DistanceText(const CameraRecord& camera, double originLatitude, double originLongitude);

  // Where the table and the button go for a client area of that size.
  static DialogLayout Layout(int clientWidth, int clientHeight);
};

}  // namespace rovex
