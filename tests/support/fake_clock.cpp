#include "support/fake_clock.h"

namespace rovex::testing {

std::tm FakeClock::LocalTime() const {
  std::time_t t = m_now + m_offset;
  std::tm out{};
  gmtime_r(&t, &out);
  return out;
}

std::tm FakeClock::UtcTime() const {
  std::tm out{};
  gmtime_r(&m_now, &out);
  return out;
}

std::time_t FakeClock::Utc(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  return timegm(&tm);
}

}  // namespace rovex::testing
