#include "gps/local_time_zone.h"

#include <cstdio>

#include "settings/registry_settings.h"

namespace rovex {

void LocalTimeZone::Load(const RegistrySettings& settings) { m_offsetHours = settings.ReadTimeZoneSetting(); }

int LocalTimeZone::DisplayHour(uint8_t utcHour) const {
  // The setting is free text read with atoi, so the offset may be a day or
  // more away; wrap as often as needed rather than once. In 64 bits, so that
  // no offset atoi can give overflows.
  long long h = (static_cast<long long>(utcHour) + m_offsetHours) % 24;
  if (h < 0) h += 24;
  return static_cast<int>(h);
}

std::string LocalTimeZone::TimeText(const GpsFix& fix) const {
  char text[64];
  std::snprintf(text, sizeof text, "Time %d:%2.2d:%2.2d", DisplayHour(fix.utcHour), fix.utcMinute, fix.utcSecond);
  return text;
}

}  // namespace rovex
