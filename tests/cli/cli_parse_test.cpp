#include <cstdio>
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
      {{"parse", "a", "b"}, 2, "usage: rovex-cli parse FILE\n"},
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
  const char* altitudes[] = {"0.05",  "0.15",  "-10.25", "1e300", "-1e300", "1e-300", "-0.0",  "0.95",
                             "99.95", "nan",   "inf",    "-inf",  "2.5",    "-2.5",   "123456789012345678901234"};
  const char* coordinates[] = {"4807.038", "0000.00005", "8959.9999999", "0.0000005", "9999.99999"};
  std::vector<std::string> lines;
  for (const char* a : altitudes) {
    lines.push_back(testing::WithChecksum(std::string("GPGGA,235959.99,") + coordinates[lines.size() % 5] + ",S,1" +
                                          coordinates[(lines.size() + 2) % 5] + ",W,1,08,0.9," + a + ",M,,M,,"));
  }
  for (const char* rmc : {"GPRMC,,A,,,,,0.005,0.05,,,", "GPRMC,,A,,,,,-0.005,359.95,,,", "GPRMC,,A,,,,,1e20,-0.0,,,"}) {
    lines.push_back(testing::WithChecksum(rmc));
  }
  std::string log;
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

}  // namespace
}  // namespace rovex
