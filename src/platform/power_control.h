#pragma once

#include <string>

// Switching the computer off after a delay, and calling that off again while
// the delay runs. On Linux the request goes to systemd-logind; tests use a fake.

namespace rovex {

class PowerControl {
 public:
  struct Result {
    bool ok = false;
    std::string error;  // the service's own text when the request failed
  };
  virtual ~PowerControl() = default;
  // A power-off (not a restart) in delaySeconds, closing every program without asking.
  virtual Result SchedulePowerOff(unsigned delaySeconds) = 0;
  virtual Result CancelPowerOff() = 0;
};

}  // namespace rovex
