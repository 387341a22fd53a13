#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "nmea/nmea_parser.h"
#include "nmea/nmea_sentence.h"
#include "platform/file_settings_store.h"
#include "settings/registry_settings.h"
#include "support/cli_runner.h"
#include "support/nmea_checksum.h"
#include "support/pty_pair.h"
#include "support/temp_dir.h"

extern char** environ;

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
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string err;
  } cases[] = {
      {{"parse", "/nonexistent/log.txt"}, 1,
       "rovex-cli: can't open the log file /nonexistent/log.txt: No such file or directory\n"},
      {{"parse", dir.Path()}, 1, "rovex-cli: error reading " + dir.Path() + ": Is a directory\n"},
      {{"parse"}, 2, "usage: rovex-cli parse FILE\n"},
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

using testing::CountOf;
using testing::ReadWholeFile;


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
  EXPECT_EQ(1, RunCliCapture({"replay", Data("drive.nmea"), "--cameras", dir.File("none.txt")}).exitCode);
}

// The goldens run with the defaults' radius and specs setting, so neither option would show there.
TEST_F(CliReplayTest, RadiusAndSpecsOptionsChangeWhatIsHeard) {
  auto r = RunCliCapture(Replay({"--radius", "8000"}));
  EXPECT_EQ(1u, CountOf(r.out, "distance 5990m REDLIGHT\n"));
  EXPECT_EQ(0u, CountOf(r.out, "No cameras are in the map area"));
  auto on = RunCliCapture(Replay({}));
  auto off = RunCliCapture(Replay({"--specs", "off"}));
  EXPECT_EQ(0u, CountOf(off.out, " specs "));
  EXPECT_EQ(CountOf(on.out, " play ") - 1, CountOf(off.out, " play "));
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


const char kUsage[] = "usage: rovex-cli monitor [--port PORT] [--speed BAUD] [--count N] [--any-talker]\n";
const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const std::string kRmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
const std::string kGsv = "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75";

TEST(CliMonitor, BadUsageAndPortsThatCannotBeOpened) {
  testing::TempDir dir;
  setenv("ROVEX_CONFIG", dir.File("settings.conf").c_str(), 1);
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string err;  // a part of what is printed
  } cases[] = {
      {{"monitor", "--port"}, 2, kUsage},
      {{"monitor"}, 1, "Unable read the comm port name from the registry.\nPlease check the port settings ?"},
      {{"monitor", "--port", "ttyUSB-not-here"}, 1, "Can't open com port /dev/ttyUSB-not-here\n"},
      {{"monitor", "--port", "tcp://no-port"}, 1, "Can't open com port tcp://no-port\n"},
  };
  for (const auto& c : cases) {
    auto r = RunCliCapture(c.args);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.args.back();
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

// Reads a child's output until it holds `until` or the time is up.
class ChildOutput {
 public:
  explicit ChildOutput(int fd) : m_fd(fd) { fcntl(fd, F_SETFL, O_NONBLOCK); }
  bool WaitFor(const std::string& until, int ms) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (text.find(until) == std::string::npos) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return false;
      pollfd p{m_fd, POLLIN, 0};
      if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
      char buf[4096];
      ssize_t n = read(m_fd, buf, sizeof buf);
      if (n <= 0) return text.find(until) != std::string::npos;
      text.append(buf, static_cast<size_t>(n));
    }
    return true;
  }
  std::string text;

 private:
  int m_fd;
};

// The real program on a pseudo-terminal: each sentence handed over is printed
// with the fix after it, and Ctrl-C ends the run cleanly.
TEST(CliMonitor, PrintsSentencesAndFixesUntilInterrupted) {
  testing::TempDir dir;
  testing::PtyPair pty;
  std::string cli = std::string(ROVEX_BINARY_DIR) + "/bin/rovex-cli";
  setenv("ROVEX_CONFIG", dir.File("settings.conf").c_str(), 1);
  std::vector<std::string> argStrings = {cli, "monitor", "--port", pty.SlavePath(), "--speed", "4800"};
  std::vector<char*> argv;
  for (auto& a : argStrings) argv.push_back(a.data());
  argv.push_back(nullptr);

  int out[2], err[2];
  ASSERT_EQ(pipe(out), 0);
  ASSERT_EQ(pipe(err), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, err[0]);
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, cli.c_str(), &actions, nullptr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  close(err[1]);
  ChildOutput stdoutText(out[0]);
  ChildOutput stderrText(err[0]);

  // Four seconds of settling, then the port is read.
  ASSERT_TRUE(stderrText.WaitFor("reading", 15000)) << stderrText.text;
  const std::string bad = kGga.substr(0, kGga.size() - 2) + "48";
  const std::string fix = "  fix 12:35:19 lat 48.117300 lon 11.516667 alt 545.4 m";
  pty.Write(kGga + "\r\n");
  ASSERT_TRUE(stdoutText.WaitFor(fix + " speed 0.0 knots course 0.0\n", 5000)) << stdoutText.text;
  pty.Write(kGsv + "\r\n" + bad + "\r\n");
  ASSERT_TRUE(stdoutText.WaitFor(" Bad\n", 5000)) << stdoutText.text;
  pty.Write(kRmc + "\r\n");
  ASSERT_TRUE(stdoutText.WaitFor("course 84.4\n", 5000)) << stdoutText.text;

  kill(pid, SIGINT);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  stderrText.WaitFor("sentences", 1000);
  close(out[0]);
  close(err[0]);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(stdoutText.text, kGga + "\n" + fix + " speed 0.0 knots course 0.0\n" +  //
                                 bad + " Bad\n" + fix + " speed 0.0 knots course 0.0\n" +  //
                                 kRmc + "\n" + fix + " speed 22.4 knots course 84.4\n");
  EXPECT_NE(stderrText.text.find("rovex-cli: 3 sentences\n"), std::string::npos) << stderrText.text;
}

}  // namespace
}  // namespace rovex
