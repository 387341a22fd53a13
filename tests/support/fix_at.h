#pragma once

#include <cstdint>

#include "nmea/gps_fix.h"

namespace rovex::testing {

// A fix at a position and a UTC time of day.
inline GpsFix FixAt(double latitude, double longitude, int hour = 12, int minute = 0, int second = 0) {
  GpsFix fix;
  fix.latitude = latitude;
  fix.longitude = longitude;
  fix.utcHour = static_cast<uint8_t>(hour);
  fix.utcMinute = static_cast<uint8_t>(minute);
  fix.utcSecond = static_cast<uint8_t>(second);
  return fix;
}

}  // namespace rovex::testing
