#pragma once

#include <optional>
#include <string>

#include "platform/fixed_text.h"

// One point of a route: where it is, as the file wrote it, and the two texts
// shown beside it and spoken as the driver approaches it.

namespace rovex {

struct RoutePoint {
  // Metres from the car at the last measuring; meaningful only when measured.
  double distance = 0.0;
  // A point is measured once it has a Desc. 1 and a usable position and a fix
  // was there to measure it from; only measured points can be the nearest.
  bool measured = false;
  FixedText<9> longitude;
  FixedText<9> latitude;
  std::optional<std::string> desc1;  // absent when the field is missing or empty
  std::optional<std::string> desc2;
};

}  // namespace rovex
