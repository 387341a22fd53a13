#pragma once

#include <string>
#include <vector>

#include "converters/converter_result.h"

// Published speed-camera lists (comma-separated text or TomTom OV2) into
// lines of the camera file. The kind of each source is told by its content:
// an OV2 file starts with a record type byte of 0 to 3, which no text does.

namespace rovex::converters {

struct CameraConvertOptions {
  std::string source;
  std::string destination;
  bool append = false;  // otherwise the destination is replaced
  ProgressFunction progress;
};

// Pocket GPS lists start with a header line, which is not converted.
ConverterResult ConvertPocketGpsCameras(const CameraConvertOptions& options);
// Garmin lists are converted from their first line.
ConverterResult ConvertGarminCameras(const CameraConvertOptions& options);

struct MultiCameraConvertOptions {
  std::vector<std::string> sources;  // converted in this order into the one destination
  std::string destination;
  bool append = false;
  bool typePrefix = false;  // name each camera by its kind word, "@" and the speed
  ProgressFunction progress;
};

ConverterResult ConvertMultiPocketGpsCameras(const MultiCameraConvertOptions& options);

// The multi-file rules for the name of a simple OV2 POI: the camera-file
// line it becomes (without the coordinates' formatting rules of other OV2 records).
std::string MultiOv2Name(const std::string& name, bool typePrefix);

}  // namespace rovex::converters
