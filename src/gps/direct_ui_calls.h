#pragma once

#include <mutex>

#include "gps/ui_thread_caller.h"

// For programs without an event loop (rovex-cli): calls run at once in the
// calling thread, one at a time, so that the state they touch still sees one
// caller after another.

namespace rovex {

class DirectUiCalls final : public UiThreadCaller {
 public:
  bool Call(const std::function<void()>& task, const std::atomic<bool>* abandon = nullptr) override {
    std::lock_guard lock(m_mutex);
    if (abandon && abandon->load()) return false;
    task();
    return true;
  }
  void Post(std::function<void()> task) override {
    std::lock_guard lock(m_mutex);
    task();
  }
  void WakeWaiters() override {}

 private:
  std::recursive_mutex m_mutex;
};

}  // namespace rovex
