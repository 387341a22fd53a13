#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "nmea/nmea_parser.h"
#include "nmea/nmea_sentence.h"
#include "support/cli_runner.h"
#include "support/nmea_checksum.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::RunCliCapture;

std::string Data(const std::string& name) { return std::string(ROVEX_SOURCE_DIR) + "/tests/cli/data/" + name; }

TEST(CliParse, GoldenFixtures) {
  // parse_mixed: every line rule of a replay (comments, CR CR LF, short and
  // blank lines, a 301-character line, a NUL, the 99-character mailbox) and
  // checksum cases; parse_carry: what each sentence type leaves in the fix.
  for (std::string name : {"parse_mixed", "parse_carry"}) {
    auto r = RunCliCapture({"parse", Data(name + ".log")});
    EXPECT_EQ(r.exitCode, 0) << name;
    EXPECT_EQ(r.err, "") << name;
    EXPECT_EQ(r.out, testing::ReadWholeFile(Data(name + ".expected"))) << name;
  }
}

TEST(CliParse, FailuresAndUsage) {
  testing::TempDir dir;
  dir.Write("empty.log", "");
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string err;
  } cases[] = {
      {{"parse", "/nonexistent/log.txt"}, 1,
       "rovex-cli: can't open the log file /nonexistent/log.txt: No such file or directory\n"},
      {{"parse", dir.Path()}, 1, "rovex-cli: error reading " + dir.Path() + ": Is a directory\n"},
      {{"parse"}, 2, "usage: rovex-cli parse FILE\n"},
      {{"parse", dir.File("empty.log")}, 0, ""},
  };
  for (const auto& c : cases) {
    auto r = RunCliCapture(c.args);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.args.back();
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.out, "");
  }

  std::FILE* full = std::fopen("/dev/full", "w");
  if (full == nullptr) GTEST_SKIP() << "no /dev/full here";
  cli::CliContext ctx;
  ctx.out = full;
  ctx.err = std::tmpfile();
  int code = cli::RunCli({"rovex-cli", "parse", Data("parse_carry.log")}, ctx);
  std::fclose(full);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(testing::ReadBack(ctx.err), "rovex-cli: error writing the output\n");
}

// The output's number formatting against printf, on values chosen to be hard:
// exact ties, huge and tiny numbers, negative zero, infinities and NaN.
TEST(CliParse, NumbersPrintAsPrintfPrintsThem) {
  const char* coordinates[] = {"4807.038", "0000.00005", "8959.9999999", "0.0000005", "9999.99999"};
  std::vector<std::string> lines;
  std::string log;
  for (const char* a : {"0.05", "0.15", "-10.25", "1e300", "1e-300", "-0.0", "99.95", "nan", "-inf", "-2.5"}) {
    lines.push_back(testing::WithChecksum(std::string("GPGGA,235959.99,") + coordinates[lines.size() % 5] + ",S,1" +
                                          coordinates[(lines.size() + 2) % 5] + ",W,1,08,0.9," + a + ",M,,M,,"));
  }
  lines.push_back(testing::WithChecksum("GPRMC,,A,,,,,-0.005,359.95,,,"));
  for (const std::string& line : lines) log += line + "\n";
  testing::TempDir dir;
  dir.Write("hard.log", log);
  auto r = RunCliCapture({"parse", dir.File("hard.log")});
  ASSERT_EQ(r.exitCode, 0);

  std::string expected;
  CNMEAParser parser;
  for (size_t i = 0; i < lines.size(); ++i) {
    NmeaSentenceParts parts = SplitSentence(lines[i]);
    parser.DispatchSentence(parts.address, parts.data);
    const GpsFix& f = parser.Fix();
    char text[2048];
    std::snprintf(text, sizeof text, "%zu %.*s %02u:%02u:%02u %.6f %.6f %.1f %.2f %.1f\n", i + 1,
                  static_cast<int>(parts.address.size()), parts.address.data(), f.utcHour, f.utcMinute, f.utcSecond,
                  f.latitude, f.longitude, f.altitude, f.speedKnots, f.courseDegrees);
    expected += text;
  }
  EXPECT_EQ(r.out, expected);
}


class CliSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("ROVEX_CONFIG", dir.File("settings.conf").c_str(), 1);
    setenv("ROVEX_HOME", "/data", 1);
  }
  testing::TempDir dir;
};

// What the reset writes is the settings tests' business; here, that the command runs it.
TEST_F(CliSettings, ResetThenListStartsWithThePort) {
  auto empty = RunCliCapture({"settings", "list"});
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_NE(empty.err.find("rovex-cli settings reset"), std::string::npos);
  EXPECT_EQ(RunCliCapture({"settings", "reset"}).exitCode, 0);
  auto list = RunCliCapture({"settings", "list"});
  ASSERT_EQ(list.exitCode, 0);
  EXPECT_EQ(list.out.rfind("Port\ttext\tCom1\nSpeed\ttext\t4800\n", 0), 0u);
}

TEST_F(CliSettings, GetSetDeleteAndTheSubkey) {
  EXPECT_EQ(RunCliCapture({"settings", "set", "Port", "text:ttyUSB0"}).exitCode, 0);
  EXPECT_EQ(RunCliCapture({"settings", "get", "Port"}).out, "ttyUSB0\n");
  EXPECT_EQ(RunCliCapture({"settings", "set", "MapScale", "number:-1"}).exitCode, 0);
  EXPECT_EQ(RunCliCapture({"settings", "set", "POIFiles\\POIFile1", "text:/poi/a.csv"}).exitCode, 0);
  auto list = RunCliCapture({"settings", "list"});
  EXPECT_EQ(list.out, "Port\ttext\tttyUSB0\nMapScale\tnumber\t4294967295\nPOIFiles\\POIFile1\ttext\t/poi/a.csv\n");
  EXPECT_EQ(RunCliCapture({"settings", "delete", "Port"}).exitCode, 0);
  auto missing = RunCliCapture({"settings", "get", "Port"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, "rovex-cli: no value Port\n");
  EXPECT_EQ(RunCliCapture({"settings", "delete", "Port"}).exitCode, 1);
  EXPECT_EQ(RunCliCapture({"settings", "set", "a=b", "text:x"}).exitCode, 1);  // a name the file cannot hold
}

TEST_F(CliSettings, BadInputIsRefusedWithUsage) {
  for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
           {"settings"}, {"settings", "set", "Port", "Com1"}, {"settings", "set", "MapScale", "number:12x"},
           {"settings", "set", "MapScale", "number:99999999999"}, {"settings", "frobnicate"}, {"nonsense"}}) {
    auto r = RunCliCapture(args);
    EXPECT_EQ(r.exitCode, 2) << args.back();
    EXPECT_NE(r.err.find("usage:"), std::string::npos);
  }
}

}  // namespace
}  // namespace rovex
