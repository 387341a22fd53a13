#pragma once

#include "platform/power_control.h"

// The delayed power-off through systemd-logind on the system bus
// (org.freedesktop.login1.Manager ScheduleShutdown and CancelScheduledShutdown).
// A refused request answers with the D-Bus error's text.

namespace rovex {

class QtPowerControl final : public PowerControl {
 public:
  Result SchedulePowerOff(unsigned delaySeconds) override;
  Result CancelPowerOff() override;
};

}  // namespace rovex
