#pragma once

#include <ctime>

#include "platform/clock.h"

// A clock that stands still at a set moment; local time is UTC plus a fixed offset.

namespace rovex::testing {

class FakeClock final : public Clock {
 public:
  explicit FakeClock(std::time_t now = 0, long utcOffsetSeconds = 0) : m_now(now), m_offset(utcOffsetSeconds) {}
  void Set(std::time_t now) { m_now = now; }

  std::time_t Now() const override { return m_now; }
  std::tm LocalTime() const override { return Broken(m_now + m_offset); }
  std::tm UtcTime() const override { return Broken(m_now); }

  // Seconds since the epoch of a UTC date and time.
  static std::time_t Utc(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    return timegm(&tm);
  }

 private:
  static std::tm Broken(std::time_t t) {
    std::tm out{};
    gmtime_r(&t, &out);
    return out;
  }
  std::time_t m_now;
  long m_offset;
};

}  // namespace rovex::testing
