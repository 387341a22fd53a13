#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "gps/direct_ui_calls.h"
#include "gps/gps_replay.h"
#include "gps/posted_ui_calls.h"
#include "gps/sentence_mailbox.h"
#include "gps/sentence_pipeline.h"
#include "support/fake_prompt.h"
#include "support/nmea_checksum.h"
#include "support/recording_poster.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const std::string kRmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";

using testing::WithChecksum;

// The camera work, recorded: a rebuild does nothing without a fix, as the real one.
class FakeSteps final : public PipelineSteps {
 public:
  bool busy = false;
  bool rebuildFails = false;
  int rebuilds = 0;
  std::vector<double> updateLatitudes;

  bool ListBeingRebuilt() const override { return busy; }
  bool RebuildLists(const GpsFix& fix) override {
    ++rebuilds;
    return fix.latitude != 0.0 && !rebuildFails;
  }
  void UpdateForFix(const GpsFix& fix) override { updateLatitudes.push_back(fix.latitude); }
};

class RecordingHooks final : public DrawingHooks {
 public:
  std::vector<std::string> calls;
  std::function<void()> duringDraw;
  void FillBackground() override { calls.push_back("fill"); }
  void DrawPanels() override { calls.push_back("panels"); }
  void DrawMode(int mode, const char* sentence, bool pending) override {
    calls.push_back("mode " + std::to_string(mode) + (pending ? " new " : " old ") + sentence);
    if (duringDraw) duringDraw();
  }
};

class Pipeline : public ::testing::Test {
 protected:
  // A sentence arrives and the view answers WM_GPS_SENTENCE.
  void Arrive(const std::string& sentence) {
    ASSERT_TRUE(mailbox.TryPost(sentence));
    pipeline.OnGpsSentence([&] { pipeline.DrawingPass(&hooks); });
  }

  SentenceMailbox mailbox;
  FakeSteps steps;
  RecordingHooks hooks;
  SentencePipeline pipeline{mailbox, steps};
};

TEST_F(Pipeline, FailedRebuildAsksAgainAndOverridesBringItForward) {
  pipeline.Fix().latitude = 52.0;
  steps.rebuildFails = true;
  pipeline.RunPipeline();
  pipeline.RunPipeline();
  EXPECT_EQ(steps.rebuilds, 2);
  steps.rebuildFails = false;
  pipeline.RunPipeline();
  EXPECT_EQ(pipeline.RefreshCounter(), 0);

  pipeline.OnLocationSet();  // 71: rebuilt with this very run
  EXPECT_EQ(steps.rebuilds, 4);
  EXPECT_EQ(pipeline.RefreshCounter(), 0);

  pipeline.SetRefreshCounter(SentencePipeline::kRefreshReplay);  // 58: after a few sentences
  for (int i = 0; i < 3; ++i) pipeline.RunPipeline();
  EXPECT_EQ(steps.rebuilds, 4);
  pipeline.RunPipeline();
  EXPECT_EQ(steps.rebuilds, 5);
}

TEST_F(Pipeline, BusyRebuildStopsBothThePipelineAndTheDrawingPass) {
  steps.busy = true;
  ASSERT_TRUE(mailbox.TryPost(kGga));
  pipeline.RunPipeline();
  EXPECT_TRUE(steps.rebuilds == 0 && steps.updateLatitudes.empty());
  EXPECT_EQ(pipeline.DrawingPass(&hooks), SentencePipeline::PassEnd::Busy);
  EXPECT_TRUE(hooks.calls.empty());
  EXPECT_TRUE(mailbox.SentencePending());  // the next full pass handles it
  EXPECT_EQ(pipeline.Fix().latitude, 0.0);
  steps.busy = false;
  EXPECT_EQ(pipeline.DrawingPass(&hooks), SentencePipeline::PassEnd::Done);
  EXPECT_FALSE(mailbox.SentencePending());
  EXPECT_NEAR(pipeline.Fix().latitude, 48.1173, 1e-9);
}

TEST_F(Pipeline, CameraWorkUsesTheFixOfTheSentenceBefore) {
  Arrive(kGga);
  EXPECT_TRUE(steps.updateLatitudes.empty());  // parsed only after the pipeline ran
  EXPECT_NEAR(pipeline.Fix().latitude, 48.1173, 1e-9);
  Arrive(WithChecksum("GPGGA,123520,5000.000,N,00100.000,E,1,08,0.9,545.4,M,46.9,M,,"));
  ASSERT_EQ(steps.updateLatitudes.size(), 1u);
  EXPECT_NEAR(steps.updateLatitudes[0], 48.1173, 1e-9);
  EXPECT_NEAR(pipeline.Fix().latitude, 50.0, 1e-9);
}

TEST_F(Pipeline, DrawingPassParsesGoodSentencesAndMarksBadOnes) {
  pipeline.RequestBackgroundFill();
  Arrive(kGga);
  const std::string bad = kGga.substr(0, kGga.size() - 2) + "48";
  const std::string gn = WithChecksum("GNGGA,235959,1000.000,N,01000.000,E,1,08,0.9,1.0,M,1.0,M,,");
  Arrive(bad);
  Arrive(gn);  // forwarded, not parsed
  pipeline.SetViewMode(3);
  Arrive(bad);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{
                             "fill", "panels", "mode 0 new " + kGga,
                             "panels", "mode 0 new " + bad + " Bad",
                             "panels", "mode 0 new " + gn,
                             "panels", "mode 3 new " + bad,
                         }));
  EXPECT_NEAR(pipeline.Fix().latitude, 48.1173, 1e-9);  // neither the bad nor the GN sentence moved it
  EXPECT_EQ(pipeline.Fix().utcHour, 12);

  hooks.calls.clear();  // a repaint with nothing new draws the last sentence again
  EXPECT_EQ(pipeline.DrawingPass(&hooks), SentencePipeline::PassEnd::Done);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"panels", "mode 3 old " + bad}));
}

TEST_F(Pipeline, EmptyFirstFieldDrawsNothingButDoesNotBlockTheReader) {
  EXPECT_EQ(pipeline.DrawingPass(&hooks), SentencePipeline::PassEnd::Done);  // nothing received yet: still drawn
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"panels", "mode 0 old "}));
  hooks.calls.clear();
  ASSERT_TRUE(mailbox.TryPost("$,GGA,1"));
  EXPECT_EQ(pipeline.DrawingPass(&hooks), SentencePipeline::PassEnd::NoFirstField);
  EXPECT_TRUE(hooks.calls.empty());
  EXPECT_FALSE(mailbox.SentencePending());
  EXPECT_TRUE(mailbox.TryPost(kGga));  // the next sentence gets through

  pipeline.SetViewMode(kViewModeTrackEditor);  // the editor and the atlas draw anyway
  pipeline.DrawingPass(&hooks);
  hooks.calls.clear();
  ASSERT_TRUE(mailbox.TryPost("$*GGA"));
  EXPECT_EQ(pipeline.DrawingPass(&hooks), SentencePipeline::PassEnd::Done);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"mode 5 new $*GGA"}));
}

TEST_F(Pipeline, ASentencePlacedDuringThePassIsLeftForItsOwnPass) {
  hooks.duringDraw = [&] { mailbox.TryPost(kRmc); };  // the reader, while the view draws an old sentence
  pipeline.DrawingPass(&hooks);
  EXPECT_TRUE(mailbox.SentencePending());
  hooks.duringDraw = nullptr;
  pipeline.DrawingPass(&hooks);
  EXPECT_EQ(hooks.calls.back(), "mode 0 new " + kRmc);
}

TEST_F(Pipeline, StateWorkRunsWhenTheWindowCannotPaint) {
  pipeline.RequestBackgroundFill();
  ASSERT_TRUE(mailbox.TryPost(kGga));
  pipeline.OnGpsSentence([] {});  // hidden window: no paint happened
  EXPECT_FALSE(mailbox.SentencePending());
  EXPECT_NEAR(pipeline.Fix().latitude, 48.1173, 1e-9);
  pipeline.DrawingPass(&hooks);  // shown again: the fill asked for is still done
  EXPECT_EQ(hooks.calls.front(), "fill");
}

TEST_F(Pipeline, MovingCarFillsTheTrackRing) {
  ASSERT_TRUE(pipeline.SetTrackRecording(true, 500));
  Arrive(kGga);
  Arrive(kRmc);  // 22.4 knots: the position goes to slot 0
  TrackRing* ring = pipeline.Track();
  ASSERT_TRUE(ring);
  EXPECT_EQ(ring->WriteIndex(), 0);
  EXPECT_NEAR(ring->Slot(0).latitude, 48.1173, 1e-9);
  pipeline.DrawingPass(&hooks);  // a repaint without a new sentence stores nothing, even at speed
  EXPECT_EQ(ring->WriteIndex(), 0);
  Arrive(WithChecksum("GPRMC,123520,A,4807.038,N,01131.000,E,001.0,084.4,230394,003.1,W"));  // 1.0 knot: not above 1
  EXPECT_EQ(ring->WriteIndex(), 0);
  ASSERT_TRUE(pipeline.SetTrackRecording(false, 500));
  EXPECT_EQ(pipeline.Track(), nullptr);
}

TEST(SentenceMailbox, OneSlotDropsWhileFullCutsLongLinesAndMarksBad) {
  SentenceMailbox box;
  EXPECT_FALSE(box.TakeForDrawing());
  EXPECT_TRUE(box.TryPost("$GPGGA,1*00"));
  EXPECT_FALSE(box.TryPost("$GPGGA,2"));  // dropped, not queued
  ASSERT_TRUE(box.TakeForDrawing());
  box.AppendWhilePending(" Bad");
  EXPECT_STREQ(box.SharedSentence(), "$GPGGA,1*00 Bad");
  box.Release();
  box.AppendWhilePending(" Bad");  // only while pending
  EXPECT_FALSE(box.TakeForDrawing());
  EXPECT_STREQ(box.SharedSentence(), "$GPGGA,1*00 Bad") << "the last sentence drawn stays what is shown";

  box.TryPost("$GPGGA,reader");
  box.Overwrite("$GPGSV,replay");  // the replay's line replaces a reader's still waiting
  ASSERT_TRUE(box.TakeForDrawing());
  EXPECT_STREQ(box.SharedSentence(), "$GPGSV,replay");
}

// Two producers and a consumer at full speed: every sentence the consumer
// sees is one that was posted, whole (each carries its own length as a check).
TEST(SentenceMailbox, ConcurrentProducersNeverTearASentence) {
  SentenceMailbox box;
  std::atomic<bool> done{false};
  auto producer = [&](char tag) {
    for (int i = 0; !done.load(); ++i) {
      int n = 10 + i % 80;
      std::string s = "$" + std::string(1, tag) + std::to_string(n) + ":" + std::string(n, tag);
      box.TryPost(s);
    }
  };
  std::thread a(producer, 'a');
  std::thread b(producer, 'b');
  int seen = 0;
  for (int i = 0; i < 20000; ++i) {
    if (box.TakeForDrawing()) {
      std::string s = box.SharedSentence();
      ASSERT_GE(s.size(), 4u);
      char tag = s[1];
      size_t colon = s.find(':');
      ASSERT_NE(colon, std::string::npos) << s;
      int n = std::stoi(s.substr(2, colon - 2));
      EXPECT_EQ(s.substr(colon + 1), std::string(static_cast<size_t>(n), tag)) << s;
      ++seen;
      box.Release();
    }
    if (i % 100 == 0) box.Overwrite("$r4:rrrr");  // the replay, from this (the user interface) thread
  }
  done = true;
  a.join();
  b.join();
  EXPECT_GT(seen, 0);
}

using testing::FakePrompt;
using testing::TempDir;

const std::string kGsv = "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75";

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
  FakeSteps steps;
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
  replay.ReplayLogFile([](CDlgReplay&) { return false; });  // cancelled
  replay.Join();
  EXPECT_EQ(view.calls, std::vector<std::string>{"counter 58"});
  EXPECT_FALSE(replay.Running());

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

// The test thread is the user interface thread: it runs the posted calls
// when the poster has seen their message, as the view does.
TEST(PostedUiCalls, CallsRunOnTheUiThreadAndPostsLater) {
  testing::RecordingPoster poster;
  PostedUiCalls calls(poster);
  std::thread::id ranOn;
  bool result = false;
  std::thread worker([&] { result = calls.Call([&] { ranOn = std::this_thread::get_id(); }); });
  ASSERT_TRUE(poster.WaitFor(WM_GPS_UI_CALL, 1, 3000));
  calls.RunPending();
  worker.join();
  EXPECT_TRUE(result);
  EXPECT_EQ(ranOn, std::this_thread::get_id());

  int posted = 0;
  calls.Post([&] { ++posted; });
  EXPECT_EQ(posted, 0);
  calls.RunPending();
  EXPECT_EQ(posted, 1);
  EXPECT_TRUE(calls.Call([&] { ++posted; })) << "from the user interface thread a call runs at once";
  EXPECT_EQ(posted, 2);
}

TEST(PostedUiCalls, AnAbandonedCallNeverRunsAndShutdownFailsWaitingAndLaterCalls) {
  testing::RecordingPoster poster;
  PostedUiCalls calls(poster);
  std::atomic<bool> abandon{false};
  bool ran = false;
  bool result = true;
  std::thread worker([&] { result = calls.Call([&] { ran = true; }, &abandon); });
  ASSERT_TRUE(poster.WaitFor(WM_GPS_UI_CALL, 1, 3000));
  abandon = true;
  calls.WakeWaiters();
  worker.join();
  EXPECT_FALSE(result);
  calls.RunPending();
  EXPECT_FALSE(ran);

  result = true;
  std::thread waiting([&] { result = calls.Call([] {}); });
  ASSERT_TRUE(poster.WaitFor(WM_GPS_UI_CALL, 2, 3000));
  calls.Shutdown();
  waiting.join();
  EXPECT_FALSE(result);
  std::thread later([&] { result = calls.Call([] {}); });
  later.join();
  EXPECT_FALSE(result);
}

// The view goes while a replay waits for its answer: ending the replay must
// not wait for a user interface thread that is busy ending it.
TEST(PostedUiCalls, ReplayEndsWhileItsQuestionIsUnanswered) {
  testing::RecordingPoster poster;
  PostedUiCalls calls(poster);
  testing::TempDir dir;
  dir.Write("log.txt", "$GPGGA,1\n");
  SentenceMailbox mailbox;
  FakeSteps steps;
  SentencePipeline pipeline{mailbox, steps};
  RecordingView view{mailbox, pipeline};
  testing::FakePrompt prompt;
  auto replay = std::make_unique<GpsReplay>(mailbox, view, prompt, calls);
  replay->Start(dir.File("log.txt"), 1);
  ASSERT_TRUE(poster.WaitFor(WM_GPS_UI_CALL, 1, 3000));  // the question is waiting
  auto start = std::chrono::steady_clock::now();
  replay.reset();
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count(),
            1000);
  EXPECT_TRUE(prompt.shown.empty());
}

}  // namespace
}  // namespace rovex
