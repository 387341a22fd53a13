#pragma once

#include <cstddef>
#include <string_view>

#include "platform/fixed_text.h"

// One camera of the camera database: the eight comma-separated fields of its
// line, each kept as text cut to its width. Coordinates stay text; whoever
// needs them as numbers parses them with atof when needed.

namespace rovex {

struct CameraRecord {
  FixedText<14> Latitude;
  FixedText<14> Longitude;
  FixedText<14> Road;
  FixedText<25> Town;
  FixedText<57> Hazard;  // "Calcs speed cam to cam" for average-speed cameras written by the converters
  FixedText<25> CamType;
  FixedText<3> Permanent;
  FixedText<3> SpeedLimit;

  static constexpr std::size_t kFieldCount = 8;

  // Field 0 to 7 in file order; other indexes are ignored.
  void SetField(std::size_t index, std::string_view text);

  bool operator==(const CameraRecord&) const = default;
};

}  // namespace rovex
