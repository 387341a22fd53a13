#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cameras/camera_steps.h"
#include "camera_fixture.h"

namespace rovex {
namespace {

using testing::CameraFixture;
using testing::FixAt;
using testing::North;

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

TEST_F(SpecsZoneTest, ATripStartsAtTheFirstCameraAndRestartsAtTheNext) {
  auto lines = Drive(12 * 3600);
  EXPECT_EQ("", lines[-320]) << "nothing until 300 m";
  EXPECT_EQ("Specs camera, calcs speed cam to cam", lines[-280]);
  EXPECT_EQ("Specs camera, calcs speed cam to cam", lines[0]) << "closing in restarts the trip at the camera";
  EXPECT_EQ("T 1, D 20, Av 45 mph", lines[20]) << "the first average once the car drives away";
  EXPECT_EQ("T 75, D 1500, Av 45 mph", lines[1500]);
  EXPECT_EQ("T 76, D 1520, Av 45 mph", lines[1520]) << "the next camera is nearest: the trip goes on";
  EXPECT_EQ("T 141, D 2820, Av 45 mph", lines[2820]) << "within 200 m of the next camera: the trip restarts there";
  EXPECT_EQ("Specs camera, calcs speed cam to cam", lines[2840]);
  EXPECT_EQ("T 30, D 600, Av 45 mph", lines[3600]);
  EXPECT_EQ(1, SpecsPlayed()) << "\"Specs.wav\" once per zone entered";
}

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

TEST_F(SpecsZoneTest, NearestAverageSpeedCamera) {
  Step(At(1500, 0));
  EXPECT_NEAR(800.0, steps.Specs().FindNearestSpecsCamera(At(2200, 0)), 1e-3) << "types beginning Specs, any case";
  EXPECT_EQ(-1.0, steps.Specs().FindNearestSpecsCamera(FixAt(0.0, kLon)));
  f.WriteCameras(testing::CameraLine(kBase, kLon, "SPE"));
  steps.Cameras().LoadCameraList(At(0, 0), 4000);
  EXPECT_EQ(kNoCameraDistance, steps.Specs().FindNearestSpecsCamera(At(0, 0))) << "\"SPE\" is not an average-speed type";
}

}  // namespace
}  // namespace rovex
