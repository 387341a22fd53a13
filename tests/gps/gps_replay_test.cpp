#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "gps/direct_ui_calls.h"
#include "gps/gps_replay.h"
#include "gps/posted_ui_calls.h"
#include "gps/sentence_pipeline.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"
#include "support/wait_until.h"

namespace rovex {
namespace {

using testing::FakePrompt;
using testing::TempDir;

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const std::string kRmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
const std::string kGsv = "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75";

class NoCameras final : public PipelineSteps {
 public:
  bool ListBeingRebuilt() const override { return false; }
  bool RebuildLists(const GpsFix&) override { return false; }
  void UpdateForFix(const GpsFix&) override {}
};

// The view as the replay sees it: each call is recorded in order.
class RecordingView final : public ReplayView {
 public:
  RecordingView(SentenceMailbox& mailbox, SentencePipeline& pipeline) : m_mailbox(mailbox), m_pipeline(pipeline) {}
  std::vector<std::string> calls;
  std::function<void(int drawn)> onDraw;
  int drawn = 0;

  void RedrawNow() override {
    calls.push_back("draw " + std::string(m_mailbox.SentencePending() ? "" : "(not pending) ") + PendingText());
    m_pipeline.DrawingPass(nullptr);
    ++drawn;
    if (onDraw) onDraw(drawn);
  }
  void RunPipeline() override {
    calls.push_back("pipeline");
    m_pipeline.RunPipeline();
  }
  void SetRefreshCounter(int value) override {
    calls.push_back("counter " + std::to_string(value));
    m_pipeline.SetRefreshCounter(value);
  }

 private:
  std::string PendingText() {
    m_mailbox.TakeForDrawing();  // what the pass is about to draw
    return m_mailbox.SharedSentence();
  }
  SentenceMailbox& m_mailbox;
  SentencePipeline& m_pipeline;
};

class Replay : public ::testing::Test {
 protected:
  std::string File(const std::string& content) {
    dir.Write("log.txt", content);
    return dir.File("log.txt");
  }
  void Play(const std::string& path, int delay = 1) {
    replay.Start(path, delay);
    replay.Join();
  }

  TempDir dir;
  SentenceMailbox mailbox;
  NoCameras steps;
  SentencePipeline pipeline{mailbox, steps};
  RecordingView view{mailbox, pipeline};
  FakePrompt prompt;
  DirectUiCalls ui;
  GpsReplay replay{mailbox, view, prompt, ui};
};

const char kStartText[] = "The replay may be stopped at any time by\npressing the Esc key.";

std::string Complete(int lines) {
  return "Replay complete.\n\nExit on zero length string\nLines sent " + std::to_string(lines);
}

// What each kind of line does: drawn (parsed) and then the pipeline, only the
// pipeline for a line of two characters or fewer, the end without its message
// for a last line without a line end.
TEST_F(Replay, EachLineIsDrawnThenPipedAsItsKindAsks) {
  struct Case {
    const char* legend;
    std::string content;
    std::vector<std::string> calls;
    std::vector<std::string> messages;  // after the start question
  };
  const std::vector<Case> cases = {
      {"line ends of any kind are removed",
       kRmc + "\r\r\n" + kGga + "\r\n" + kGsv + "\r",
       {"draw " + kRmc, "pipeline", "draw " + kGga, "pipeline", "draw " + kGsv, "pipeline"},
       {Complete(3)}},
      {"short lines run the pipeline without being drawn",
       "\n" + kGga + "\nab\n\r\n",
       {"pipeline", "draw " + kGga, "pipeline", "pipeline", "pipeline"},
       {Complete(1)}},
      {"long lines are cut to the mailbox", std::string(120, 'x') + "\n",
       {"draw " + std::string(99, 'x'), "pipeline"}, {Complete(1)}},
      {"a last line without a line end plays, then the replay ends quietly", kGga + "\n" + kRmc,
       {"draw " + kGga, "pipeline", "draw " + kRmc, "pipeline"}, {}},
  };
  for (const Case& c : cases) {
    view.calls.clear();
    prompt.shown.clear();
    Play(File(c.content));
    EXPECT_EQ(view.calls, c.calls) << c.legend;
    std::vector<std::string> expected{kStartText};
    expected.insert(expected.end(), c.messages.begin(), c.messages.end());
    EXPECT_EQ(prompt.Texts(), expected) << c.legend;
  }
  EXPECT_NEAR(pipeline.Fix().speedKnots, 22.4, 1e-9) << "the checksums passed: nothing was left on a line";
}

TEST_F(Replay, EscThenNoGoesOnAndEscThenYesStops) {
  std::string content;
  for (int i = 0; i < 6; ++i) content += kGga + "\n";
  std::string path = File(content);
  view.onDraw = [&](int drawn) {
    if (drawn == 3) replay.RequestStop();
  };
  prompt.QueueAnswer(MsgResult::Ok);
  prompt.QueueAnswer(MsgResult::No);
  Play(path);
  EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{kStartText, "Stop replay ?", Complete(6)}));
  EXPECT_EQ(prompt.shown[1].buttons, MsgButtons::YesNo);

  view.calls.clear();
  view.drawn = 0;
  prompt.shown.clear();
  prompt.QueueAnswer(MsgResult::Ok);
  prompt.QueueAnswer(MsgResult::Yes);
  view.onDraw = [&](int) { replay.RequestStop(); };
  auto start = std::chrono::steady_clock::now();
  Play(path, 100000);  // Esc also cuts the wait short
  EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count(), 5);
  EXPECT_EQ(view.drawn, 1);
  EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{kStartText, "Stop replay ?"}));
}

TEST_F(Replay, CancelAndMissingFile) {
  prompt.QueueAnswer(MsgResult::Cancel);
  Play(File(kGga + "\n"));
  EXPECT_TRUE(view.calls.empty());
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kStartText});

  prompt.shown.clear();
  Play(dir.File("none.txt"));
  EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{kStartText, "Error can't open the log file\n" + dir.File("none.txt")}));

  // A folder opens but cannot be read: an error, never "Replay complete" with 0 lines.
  prompt.shown.clear();
  Play(dir.Path());
  ASSERT_EQ(prompt.Texts().size(), 2u);
  EXPECT_EQ(prompt.Texts()[1], "Error can't read the log file\n" + dir.Path() + "\nIs a directory");
}

TEST_F(Replay, TheCommandBringsTheCameraRebuildForwardWhateverTheAnswer) {
  replay.ReplayLogFile([](CDlgReplay&) { return false; });
  replay.Join();
  EXPECT_EQ(view.calls, std::vector<std::string>{"counter 58"});
  EXPECT_FALSE(replay.Running());

  view.calls.clear();
  replay.ReplayLogFile([](CDlgReplay& d) {
    d.m_fileName.clear();
    return true;
  });
  replay.Join();
  EXPECT_EQ(view.calls, std::vector<std::string>{"counter 58"});

  view.calls.clear();
  std::string path = File(kGga + "\n");
  replay.ReplayLogFile([&](CDlgReplay& d) {
    d.m_fileName = path;
    d.m_delay = "-5";  // played at the shortest delay
    return true;
  });
  replay.Join();
  EXPECT_EQ(view.calls, (std::vector<std::string>{"counter 58", "draw " + kGga, "pipeline"}));
  EXPECT_EQ(prompt.shown.back().text, Complete(1));
}

TEST_F(Replay, TheDelayPacesTheLines) {
  auto start = std::chrono::steady_clock::now();
  Play(File(kGga + "\n" + kGga + "\n" + kGga + "\n"), 150);
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(ms, 440);
  EXPECT_LT(ms, 3000);
}

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

// The view goes while a replay waits for its answer: ending the replay must
// not wait for a user interface thread that is busy ending it.
TEST(PostedUiCalls, ReplayEndsWhileItsQuestionIsUnanswered) {
  UiLoop ui;
  testing::TempDir dir;
  dir.Write("log.txt", "$GPGGA,1\n");
  SentenceMailbox mailbox;
  NoCameras steps;
  SentencePipeline pipeline{mailbox, steps};
  RecordingView view{mailbox, pipeline};
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
