#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "gps/ui_thread_caller.h"
#include "platform/message_poster.h"

// Calls carried to the user interface thread by posting WM_GPS_UI_CALL; that
// thread answers the message with RunPending(). Create it on the user
// interface thread: calls made from that thread itself run at once.

namespace rovex {

class PostedUiCalls final : public UiThreadCaller {
 public:
  explicit PostedUiCalls(MessagePoster& poster) : m_poster(poster), m_uiThread(std::this_thread::get_id()) {}
  ~PostedUiCalls() override { Shutdown(); }

  bool Call(const std::function<void()>& task, const std::atomic<bool>* abandon = nullptr) override;
  void Post(std::function<void()> task) override;
  void WakeWaiters() override;

  // User interface thread, on WM_GPS_UI_CALL: runs every queued task.
  void RunPending();
  // User interface thread, before worker threads are joined at the end: queued
  // tasks are dropped and every call, waiting or later, fails.
  void Shutdown();

 private:
  enum class State { Queued, Running, Done, Dropped };
  struct Item {
    std::function<void()> task;
    State state = State::Queued;
  };

  MessagePoster& m_poster;
  const std::thread::id m_uiThread;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<std::shared_ptr<Item>> m_queue;
  bool m_shutdown = false;
};

}  // namespace rovex
