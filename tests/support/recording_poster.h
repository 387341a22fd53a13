#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/message_poster.h"

// Records posted messages from any thread and lets a test wait for them.

namespace rovex::testing {

class RecordingPoster final : public MessagePoster {
 public:
  struct Posted {
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
  };

  void Post(uint32_t message, uintptr_t wParam, intptr_t lParam) override {
    {
      std::lock_guard lock(m_mutex);
      m_messages.push_back({message, wParam, lParam});
    }
    m_changed.notify_all();
  }
  std::vector<Posted> Messages() const {
    std::lock_guard lock(m_mutex);
    return m_messages;
  }
  size_t Count(uint32_t message) const {
    std::lock_guard lock(m_mutex);
    return CountLocked(message);
  }
  // Waits until at least n messages of that kind were posted; false on time-out.
  bool WaitFor(uint32_t message, size_t n, int timeoutMs) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return CountLocked(message) >= n; });
  }

 private:
  size_t CountLocked(uint32_t message) const {
    size_t n = 0;
    for (const auto& m : m_messages) n += m.message == message;
    return n;
  }
  mutable std::mutex m_mutex;
  mutable std::condition_variable m_changed;
  std::vector<Posted> m_messages;
};

}  // namespace rovex::testing
