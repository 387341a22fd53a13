#pragma once

#include <atomic>
#include <functional>

// How a worker thread of GPS input (replay, send log, serial reader) gets work
// done on the user interface thread, which alone owns the view's state.

namespace rovex {

class UiThreadCaller {
 public:
  virtual ~UiThreadCaller() = default;

  // Runs the task on the user interface thread and returns when it has run:
  // true. False when it did not run and never will: the interface is shutting
  // down, or *abandon became true while waiting (see WakeWaiters).
  virtual bool Call(const std::function<void()>& task, const std::atomic<bool>* abandon = nullptr) = 0;
  // Queues the task without waiting. It must own everything it uses.
  virtual void Post(std::function<void()> task) = 0;
  // Makes waiting callers look at their abandon flags again.
  virtual void WakeWaiters() = 0;
};

}  // namespace rovex
