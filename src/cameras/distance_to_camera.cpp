#include "cameras/distance_to_camera.h"

#include "nmea/c_number.h"
#include "nmea/distance.h"

namespace rovex {

double DistanceToCamera(const GpsFix& fix, const CameraRecord& camera) {
  return DistanceFromFix(fix, CAtof(camera.Latitude.c_str()), CAtof(camera.Longitude.c_str()));
}

}  // namespace rovex
