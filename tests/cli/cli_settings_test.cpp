#include <cstdlib>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::RunCliCapture;

class CliSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("ROVEX_CONFIG", dir.File("settings.conf").c_str(), 1);
    setenv("ROVEX_HOME", "/data", 1);
  }
  testing::TempDir dir;
};

TEST_F(CliSettings, ResetThenListShowsEveryValueInOrder) {
  auto empty = RunCliCapture({"settings", "list"});
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_NE(empty.err.find("rovex-cli settings reset"), std::string::npos);

  auto reset = RunCliCapture({"settings", "reset"});
  EXPECT_EQ(reset.exitCode, 0);
  EXPECT_NE(reset.err.find("Registry check complete."), std::string::npos);

  auto list = RunCliCapture({"settings", "list"});
  ASSERT_EQ(list.exitCode, 0);
  EXPECT_EQ(list.out.rfind("Port\ttext\tCom1\nSpeed\ttext\t4800\n", 0), 0u);
  EXPECT_NE(list.out.find("\nCameraFile\ttext\t/data/ROVEXCamera.txt\n"), std::string::npos);
  EXPECT_NE(list.out.find("\nMapScale\tnumber\t4000\n"), std::string::npos);
  EXPECT_NE(list.out.find("\nMSAgentACS\ttext\tC:\\Windows\\msagent\\chars\\Merlin.acs\n"), std::string::npos);
  size_t lines = 0;
  for (char c : list.out) lines += c == '\n';
  EXPECT_EQ(lines, 73u);
  EXPECT_NE(list.out.find("\nAtlasZoom\tnumber\t13\n"), std::string::npos);
}

TEST_F(CliSettings, GetSetDeleteAndTheSubkey) {
  EXPECT_EQ(RunCliCapture({"settings", "set", "Port", "text:ttyUSB0"}).exitCode, 0);
  EXPECT_EQ(RunCliCapture({"settings", "get", "Port"}).out, "ttyUSB0\n");
  EXPECT_EQ(RunCliCapture({"settings", "set", "MapScale", "number:2000"}).exitCode, 0);
  EXPECT_EQ(RunCliCapture({"settings", "get", "MapScale"}).out, "2000\n");
  EXPECT_EQ(RunCliCapture({"settings", "set", "POIFiles\\POIFile1", "text:/poi/a.csv"}).exitCode, 0);
  auto list = RunCliCapture({"settings", "list"});
  EXPECT_EQ(list.out, "Port\ttext\tttyUSB0\nMapScale\tnumber\t2000\nPOIFiles\\POIFile1\ttext\t/poi/a.csv\n");
  EXPECT_EQ(RunCliCapture({"settings", "delete", "Port"}).exitCode, 0);
  auto missing = RunCliCapture({"settings", "get", "Port"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, "rovex-cli: no value Port\n");
  EXPECT_EQ(RunCliCapture({"settings", "delete", "Port"}).exitCode, 1);
}

TEST_F(CliSettings, BadInputIsRefusedWithUsage) {
  for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
           {"settings"},
           {"settings", "set", "Port", "Com1"},
           {"settings", "set", "MapScale", "number:12x"},
           {"settings", "set", "MapScale", "number:99999999999"},
           {"settings", "get"},
           {"settings", "frobnicate"}}) {
    auto r = RunCliCapture(args);
    EXPECT_EQ(r.exitCode, 2) << args.back();
    EXPECT_NE(r.err.find("usage:"), std::string::npos);
  }
  EXPECT_EQ(RunCliCapture({"nonsense"}).exitCode, 2);
  EXPECT_EQ(RunCliCapture({"settings", "set", "MapScale", "number:-1"}).exitCode, 0);
  EXPECT_EQ(RunCliCapture({"settings", "get", "MapScale"}).out, "4294967295\n");
}

}  // namespace
}  // namespace rovex
