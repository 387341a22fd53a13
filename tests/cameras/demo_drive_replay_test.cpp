#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// The bundled demo drive must keep warning exactly as it did when its
// announcements were checked: every wave file and every average-speed line, in order.
TEST(DemoDrive, ReplayGivesTheCheckedAnnouncements) {
  testing::TempDir dir;
  setenv("ROVEX_CONFIG", dir.File("settings.conf").c_str(), 1);
  setenv("ROVEX_HOME", dir.Path().c_str(), 1);
  ASSERT_EQ(testing::RunCliCapture({"settings", "reset"}).exitCode, 0);

  const std::string demo = ROVEX_SOURCE_DIR "/data/demo/";
  auto r = testing::RunCliCapture({"replay", demo + "demo_drive.txt", "--cameras", demo + "ROVEXCamera.txt",
                                   "--radius", "4000", "--units", "mph", "--specs", "on"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  std::istringstream lines(r.out);
  std::string line, heard;
  while (std::getline(lines, line)) {
    if (line.find(" play ") != std::string::npos || line.find(" specs ") != std::string::npos) heard += line + "\n";
  }
  std::string expected = ReadFile(demo + "expected_announcements.txt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(heard, expected);
  // Every kind of camera of the drive is passed, and both average-speed zones are timed.
  for (const char* type : {"GATSO", "REDLIGHT", "TRUVELO", "SPECS", "MOBILE", "MONITRON", "REDSPEED", "TEMPORARY"}) {
    EXPECT_NE(r.out.find(std::string("m ") + type), std::string::npos) << type;
  }
  size_t starts = 0;
  for (size_t p = 0; (p = heard.find("specs Specs camera, calcs speed cam to cam", p)) != std::string::npos; ++p) {
    ++starts;
  }
  EXPECT_EQ(starts, 4u);  // a trip starts or restarts at each of the four SPECS cameras
  EXPECT_NE(heard.find("play Specs.wav"), std::string::npos);
}

}  // namespace
}  // namespace rovex
