#pragma once

#include <cstdint>
#include <string>

#include "nmea/gps_fix.h"

// The time on screen is the fix's UTC time moved by a whole number of hours
// from the TimeZone setting. Only the hour moves: minutes and seconds are
// shown as received and no date is shown or adjusted.

namespace rovex {

class RegistrySettings;

class LocalTimeZone {
 public:
  // Read at start-up, after the registry check and after the time-zone dialog.
  void Load(const RegistrySettings& settings);

  int OffsetHours() const { return m_offsetHours; }
  void SetOffsetHours(int hours) { m_offsetHours = hours; }

  // utcHour + offset brought into 0..23.
  int DisplayHour(uint8_t utcHour) const;

  // "Time %d:%2.2d:%2.2d" with the displayed hour.
  std::string TimeText(const GpsFix& fix) const;

 private:
  int m_offsetHours = 1;  // the setting's default, until Load
};

}  // namespace rovex
