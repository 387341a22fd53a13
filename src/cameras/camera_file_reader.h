#pragma once

#include <string>
#include <vector>

#include "cameras/camera_exclude_list.h"
#include "cameras/camera_record.h"
#include "nmea/gps_fix.h"

// The straightforward reading of the camera database: every line read and
// judged in turn. It defines what the nearby list holds; the index gives the
// same answer faster.

namespace rovex {

enum class CameraReadStatus { Ok, OpenFailed };

// Appends to out, in file order, every camera of the file within radius metres
// of origin (radius as given: the caller applies any floor), leaving out the
// cameras that excluded names (null: no exclusions).
CameraReadStatus ReadCamerasPlain(const std::string& path, const GpsFix& origin, double radius,
                                  const CameraExcludeList* excluded, std::vector<CameraRecord>* out);

}  // namespace rovex
