#include "platform/system_clock.h"

namespace rovex {

std::time_t SystemClock::Now() const { return std::time(nullptr); }

std::tm SystemClock::LocalTime() const {
  std::time_t t = Now();
  std::tm out{};
  localtime_r(&t, &out);
  return out;
}

std::tm SystemClock::UtcTime() const {
  std::time_t t = Now();
  std::tm out{};
  gmtime_r(&t, &out);
  return out;
}

}  // namespace rovex
