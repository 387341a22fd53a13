#include "support/recording_poster.h"

#include <chrono>

namespace rovex::testing {

void RecordingPoster::Post(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  {
    std::lock_guard lock(m_mutex);
    m_messages.push_back({message, wParam, lParam});
  }
  m_changed.notify_all();
}

std::vector<RecordingPoster::Posted> RecordingPoster::Messages() const {
  std::lock_guard lock(m_mutex);
  return m_messages;
}

size_t RecordingPoster::Count(uint32_t message) const {
  std::lock_guard lock(m_mutex);
  size_t n = 0;
  for (const auto& m : m_messages) n += m.message == message;
  return n;
}

bool RecordingPoster::WaitFor(uint32_t message, size_t n, int timeoutMs) const {
  std::unique_lock lock(m_mutex);
  return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
    size_t c = 0;
    for (const auto& m : m_messages) c += m.message == message;
    return c >= n;
  });
}

}  // namespace rovex::testing
