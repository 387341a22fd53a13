#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "camera_fixture.h"
#include "cameras/camera_steps.h"
#include "cameras/camera_voice.h"
#include "cameras/camera_warning.h"

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
      {"a jump over several marks speaks only the last", {1450, 350}, {"1500.wav", "400.wav"}, 300},
      {"80 m speaks 0 once, the mark stays at 0", {150, 80, 40, 10}, {"200.wav", "0.wav", "", ""}, 0},
      {"a distance wavering about a mark repeats it once per fall below it",
       {550, 480, 520, 490, 470, 495}, {"600.wav", "500.wav", "", "500.wav", "", ""}, 400},
      {"driving away speaks nothing and the mark follows",
       {50, 150, 450, 990, 1600, 2500}, {"0.wav", "", "", "", "", ""}, 2400},
      {"a jump to exactly 1000 speaks nothing until below it", {1000, 999}, {"", "1000.wav"}, 900},
      {"beyond the map area (10 km) the mark is 2200: 1500 is heard on coming back",
       {850, 12000, 1400}, {"900.wav", "", "1500.wav"}, 1400},
  };
  for (const Case& c : cases) {
    Drive drive;
    std::vector<double> marks;
    EXPECT_EQ(c.spoken, drive.Feed(c.distances, &marks)) << c.legend;
    EXPECT_EQ(c.finalMark, marks.back()) << c.legend;
  }
}

TEST(CameraWarningTest, DistancesHeardAndNoVoiceFolder) {
  CameraFixture f;
  CameraVoice voice(f.settings, &f.voice);
  // Only the marks that have a file are heard; the folder is the one in the settings.
  for (double metres : {2000.0, 1500.9, 0.5, 1400.0, 250.0, -1.0, 1e300}) voice.AnnounceDistance(metres);
  EXPECT_EQ((std::vector<std::string>{"2000.wav", "1500.wav", "0.wav"}), f.voice.Files());
  EXPECT_EQ(f.dir.File("Voice") + "/2000.wav", f.voice.Paths()[0]);

  f.voice.Clear();
  f.store.Delete("Software\\ROVEX", "VoiceFolder");
  voice.PlayVoice(1);
  EXPECT_TRUE(f.voice.Files().empty());
  EXPECT_EQ(std::vector<std::string>{"Unable read the voice folder file name from the registry."}, f.prompt.Texts());
}

// Warnings still waiting their turn when the driver mutes are dropped: the
// confirmation is the last thing heard, and unmuting plays only its own.
TEST(CameraVoiceMute, MutingDropsWarningsStillWaiting) {
  testing::CameraFixture f;
  CameraVoice voice(f.settings, &f.voice);
  voice.AnnounceDistance(1000);
  voice.AnnounceDistance(900);
  voice.ToggleMute();
  EXPECT_EQ(f.voice.Waiting(), (std::vector<std::string>{"Mute.wav"}));
  EXPECT_EQ(f.voice.Silences(), 1);

  voice.AnnounceDistance(800);
  voice.ToggleMute();
  EXPECT_EQ(f.voice.Waiting(), (std::vector<std::string>{"Mute.wav", "Unmute.wav"})) << "unmuting drops nothing";
  voice.AnnounceDistance(700);
  EXPECT_EQ(f.voice.Waiting(), (std::vector<std::string>{"Mute.wav", "Unmute.wav", "700.wav"}));
  EXPECT_EQ(f.voice.Files(), (std::vector<std::string>{"1000.wav", "900.wav", "Mute.wav", "Unmute.wav", "700.wav"}));
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

TEST_F(CameraStepsTest, ACameraWithoutUsablePositionTextDoesNotSilenceTheOthers) {
  // ",,lat,lon" is accepted by position but its Latitude field is empty.
  char odd[100];
  std::snprintf(odd, sizeof odd, ",,%.9f,%.9f,X,,,ODD\n", North(51.5, 100), -0.1);
  f.WriteCameras(odd + testing::CameraLine(North(51.5, 850), -0.1, "GATSO"));
  Step(FixAt(51.5, -0.1));
  ASSERT_EQ(2u, steps.Cameras().List()->size());
  EXPECT_EQ("850m GATSO", steps.Warning().DistanceLine().str());
}




constexpr double kBase = 51.5;
constexpr double kLon = -0.1;

// Two average-speed cameras 3 km apart on one road, and a fixed camera aside.
class SpecsZoneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.WriteCameras(testing::CameraLine(kBase, kLon, "SPECS") + testing::CameraLine(North(kBase, 3000), kLon, "Specs") +
                   testing::CameraLine(North(kBase, 1500), kLon - 0.05, "GATSO"));
  }

  // The car at metres north of the first camera, at a time of day in seconds.
  GpsFix At(double metres, int seconds) {
    seconds = ((seconds % 86400) + 86400) % 86400;
    return FixAt(North(kBase, metres), kLon, seconds / 3600, seconds / 60 % 60, seconds % 60);
  }

  // Drives north at 20 m/s from 1 km before the first camera, one fix a
  // second; the average-speed line after each position, by metres.
  std::map<int, std::string> Drive(int startSeconds, int toMetres = 3600) {
    std::map<int, std::string> lines;
    for (int t = 0; -1000 + 20 * t <= toMetres; ++t) {
      int metres = -1000 + 20 * t;
      Step(At(metres, startSeconds + t));
      lines[metres] = steps.Specs().SpecsLine().str();
    }
    return lines;
  }

  int SpecsPlayed() const {
    auto files = f.voice.Files();
    return static_cast<int>(std::count(files.begin(), files.end(), "Specs.wav"));
  }

  CameraFixture f;
  double mapRadius = f.settings.ReadMapScale();
  CameraSteps steps{f.settings, &f.prompt, &f.voice, mapRadius, [this] { ++f.stops; }};
  // A sentence's camera work, the list rebuilt every 62nd sentence as the pipeline does.
  void Step(const GpsFix& fix) {
    if (sentences++ % 62 == 0) steps.RebuildLists(fix);
    steps.UpdateForFix(fix);
  }
  int sentences = 0;
};

TEST_F(SpecsZoneTest, NoTimeElapsedOrMidnightShowsNoAverage) {
  // Two fixes in the same second right after the start.
  Step(At(0, 500));
  Step(At(20, 500));
  EXPECT_EQ("Specs camera, calcs speed cam to cam", steps.Specs().SpecsLine().str());
  EXPECT_EQ(1, SpecsPlayed());
  Step(At(40, 501));
  EXPECT_EQ("T 1, D 40, Av 89 mph", steps.Specs().SpecsLine().str());

  // A trip across midnight UTC.
  steps.Specs().ResetSpecs();
  auto lines = Drive(24 * 3600 - 55, 400);
  EXPECT_EQ("T 1, D 20, Av 45 mph", lines[20]);
  EXPECT_EQ("Specs camera, calcs speed cam to cam", lines[100]);
  EXPECT_EQ("Specs camera, calcs speed cam to cam", lines[400]);
  for (const auto& [metres, line] : lines) {
    EXPECT_EQ(std::string::npos, line.find("inf")) << metres;
    EXPECT_EQ(std::string::npos, line.find("nan")) << metres;
    EXPECT_EQ(std::string::npos, line.find('-')) << metres;
  }
}

TEST_F(SpecsZoneTest, TheSpaceKeyStartsAndClearsAManualTrip) {
  steps.SpaceKey(FixAt(0.0, 0.0));
  EXPECT_EQ("No position, can't set Specs start.", steps.Specs().SpecsLine().str());
  EXPECT_FALSE(steps.Specs().Started());

  f.WriteCameras(testing::CameraLine(North(kBase, 1500), kLon - 0.02, "GATSO"));
  Step(At(0, 0));
  steps.SpaceKey(At(0, 0));
  EXPECT_TRUE(steps.Specs().Manual());
  EXPECT_EQ("Specs camera, calcs speed cam to cam", steps.Specs().SpecsLine().str());
  for (int t = 1; t <= 10; ++t) Step(At(20 * t, t));
  EXPECT_EQ("Trip T 10, D 200, Av 45 mph", steps.Specs().SpecsLine().str())
      << "a manual trip away from any average-speed camera";
  steps.SpaceKey(At(200, 10));
  EXPECT_FALSE(steps.Specs().Started());
  EXPECT_EQ("", steps.Specs().SpecsLine().str());
  EXPECT_EQ(0, SpecsPlayed());
}

TEST_F(SpecsZoneTest, LeavingTheMapAreaEndsTheTrip) {
  Step(At(0, 0));
  Step(At(20, 1));
  ASSERT_TRUE(steps.Specs().Started());
  // 12 km away, beyond the map-area limit (the list is not rebuilt yet).
  Step(At(-12000, 600));
  EXPECT_FALSE(steps.Specs().Started());
  EXPECT_EQ("", steps.Specs().SpecsLine().str());
  EXPECT_EQ("No cameras are in the map area", steps.Warning().DistanceLine().str());
}



// The length in seconds and the loudest sample of a 16-bit PCM wave file with the
// 44-byte header sox writes, or a reason it is not one.
std::string InspectWave(const std::string& path, double* seconds, int* peak) {
  std::ifstream f(path, std::ios::binary);
  const std::string s((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  auto le = [&s](size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | uint8_t(s[at + static_cast<size_t>(i)]);
    return v;
  };
  if (s.size() < 44 || s.compare(0, 4, "RIFF") || s.compare(8, 8, "WAVEfmt ") || s.compare(36, 4, "data")) {
    return "not a plain RIFF WAVE file";
  }
  if (le(20, 2) != 1 || le(34, 2) != 16 || le(28, 4) == 0) return "not 16-bit PCM";
  for (size_t i = 44; i + 1 < s.size(); i += 2) *peak = std::max(*peak, std::abs(int(int16_t(le(i, 2)))));
  *seconds = double(s.size() - 44) / le(28, 4);  // the byte rate
  return "";
}

// The voice folder is made at build time from the phrases file; every file the
// warnings can ask for must be there, play, and say something.
TEST(VoiceFolder, HoldsEveryFileOfTheVoiceTableAndNoneIsSilent) {
  const std::string folder = ROVEX_BINARY_DIR "/voice/";
  std::set<std::string> names;
  for (int i = 1; i <= 38; ++i) names.insert(VoiceFileName(i));  // 38 gives "invalid.wav"
  ASSERT_EQ(names.size(), 37u);  // 36 used indexes, 35 unused, plus "invalid.wav"
  for (const std::string& name : names) {
    double seconds = 0;
    int peak = 0;
    ASSERT_EQ(InspectWave(folder + name, &seconds, &peak), "") << name;
    EXPECT_GT(seconds, 0.2) << name;
    EXPECT_LT(seconds, 4.0) << name;
    EXPECT_GT(peak, 25000) << name;  // normalised to -1 dBFS: the loudest sample is close to full scale
  }
}

}  // namespace
}  // namespace rovex
