#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/pty_pair.h"
#include "support/temp_dir.h"

extern char** environ;

namespace rovex {
namespace {

using testing::RunCliCapture;

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
      {{"monitor", "--bogus", "x"}, 2, kUsage},
      {{"monitor", "--count", "2x"}, 2, kUsage},
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
  std::string config = "ROVEX_CONFIG=" + dir.File("settings.conf");
  std::vector<char*> env;
  for (char** e = environ; *e; ++e) {
    if (std::string(*e).rfind("ROVEX_CONFIG=", 0) != 0) env.push_back(*e);
  }
  env.push_back(config.data());
  env.push_back(nullptr);
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
  ASSERT_EQ(posix_spawn(&pid, cli.c_str(), &actions, nullptr, argv.data(), env.data()), 0);
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
  stderrText.WaitFor("\n", 100);
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
