#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include "gps/gps_replay.h"
#include "gps/posted_ui_calls.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"
#include "support/wait_until.h"

namespace rovex {
namespace {

// A user interface thread with a message queue: posted messages are handed to
// the calls object, as the view would; work can also be run there directly.
class UiLoop final : public MessagePoster {
 public:
  UiLoop() : m_thread([this] { Loop(); }) {
    RunThere([this] { calls = std::make_unique<PostedUiCalls>(*this); });
  }
  ~UiLoop() override {
    RunThere([this] { calls.reset(); });
    {
      std::lock_guard lock(m_mutex);
      m_quit = true;
    }
    m_changed.notify_all();
    m_thread.join();
  }

  void Post(uint32_t message, uintptr_t, intptr_t) override {
    std::lock_guard lock(m_mutex);
    ++posts;
    m_queue.push_back([this, message] {
      if (message == WM_GPS_UI_CALL && calls && m_pumping) calls->RunPending();
    });
    m_changed.notify_all();
  }
  // Runs fn on the loop thread and waits for it.
  void RunThere(std::function<void()> fn) {
    std::promise<void> done;
    {
      std::lock_guard lock(m_mutex);
      m_queue.push_back([&] {
        fn();
        done.set_value();
      });
    }
    m_changed.notify_all();
    done.get_future().wait();
  }
  // A busy window: messages are taken but calls are not run.
  void SetPumping(bool on) {
    RunThere([this, on] { m_pumping = on; });
  }

  std::unique_ptr<PostedUiCalls> calls;
  std::atomic<int> posts{0};  // a call is queued once its message is posted
  std::thread::id Id() const { return m_thread.get_id(); }

 private:
  void Loop() {
    std::unique_lock lock(m_mutex);
    while (!m_quit || !m_queue.empty()) {
      m_changed.wait(lock, [&] { return m_quit || !m_queue.empty(); });
      while (!m_queue.empty()) {
        auto task = std::move(m_queue.front());
        m_queue.pop_front();
        lock.unlock();
        task();
        lock.lock();
      }
    }
  }

  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<std::function<void()>> m_queue;
  bool m_quit = false;
  bool m_pumping = true;
  std::thread m_thread;
};

TEST(PostedUiCalls, CallsRunOnTheUiThreadAndPostsLater) {
  UiLoop ui;
  std::thread::id ranOn;
  EXPECT_TRUE(ui.calls->Call([&] { ranOn = std::this_thread::get_id(); }));
  EXPECT_EQ(ranOn, ui.Id());

  std::atomic<int> posted{0};
  ui.calls->Post([&] { ++posted; });
  ui.RunThere([] {});  // after the loop went round once more
  EXPECT_EQ(posted.load(), 1);

  // From the user interface thread itself a call runs at once.
  ui.RunThere([&] { EXPECT_TRUE(ui.calls->Call([&] { ranOn = std::this_thread::get_id(); })); });
  EXPECT_EQ(ranOn, ui.Id());
}

TEST(PostedUiCalls, AnAbandonedCallNeverRuns) {
  UiLoop ui;
  ui.SetPumping(false);
  std::atomic<bool> abandon{false};
  bool ran = false;
  bool result = true;
  std::thread worker([&] { result = ui.calls->Call([&] { ran = true; }, &abandon); });
  EXPECT_TRUE(testing::WaitUntil([&] { return ui.posts > 0; }));
  abandon = true;
  ui.calls->WakeWaiters();
  worker.join();
  EXPECT_FALSE(result);
  ui.SetPumping(true);
  ui.RunThere([&] { ui.calls->RunPending(); });
  EXPECT_FALSE(ran);
}

TEST(PostedUiCalls, ShutdownFailsWaitingAndLaterCalls) {
  UiLoop ui;
  ui.SetPumping(false);
  bool result = true;
  std::thread worker([&] { result = ui.calls->Call([] {}); });
  EXPECT_TRUE(testing::WaitUntil([&] { return ui.posts > 0; }));
  ui.RunThere([&] { ui.calls->Shutdown(); });
  worker.join();
  EXPECT_FALSE(result);
  std::thread later([&] { result = ui.calls->Call([] {}); });
  later.join();
  EXPECT_FALSE(result);
}

class QuietView final : public ReplayView {
 public:
  void RedrawNow() override {}
  void RunPipeline() override {}
  void SetRefreshCounter(int) override {}
};

// The view goes while a replay waits for its answer: ending the replay must
// not wait for a user interface thread that is busy ending it.
TEST(PostedUiCalls, ReplayEndsWhileItsQuestionIsUnanswered) {
  UiLoop ui;
  testing::TempDir dir;
  dir.Write("log.txt", "$GPGGA,1\n");
  SentenceMailbox mailbox;
  QuietView view;
  testing::FakePrompt prompt;
  ui.SetPumping(false);  // the question never gets shown
  auto replay = std::make_unique<GpsReplay>(mailbox, view, prompt, *ui.calls);
  ui.RunThere([&] { replay->Start(dir.File("log.txt"), 1); });
  EXPECT_TRUE(testing::WaitUntil([&] { return ui.posts > 0; }));  // the question is waiting
  auto start = std::chrono::steady_clock::now();
  ui.RunThere([&] { replay.reset(); });
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count(),
            1000);
  EXPECT_TRUE(prompt.shown.empty());
}

}  // namespace
}  // namespace rovex
