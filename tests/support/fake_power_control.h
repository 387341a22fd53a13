#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/power_control.h"

// A power control that records the requests ("poweroff N", "cancel") and
// answers with a scripted result; onRequest runs before each is recorded.

namespace rovex::testing {

class FakePowerControl final : public PowerControl {
 public:
  Result SchedulePowerOff(unsigned delaySeconds) override {
    if (onRequest) onRequest();
    requests.push_back("poweroff " + std::to_string(delaySeconds));
    return answer;
  }
  Result CancelPowerOff() override {
    if (onRequest) onRequest();
    requests.push_back("cancel");
    return answer;
  }

  Result answer{true, {}};
  std::vector<std::string> requests;
  std::function<void()> onRequest;
};

}  // namespace rovex::testing
