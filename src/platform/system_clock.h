#pragma once

#include "platform/clock.h"

// The machine's own clock and time zone.

namespace rovex {

class SystemClock final : public Clock {
 public:
  std::time_t Now() const override;
  std::tm LocalTime() const override;
  std::tm UtcTime() const override;
};

}  // namespace rovex
