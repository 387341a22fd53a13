#pragma once

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

  void Post(uint32_t message, uintptr_t wParam, intptr_t lParam) override;

  std::vector<Posted> Messages() const;
  size_t Count(uint32_t message) const;
  // Waits until at least n messages of that kind were posted; false on time-out.
  bool WaitFor(uint32_t message, size_t n, int timeoutMs) const;

 private:
  mutable std::mutex m_mutex;
  mutable std::condition_variable m_changed;
  std::vector<Posted> m_messages;
};

}  // namespace rovex::testing
