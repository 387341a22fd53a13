#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "nmea/nmea_parser.h"
#include "nmea/nmea_sentence.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::RunCliCapture;

std::string Fixture(const std::string& name) { return std::string(ROVEX_SOURCE_DIR) + "/tests/nmea/data/" + name; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(CliParse, GoldenFixtures) {
  // parse_mixed: every line rule of a replay (comments, CR CR LF, short and
  // blank lines, a 301-character line, a NUL, the 99-character mailbox) and
  // checksum cases; parse_carry: what each sentence type leaves in the fix.
  for (const char* name : {"parse_mixed", "parse_carry"}) {
    auto r = RunCliCapture({"parse", Fixture(std::string(name) + ".log")});
    EXPECT_EQ(r.exitCode, 0) << name;
    EXPECT_EQ(r.err, "") << name;
    EXPECT_EQ(r.out, ReadFile(Fixture(std::string(name) + ".expected"))) << name;
  }
}

TEST(CliParse, FailuresAndUsage) {
  auto missing = RunCliCapture({"parse", "/nonexistent/log.txt"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "rovex-cli: can't open the log file /nonexistent/log.txt: No such file or directory\n");

  testing::TempDir dir;
  auto folder = RunCliCapture({"parse", dir.Path()});
  EXPECT_EQ(folder.exitCode, 1);
  EXPECT_EQ(folder.err, "rovex-cli: error reading " + dir.Path() + ": Is a directory\n");

  for (std::vector<std::string> args : {std::vector<std::string>{"parse"}, {"parse", "a", "b"}}) {
    auto r = RunCliCapture(args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "usage: rovex-cli parse FILE\n");
  }

  dir.Write("empty.log", "");
  auto empty = RunCliCapture({"parse", dir.File("empty.log")});
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out, "");
  EXPECT_EQ(empty.err, "");
}

TEST(CliParse, FullOutputDeviceIsAFailure) {
  std::FILE* full = std::fopen("/dev/full", "w");
  if (full == nullptr) GTEST_SKIP() << "no /dev/full here";
  cli::CliContext ctx;
  ctx.out = full;
  ctx.err = std::tmpfile();
  int code = cli::RunCli({"rovex-cli", "parse", Fixture("parse_carry.log")}, ctx);
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
  std::string log;
  std::vector<std::string> lines;
  for (const char* a : altitudes) lines.push_back(std::string("GPGGA,235959.99,") + coordinates[lines.size() % 5] +
                                                  ",S,1" + coordinates[(lines.size() + 2) % 5] + ",W,1,08,0.9," + a +
                                                  ",M,,M,,");
  lines.push_back("GPRMC,,A,,,,,0.005,0.05,,,");
  lines.push_back("GPRMC,,A,,,,,-0.005,359.95,,,");
  lines.push_back("GPRMC,,A,,,,,1e20,-0.0,,,");
  for (std::string& body : lines) {
    unsigned sum = 0;
    for (unsigned char c : body) sum ^= c;
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X", sum);
    body = "$" + body + tail;
    log += body + "\n";
  }
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
