#pragma once

#include <cstdint>

// The current fix: the only parser values that the rest of the system reads.
// A latitude of exactly 0.0 means "no fix yet". Position comes from GGA only,
// speed and course from RMC only.

namespace rovex {

struct GpsFix {
  uint8_t utcHour = 0;
  uint8_t utcMinute = 0;
  uint8_t utcSecond = 0;
  double latitude = 0.0;   // decimal degrees, north positive
  double longitude = 0.0;  // decimal degrees, east positive
  double altitude = 0.0;   // metres above mean sea level as sent
  double speedKnots = 0.0;
  double courseDegrees = 0.0;
};

}  // namespace rovex
