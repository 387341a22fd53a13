#pragma once

#include <ctime>

// Wall-clock time, injectable so that log names, timers and time displays can
// be tested at any hour.

namespace rovex {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::time_t Now() const = 0;
  // Broken-down local time and UTC time of Now().
  virtual std::tm LocalTime() const = 0;
  virtual std::tm UtcTime() const = 0;
};

}  // namespace rovex
