#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/file_settings_store.h"
#include "settings/registry_settings.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::CountOf;
using testing::ReadWholeFile;
using testing::RunCliCapture;

std::string Data(const std::string& name) { return std::string(ROVEX_SOURCE_DIR) + "/tests/cli/data/" + name; }

// Settings come from a file of this test's own; the user's are never read.
class CliReplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("ROVEX_CONFIG", dir.File("settings.conf").c_str(), 1);
    setenv("ROVEX_HOME", dir.Path().c_str(), 1);
  }
  void TearDown() override { unsetenv("ROVEX_CONFIG"); }
  std::vector<std::string> Replay(std::vector<std::string> options) {
    std::vector<std::string> args = {"replay", Data("drive.nmea"), "--cameras", Data("drive_cameras.txt")};
    args.insert(args.end(), options.begin(), options.end());
    return args;
  }
  testing::TempDir dir;
};

// The generated drive past a GATSO, a MOBILE beside the road, a SPECS pair and
// a REDLIGHT, and on beyond the map radius. Its announcements were checked by
// hand against the warning rules. ROVEX_UPDATE_GOLDEN=1 rewrites the expected
// file, to be read through before it is committed.
TEST_F(CliReplayTest, GeneratedDriveGolden) {
  auto r = RunCliCapture(Replay({"--radius", "4000", "--units", "kph", "--specs", "on"}));
  EXPECT_EQ(0, r.exitCode);
  EXPECT_EQ("", r.err);
  if (std::getenv("ROVEX_UPDATE_GOLDEN")) std::ofstream(Data("drive.expected"), std::ios::binary) << r.out;
  EXPECT_EQ(ReadWholeFile(Data("drive.expected")), r.out);
}

// The bundled demo drive must keep warning exactly as it did when its
// announcements were checked: every wave file and every average-speed line, in order.
TEST_F(CliReplayTest, DemoDriveGivesTheCheckedAnnouncements) {
  ASSERT_EQ(RunCliCapture({"settings", "reset"}).exitCode, 0);
  const std::string demo = ROVEX_SOURCE_DIR "/data/demo/";
  auto r = RunCliCapture({"replay", demo + "demo_drive.txt", "--cameras", demo + "ROVEXCamera.txt", "--radius", "4000",
                          "--units", "mph", "--specs", "on"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  std::istringstream lines(r.out);
  std::string line, heard;
  while (std::getline(lines, line)) {
    if (line.find(" play ") != std::string::npos || line.find(" specs ") != std::string::npos) heard += line + "\n";
  }
  std::string expected = ReadWholeFile(demo + "expected_announcements.txt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(heard, expected);
}

TEST_F(CliReplayTest, SettingsNotGivenComeFromTheStore) {
  {
    FileSettingsStore store(dir.File("settings.conf"));
    RegistrySettings settings(store, nullptr);
    settings.WriteNumberSetting("MapScale", 4000);
    settings.WriteNumberSetting("SpeedUnits", 1);
    settings.WriteNumberSetting("AverageSpeed", 1);
    settings.WriteTextSetting("CameraFile", "/not/this/one.txt");  // the command line's wins
  }
  auto r = RunCliCapture(Replay({}));
  EXPECT_EQ(0, r.exitCode);
  EXPECT_EQ(ReadWholeFile(Data("drive.expected")), r.out);

  {
    FileSettingsStore store(dir.File("settings.conf"));
    RegistrySettings(store, nullptr).WriteNumberSetting("AverageSpeed", 0);
  }
  auto off = RunCliCapture(Replay({}));
  EXPECT_EQ(0u, CountOf(off.out, " specs "));
  EXPECT_EQ(CountOf(r.out, " play ") - 1, CountOf(off.out, " play "));
}

TEST_F(CliReplayTest, UsageAndFailures) {
  const std::string usage =
      "usage: rovex-cli replay LOG --cameras FILE [--radius M] [--units mph|kph|knots] [--specs on|off]\n";
  for (const auto& options : std::vector<std::vector<std::string>>{
           {"--units", "furlongs"}, {"--radius", "4km"}, {"--loud"}}) {
    auto r = RunCliCapture(Replay(options));
    EXPECT_EQ(2, r.exitCode) << options[0];
    EXPECT_EQ(usage, r.err);
    EXPECT_EQ("", r.out);
  }
  EXPECT_EQ(usage, RunCliCapture({"replay", Data("drive.nmea"), "--cameras"}).err);

  auto noCameras = RunCliCapture({"replay", Data("drive.nmea"), "--cameras", dir.File("none.txt")});
  EXPECT_EQ(1, noCameras.exitCode);
  EXPECT_EQ("rovex-cli: can't open the camera file " + dir.File("none.txt") + ": No such file or directory\n",
            noCameras.err);
}

// A receiver's own log (a walk in the southern hemisphere) with a camera put
// about 150 m south of it: "200" is heard once, and every distance shown lies
// between the nearest and farthest points of the walk.
TEST_F(CliReplayTest, SouthernHemisphereWalkOfARealReceiver) {
  const std::string data = testing::SharedDataDir();
  if (data.empty()) GTEST_SKIP() << "the shared receiver logs are not here";
  dir.Write("cameras.txt", "-27.212,153.052,M1,Brisbane,,GATSO,Yes,60\n");
  auto r = RunCliCapture({"replay", data + "/nmea/gpsd/haicom-305N.log", "--cameras", dir.File("cameras.txt")});
  EXPECT_EQ(0, r.exitCode);
  EXPECT_EQ("", r.err);
  EXPECT_EQ(1u, CountOf(r.out, " play "));
  EXPECT_EQ(1u, CountOf(r.out, " play 200.wav\n"));
  int distances = 0;
  for (size_t at = r.out.find(" distance "); at != std::string::npos; at = r.out.find(" distance ", at + 1)) {
    int metres = std::atoi(r.out.c_str() + at + 10);
    EXPECT_GT(metres, 120);
    EXPECT_LT(metres, 190);
    ++distances;
  }
  EXPECT_GT(distances, 3);
}

}  // namespace
}  // namespace rovex
