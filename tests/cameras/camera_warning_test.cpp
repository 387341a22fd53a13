#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cameras/camera_steps.h"
#include "cameras/camera_voice.h"
#include "cameras/camera_warning.h"
#include "camera_fixture.h"

namespace rovex {
namespace {

using testing::CameraFixture;
using testing::FixAt;
using testing::North;

// Feeds distances to the warning one sentence at a time and records, per
// sentence, the files spoken ("" when none) and the mark afterwards.
struct Drive {
  CameraFixture f;
  CameraDatabase db{f.settings, &f.prompt, nullptr};
  CameraVoice voice{f.settings, &f.voice};
  CameraWarning warning{db, voice};

  std::vector<std::string> Feed(const std::vector<double>& distances, std::vector<double>* marks = nullptr) {
    std::vector<std::string> spoken;
    for (double d : distances) {
      f.voice.Clear();
      warning.UpdateWarning(d);
      std::string files;
      for (const std::string& file : f.voice.Files()) files += (files.empty() ? "" : "+") + file;
      spoken.push_back(files);
      if (marks) marks->push_back(warning.WarningMark());
    }
    return spoken;
  }
};

TEST(CameraWarningTest, MarksAreSpokenAsTheyArePassed) {
  struct Case {
    const char* legend;
    std::vector<double> distances;
    std::vector<std::string> spoken;
    double finalMark;
  };
  const std::vector<Case> cases = {
      {"first found at 850 m: 900 at once", {850}, {"900.wav"}, 800},
      {"first found at 5000 m: nothing, then 1500 below 1500",
       {5000, 4000, 1600, 1450}, {"", "", "", "1500.wav"}, 1400},
      {"1450, 1050, 950", {1450, 1050, 950}, {"1500.wav", "", "1000.wav"}, 900},
      {"a jump over several marks speaks only the last", {1450, 350}, {"1500.wav", "400.wav"}, 300},
      {"80 m speaks 0 once, the mark stays at 0", {150, 80, 40, 10}, {"200.wav", "0.wav", "", ""}, 0},
      {"a distance wavering about a mark repeats it once per fall below it",
       {550, 480, 520, 490, 470, 495}, {"600.wav", "500.wav", "", "500.wav", "", ""}, 400},
      {"driving away speaks nothing and the mark follows",
       {50, 150, 450, 990, 1600, 2500}, {"0.wav", "", "", "", "", ""}, 2400},
      {"a jump to exactly 1000 speaks nothing until below it", {1000, 999}, {"", "1000.wav"}, 900},
  };
  for (const Case& c : cases) {
    Drive drive;
    std::vector<double> marks;
    EXPECT_EQ(c.spoken, drive.Feed(c.distances, &marks)) << c.legend;
    EXPECT_EQ(c.finalMark, marks.back()) << c.legend;
  }
}

TEST(CameraWarningTest, BeyondTheMapAreaTheTextsClearAndTheMarkIs2200) {
  Drive drive;
  drive.Feed({850});
  EXPECT_FALSE(drive.warning.UpdateWarning(12000));
  EXPECT_EQ(2200, drive.warning.WarningMark());
  EXPECT_EQ("No cameras are in the map area", drive.warning.DistanceLine().str());
  // Coming back within 10 km from 2200: 1500 is still heard.
  EXPECT_EQ((std::vector<std::string>{"", "1500.wav"}), drive.Feed({9000, 1400}));
}

TEST(CameraWarningTest, DistancesHeardMuteAndNoVoiceFolder) {
  CameraFixture f;
  CameraVoice voice(f.settings, &f.voice);
  // Only the marks that have a file are heard; the folder is the one in the settings.
  for (double metres : {2000.0, 1500.9, 0.5, 1400.0, 250.0, -1.0, 1e300}) voice.AnnounceDistance(metres);
  EXPECT_EQ((std::vector<std::string>{"2000.wav", "1500.wav", "0.wav"}), f.voice.Files());
  EXPECT_EQ(f.dir.File("Voice") + "/2000.wav", f.voice.Paths()[0]);

  // Both confirmations are heard; nothing in between.
  f.voice.Clear();
  voice.ToggleMute();
  voice.AnnounceDistance(900);
  voice.ToggleMute();
  EXPECT_FALSE(voice.Muted());
  EXPECT_EQ((std::vector<std::string>{"Mute.wav", "Unmute.wav"}), f.voice.Files());

  f.voice.Clear();
  f.store.Delete("Software\\ROVEX", "VoiceFolder");
  voice.PlayVoice(1);
  EXPECT_TRUE(f.voice.Files().empty());
  EXPECT_EQ(std::vector<std::string>{"Unable read the voice folder file name from the registry."}, f.prompt.Texts());
}

class CameraStepsTest : public ::testing::Test {
 protected:
  CameraFixture f;
  double mapRadius = f.settings.ReadMapScale();
  CameraSteps steps{f.settings, &f.prompt, &f.voice, mapRadius, [this] { ++f.stops; }};
  // A sentence's camera work once the list is loaded (the pipeline decides when to rebuild it).
  void Step(const GpsFix& fix) {
    if (!steps.Cameras().List()) steps.RebuildLists(fix);
    steps.UpdateForFix(fix);
  }
};

TEST_F(CameraStepsTest, FillsTheTextsFromTheNearestCameraEarlierInTheFileOnATie) {
  const double lat = North(51.5, 850);
  f.WriteCameras(testing::CameraLine(North(51.5, 2500), -0.1, "MOBILE") +
                 testing::CameraLine(lat, -0.1, "GATSO", "A34", "40") +
                 testing::CameraLine(lat, -0.1, "TRUVELO", "B1", "50"));
  GpsFix fix = FixAt(51.5, -0.1);
  ASSERT_TRUE(steps.RebuildLists(fix));
  steps.UpdateForFix(fix);
  EXPECT_EQ("850m GATSO", steps.Warning().DistanceLine().str());
  EXPECT_EQ("A34", steps.Warning().RoadText().str());
  EXPECT_EQ("40", steps.Warning().SpeedLimitText().str());
  EXPECT_EQ(std::vector<std::string>{"900.wav"}, f.voice.Files());
}

TEST_F(CameraStepsTest, MutedTheMarksAndTextsStillFollow) {
  f.WriteCameras(testing::CameraLine(North(51.5, 850), -0.1, "GATSO"));
  steps.ToggleMute();
  f.voice.Clear();
  GpsFix fix = FixAt(51.5, -0.1);
  Step(fix);
  EXPECT_TRUE(f.voice.Files().empty());
  EXPECT_EQ(800, steps.Warning().WarningMark());
  EXPECT_EQ("850m GATSO", steps.Warning().DistanceLine().str());
}

TEST_F(CameraStepsTest, ACameraWithoutUsablePositionTextDoesNotSilenceTheOthers) {
  // ",,lat,lon" is accepted by position but its Latitude field is empty.
  char odd[100];
  std::snprintf(odd, sizeof odd, ",,%.9f,%.9f,X,,,ODD\n", North(51.5, 100), -0.1);
  f.WriteCameras(odd + testing::CameraLine(North(51.5, 850), -0.1, "GATSO"));
  Step(FixAt(51.5, -0.1));
  ASSERT_EQ(2u, steps.Cameras().List()->size());
  EXPECT_EQ("850m GATSO", steps.Warning().DistanceLine().str());
}

TEST_F(CameraStepsTest, EmptyListOrNoFix) {
  f.WriteCameras("not a camera\n");
  EXPECT_FALSE(steps.RebuildLists(FixAt(0.0, 0.0)));
  EXPECT_TRUE(steps.RebuildLists(FixAt(51.5, -0.1)));
  steps.UpdateForFix(FixAt(51.5, -0.1));
  EXPECT_EQ("No cameras are in the map area", steps.Warning().DistanceLine().str());
  EXPECT_EQ(-1.0, steps.Warning().FindNearestCamera(FixAt(0.0, -0.1)));
}

}  // namespace
}  // namespace rovex
