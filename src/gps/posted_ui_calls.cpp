#include "gps/posted_ui_calls.h"

#include <algorithm>

namespace rovex {

bool PostedUiCalls::Call(const std::function<void()>& task, const std::atomic<bool>* abandon) {
  if (std::this_thread::get_id() == m_uiThread) {
    if (abandon && abandon->load()) return false;
    task();
    return true;
  }
  auto item = std::make_shared<Item>();
  item->task = task;
  std::unique_lock lock(m_mutex);
  if (m_shutdown) return false;
  m_queue.push_back(item);
  lock.unlock();
  m_poster.Post(WM_GPS_UI_CALL, 0, 0);
  lock.lock();
  m_changed.wait(lock, [&] {
    return item->state == State::Done || item->state == State::Dropped ||
           (item->state == State::Queued && abandon && abandon->load());
  });
  if (item->state == State::Queued) {
    // Abandoned before it started: it must never run, its captures are about to go.
    m_queue.erase(std::remove(m_queue.begin(), m_queue.end(), item), m_queue.end());
    return false;
  }
  return item->state == State::Done;
}

void PostedUiCalls::Post(std::function<void()> task) {
  auto item = std::make_shared<Item>();
  item->task = std::move(task);
  {
    std::lock_guard lock(m_mutex);
    if (m_shutdown) return;
    m_queue.push_back(std::move(item));
  }
  m_poster.Post(WM_GPS_UI_CALL, 0, 0);
}

void PostedUiCalls::WakeWaiters() {
  std::lock_guard lock(m_mutex);
  m_changed.notify_all();
}

void PostedUiCalls::RunPending() {
  std::unique_lock lock(m_mutex);
  while (!m_queue.empty()) {
    std::shared_ptr<Item> item = m_queue.front();
    m_queue.pop_front();
    item->state = State::Running;
    lock.unlock();
    item->task();
    lock.lock();
    item->state = State::Done;
    m_changed.notify_all();
  }
}

void PostedUiCalls::Shutdown() {
  std::lock_guard lock(m_mutex);
  m_shutdown = true;
  for (auto& item : m_queue) item->state = State::Dropped;
  m_queue.clear();
  m_changed.notify_all();
}

}  // namespace rovex
