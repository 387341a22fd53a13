#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gps/sentence_pipeline.h"

namespace rovex {
namespace {

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const std::string kRmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";

std::string WithChecksum(const std::string& body) {
  unsigned sum = 0;
  for (unsigned char c : body) sum ^= c;
  char tail[8];
  std::snprintf(tail, sizeof tail, "*%02X", sum);
  return "$" + body + tail;
}

// The camera work, recorded: a rebuild does nothing without a fix, as the real one.
class FakeSteps final : public PipelineSteps {
 public:
  bool busy = false;
  bool rebuildFails = false;
  std::vector<std::string> calls;
  std::vector<double> updateLatitudes;

  bool ListBeingRebuilt() const override { return busy; }
  bool RebuildLists(const GpsFix& fix) override {
    calls.push_back("rebuild");
    return fix.latitude != 0.0 && !rebuildFails;
  }
  void UpdateForFix(const GpsFix& fix) override {
    calls.push_back("update");
    updateLatitudes.push_back(fix.latitude);
  }
  int Rebuilds() const {
    int n = 0;
    for (const auto& c : calls) n += c == "rebuild";
    return n;
  }
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
  EXPECT_EQ(steps.Rebuilds(), 5);
  EXPECT_TRUE(steps.updateLatitudes.empty());
  EXPECT_EQ(pipeline.RefreshCounter(), SentencePipeline::kRefreshStart);
}

TEST_F(Pipeline, WithAFixTheListIsRebuiltEvery62ndSentence) {
  pipeline.Fix().latitude = 52.0;
  std::vector<int> rebuiltAt;
  for (int i = 0; i < 200; ++i) {
    int before = steps.Rebuilds();
    pipeline.RunPipeline();
    if (steps.Rebuilds() > before) rebuiltAt.push_back(i);
  }
  EXPECT_EQ(rebuiltAt, (std::vector<int>{0, 62, 124, 186}));
  EXPECT_EQ(steps.updateLatitudes.size(), 200u);
}

TEST_F(Pipeline, FailedRebuildAsksAgainAndOverridesBringItForward) {
  pipeline.Fix().latitude = 52.0;
  steps.rebuildFails = true;
  pipeline.RunPipeline();
  pipeline.RunPipeline();
  EXPECT_EQ(steps.Rebuilds(), 2);
  steps.rebuildFails = false;
  pipeline.RunPipeline();
  EXPECT_EQ(pipeline.RefreshCounter(), 0);

  pipeline.OnLocationSet();  // 71: rebuilt with this very run
  EXPECT_EQ(steps.Rebuilds(), 4);
  EXPECT_EQ(pipeline.RefreshCounter(), 0);

  pipeline.SetRefreshCounter(SentencePipeline::kRefreshReplay);  // 58: after a few sentences
  for (int i = 0; i < 3; ++i) pipeline.RunPipeline();
  EXPECT_EQ(steps.Rebuilds(), 4);
  pipeline.RunPipeline();
  EXPECT_EQ(steps.Rebuilds(), 5);
}

TEST_F(Pipeline, BusyRebuildStopsBothThePipelineAndTheDrawingPass) {
  steps.busy = true;
  ASSERT_TRUE(mailbox.TryPost(kGga));
  pipeline.RunPipeline();
  EXPECT_TRUE(steps.calls.empty());
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
  std::string bad = kGga.substr(0, kGga.size() - 2) + "48";
  Arrive(bad);
  Arrive(WithChecksum("GNGGA,235959,1000.000,N,01000.000,E,1,08,0.9,1.0,M,1.0,M,,"));  // forwarded, not parsed
  pipeline.SetViewMode(3);
  Arrive(bad);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{
                             "fill", "panels", "mode 0 new " + kGga,
                             "panels", "mode 0 new " + bad + " Bad",
                             "panels", "mode 0 new " + WithChecksum("GNGGA,235959,1000.000,N,01000.000,E,1,08,0.9,1.0,M,1.0,M,,"),
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
  EXPECT_NEAR(ring->Slot(0).longitude, 11.516666, 1e-6);
  Arrive(WithChecksum("GPRMC,123520,A,4807.038,N,01131.000,E,001.0,084.4,230394,003.1,W"));  // 1.0 knot: not above 1
  EXPECT_EQ(ring->WriteIndex(), 0);
  mailbox.Reset();
  pipeline.DrawingPass(&hooks);  // a repaint without a new sentence stores nothing
  EXPECT_EQ(ring->WriteIndex(), 0);

  ASSERT_TRUE(pipeline.SetTrackRecording(false, 500));
  EXPECT_EQ(pipeline.Track(), nullptr);
  Arrive(kRmc);  // recording off: nothing to store into, nothing breaks
}

TEST(TrackRing, LengthPlusOneSlotsWrappingToTheFirst) {
  auto ring = TrackRing::Create(3);
  ASSERT_TRUE(ring);
  EXPECT_EQ(ring->SlotCount(), 4);
  EXPECT_EQ(ring->WriteIndex(), 4);
  std::vector<int> indices;
  for (int i = 1; i <= 6; ++i) {
    ring->Add(i, -i);
    indices.push_back(ring->WriteIndex());
  }
  EXPECT_EQ(indices, (std::vector<int>{0, 1, 2, 3, 0, 1}));
  EXPECT_EQ(ring->Slot(0).latitude, 5.0);
  EXPECT_EQ(ring->Slot(3).longitude, -4.0);
  ring->SetSlot(9, 1, 1);  // out of range: ignored
  ring->SetWriteIndex(77);
  ring->Add(7, 7);  // a restored index beyond the end wraps to the first slot
  EXPECT_EQ(ring->WriteIndex(), 0);
}

}  // namespace
}  // namespace rovex
