#pragma once

#include <ctime>

#include "platform/clock.h"

// A clock that stands still at a set moment; local time is UTC plus a fixed offset.

namespace rovex::testing {

class FakeClock final : public Clock {
 public:
  explicit FakeClock(std::time_t now = 0, long utcOffsetSeconds = 0) : m_now(now), m_offset(utcOffsetSeconds) {}
  void Set(std::time_t now) { m_now = now; }
  void Advance(long seconds) { m_now += seconds; }

  std::time_t Now() const override { return m_now; }
  std::tm LocalTime() const override;
  std::tm UtcTime() const override;

  // Seconds since the epoch of a UTC date and time.
  static std::time_t Utc(int year, int month, int day, int hour, int minute, int second);

 private:
  std::time_t m_now;
  long m_offset;
};

}  // namespace rovex::testing
