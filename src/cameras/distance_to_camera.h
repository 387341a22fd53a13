#pragma once

#include "cameras/camera_record.h"
#include "nmea/gps_fix.h"

namespace rovex {

// Metres from the fix to the camera, or -1.0 (no fix, or a coordinate of the
// record that reads as 0.0). The record's coordinate texts are read with atof.
double DistanceToCamera(const GpsFix& fix, const CameraRecord& camera);

}  // namespace rovex
