#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "gps/sentence_mailbox.h"
#include "gps/sentence_pipeline.h"
#include "support/nmea_checksum.h"

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

TEST_F(Pipeline, WithoutAFixEverySentenceAsksForARebuildThatDoesNothing) {
  for (int i = 0; i < 5; ++i) pipeline.RunPipeline();
  EXPECT_EQ(steps.rebuilds, 5);
  EXPECT_TRUE(steps.updateLatitudes.empty());
  EXPECT_EQ(pipeline.RefreshCounter(), SentencePipeline::kRefreshStart);
}

TEST_F(Pipeline, WithAFixTheListIsRebuiltEvery62ndSentence) {
  pipeline.Fix().latitude = 52.0;
  std::vector<int> rebuiltAt;
  for (int i = 0; i < 200; ++i) {
    int before = steps.rebuilds;
    pipeline.RunPipeline();
    if (steps.rebuilds > before) rebuiltAt.push_back(i);
  }
  EXPECT_EQ(rebuiltAt, (std::vector<int>{0, 62, 124, 186}));
  EXPECT_EQ(steps.updateLatitudes.size(), 200u);
}

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
  Arrive(WithChecksum("GPRMC,123520,A,4807.038,N,01131.000,E,001.0,084.4,230394,003.1,W"));  // 1.0 knot: not above 1
  EXPECT_EQ(ring->WriteIndex(), 0);
  mailbox.Reset();
  pipeline.DrawingPass(&hooks);  // a repaint without a new sentence stores nothing
  EXPECT_EQ(ring->WriteIndex(), 0);
}

TEST(TrackRing, LengthPlusOneSlotsWrappingToTheFirst) {
  auto ring = TrackRing::Create(3);
  ASSERT_TRUE(ring);
  EXPECT_EQ(ring->WriteIndex(), 4);
  std::vector<int> indices;
  for (int i = 1; i <= 6; ++i) {
    ring->Add(i, -i);
    indices.push_back(ring->WriteIndex());
  }
  EXPECT_EQ(indices, (std::vector<int>{0, 1, 2, 3, 0, 1}));
  EXPECT_EQ(ring->Slot(0).latitude, 5.0);
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
  box.Overwrite("$GPGSV,replay");
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

}  // namespace
}  // namespace rovex
