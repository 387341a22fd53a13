#pragma once

#include <chrono>
#include <functional>
#include <thread>

// Polls a condition until it holds or a deadline passes: tests wait for what they
// need to see rather than for a fixed time, so a loaded machine only makes them slower.

namespace rovex::testing {

inline bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

}  // namespace rovex::testing
