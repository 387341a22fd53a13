#pragma once

#include <string>

#include "converters/converter_result.h"

// GPX files into the program's route files (longitude, latitude, first and
// second description a line): the waypoints and route points with their
// names and descriptions, or every track point numbered.

namespace rovex::converters {

struct GpxToRouteOptions {
  std::string source;
  std::string destination;
  bool append = false;
  ProgressFunction progress;
};

ConverterResult ConvertGpxRouteToCsv(const GpxToRouteOptions& options);
ConverterResult ConvertGpxTrackToCsv(const GpxToRouteOptions& options);

}  // namespace rovex::converters
