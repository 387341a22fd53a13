#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "gps/gps_port_opener.h"
#include "gps/read_serial_thread.h"
#include "nmea/line_assembler.h"
#include "nmea/nmea_parser.h"
#include "nmea/nmea_sentence.h"
#include "platform/memory_settings_store.h"
#include "platform/posix_serial_ports.h"
#include "settings/settings_table.h"
#include "support/pty_pair.h"
#include "support/recording_poster.h"
#include "support/wait_until.h"

// Each network source against a real peer on 127.0.0.1: a gpsd started here on
// a pseudo-terminal that plays a receiver log, a TCP server and a UDP sender.
// The fixes that come through must be those of replaying the same log.

namespace rovex {
namespace {

namespace fs = std::filesystem;
using testing::PtyPair;
using testing::WaitUntil;

const std::string kMarker = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";

fs::path SharedLog(const char* name) { return fs::path(ROVEX_SHARED_DATA) / "nmea" / "gpsd" / name; }

// The sentences of a log (its comment lines dropped), without line ends.
std::vector<std::string> LogSentences(const fs::path& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    if (!line.empty() && line[0] == '$') lines.push_back(line);
  }
  return lines;
}

struct FixAt {
  double latitude, longitude, altitude, speed, course;
  int seconds;
  bool operator==(const FixAt&) const = default;
};

// The fix after each sentence that a drawing pass would parse, as a replay of the lines gives it.
std::vector<FixAt> FixTrail(const std::vector<std::string>& lines, bool anyTalker) {
  CNMEAParser parser;
  parser.SetAnyTalker(anyTalker);
  std::vector<FixAt> trail;
  for (const std::string& line : lines) {
    if (!IsForwardedSentence(line) || !ValidateChecksum(line)) continue;
    NmeaSentenceParts parts = SplitSentence(line);
    parser.DispatchSentence(parts.address, parts.data);
    const GpsFix& f = parser.Fix();
    trail.push_back({f.latitude, f.longitude, f.altitude, f.speedKnots, f.courseDegrees,
                     f.utcHour * 3600 + f.utcMinute * 60 + f.utcSecond});
  }
  return trail;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& l : lines) bytes += l + "\r\n";
  return bytes;
}

// Reads lines from the port until `last` arrives, the peer goes away, or the deadline passes.
std::vector<std::string> ReadLinesUntil(SerialPort& port, const std::string& last, int timeoutMs,
                                        bool* peerGone = nullptr) {
  LineAssembler assembler;
  std::vector<std::string> lines;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    uint8_t byte = 0;
    SerialPort::ReadResult r = port.ReadByte(&byte);
    if (r == SerialPort::ReadResult::Failed) {
      if (peerGone) *peerGone = true;
      break;
    }
    if (r != SerialPort::ReadResult::Byte || !assembler.Feed(byte)) continue;
    lines.push_back(assembler.Line());
    if (lines.back() == last) break;
  }
  return lines;
}

std::shared_ptr<SerialPort> OpenSource(const std::string& name, int readTimeoutMs = 200) {
  PosixSerialPorts ports;
  std::shared_ptr<SerialPort> port = ports.Open(name);
  if (port) {
    SerialTimeouts t;
    t.readTotalConstantMs = readTimeoutMs;
    port->SetTimeouts(t);
  }
  return port;
}

int FreePort(int type) {
  int fd = ::socket(AF_INET, type, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  ::close(fd);
  return ntohs(a.sin_port);
}

// A TCP server on 127.0.0.1 that sends each accepted client the next of its scripts, then hangs up.
class TcpServer {
 public:
  explicit TcpServer(std::vector<std::string> scripts) : m_scripts(std::move(scripts)) {
    m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
    int on = 1;
    ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    ::bind(m_listen, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(m_listen, 4);
    ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&a), &len);
    m_port = ntohs(a.sin_port);
    m_thread = std::thread([this] {
      for (const std::string& script : m_scripts) {
        int client = ::accept(m_listen, nullptr, nullptr);
        if (client < 0) return;
        (void)!::send(client, script.data(), script.size(), MSG_NOSIGNAL);
        ::close(client);
      }
    });
  }
  ~TcpServer() {
    ::shutdown(m_listen, SHUT_RDWR);
    m_thread.join();
    ::close(m_listen);
  }
  int Port() const { return m_port; }

 private:
  std::vector<std::string> m_scripts;
  int m_listen = -1;
  int m_port = 0;
  std::thread m_thread;
};

TEST(TcpSource, GivesTheFixesOfTheLogAndConnectsAgainAfterTheServerHungUp) {
  fs::path log = SharedLog("GPSmap-76S.log");
  if (!fs::exists(log)) GTEST_SKIP() << "no shared receiver logs at " << log;
  std::vector<std::string> sentences = LogSentences(log);
  TcpServer server({Joined(sentences), kMarker + "\r\n"});
  auto port = OpenSource("tcp://127.0.0.1:" + std::to_string(server.Port()));
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(port->Unavailable(), "");

  bool gone = false;
  std::vector<std::string> got = ReadLinesUntil(*port, "never", 10000, &gone);
  EXPECT_TRUE(gone) << "the server's hang-up reads as a lost receiver";
  EXPECT_EQ(got, sentences);
  EXPECT_NE(port->Unavailable(), "");

  ASSERT_TRUE(port->Reopen());
  EXPECT_EQ(ReadLinesUntil(*port, kMarker, 10000), std::vector<std::string>{kMarker});
}

TEST(TcpSource, AnUnreachableServerIsToldAtStartAndInputComesWhenItListens) {
  int free = FreePort(SOCK_STREAM);
  MemorySettingsStore store;
  store.Write(kRovexKey, "Port", SettingValue::Text("tcp://127.0.0.1:" + std::to_string(free)));
  PosixSerialPorts ports;
  int waits = 0;
  PortOpenOutcome out = OpenPortSteps(ports, store, PortOpenPlan::ForGps(), nullptr, [&](int) {
    ++waits;
    return true;
  });
  ASSERT_NE(out.port, nullptr);
  EXPECT_EQ(out.result, 1);
  EXPECT_EQ(waits, 0) << "no receiver to let settle";
  EXPECT_EQ(out.message, "No NMEA input from tcp://127.0.0.1:" + std::to_string(free) +
                             ": Connection refused.\n" + kKeepsTrying);
  uint8_t byte;
  EXPECT_EQ(out.port->ReadByte(&byte), SerialPort::ReadResult::Failed);
  EXPECT_FALSE(out.port->Reopen());
  out.port->Close();
}

TEST(UdpSource, JoinsDatagramsIntoTheLogsLinesAndGivesItsFixes) {
  fs::path log = SharedLog("GPSmap-76S.log");
  if (!fs::exists(log)) GTEST_SKIP() << "no shared receiver logs at " << log;
  std::vector<std::string> sentences = LogSentences(log);
  int portNumber = FreePort(SOCK_DGRAM);
  auto port = OpenSource("udp://127.0.0.1:" + std::to_string(portNumber));
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(OpenSource("udp://127.0.0.1:" + std::to_string(portNumber)), nullptr) << "the address is taken";

  // Datagrams of 37 bytes: lines are split across them as a phone app may do.
  std::string bytes = Joined(sentences) + kMarker + "\r\n";
  int sender = ::socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<uint16_t>(portNumber));
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  for (size_t at = 0; at < bytes.size(); at += 37) {
    std::string part = bytes.substr(at, 37);
    ASSERT_EQ(::sendto(sender, part.data(), part.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to),
              static_cast<ssize_t>(part.size()));
  }
  ::close(sender);

  std::vector<std::string> got = ReadLinesUntil(*port, kMarker, 10000);
  ASSERT_FALSE(got.empty());
  got.pop_back();
  EXPECT_EQ(got, sentences);
}

TEST(NetworkSource, CloseWakesABlockedReadAtOnce) {
  auto port = OpenSource("udp://127.0.0.1:" + std::to_string(FreePort(SOCK_DGRAM)), 0);  // waits for ever
  ASSERT_NE(port, nullptr);
  std::thread closer;
  std::atomic<bool> reading{false};
  closer = std::thread([&] {
    WaitUntil([&] { return reading.load(); });
    port->Close();
  });
  reading = true;
  uint8_t byte;
  EXPECT_EQ(port->ReadByte(&byte), SerialPort::ReadResult::Failed);
  closer.join();
  EXPECT_FALSE(port->Reopen());
}

// A gpsd of this machine, started on the test's pseudo-terminal and listening on 127.0.0.1 only.
class Gpsd {
 public:
  static std::string Program() {
    for (const char* p : {"/usr/sbin/gpsd", "/usr/bin/gpsd", "/usr/local/sbin/gpsd"}) {
      if (::access(p, X_OK) == 0) return p;
    }
    return {};
  }
  Gpsd(std::string device, int port) : m_device(std::move(device)), m_port(port) {}
  ~Gpsd() { Stop(); }

  // True once it answers on its port.
  bool Start() {
    std::string program = Program();
    std::string portText = std::to_string(m_port);
    const char* argv[] = {program.c_str(), "-N", "-n", "-b", "-S", portText.c_str(), m_device.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    int rc = posix_spawn(&m_pid, program.c_str(), &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
      m_pid = -1;
      return false;
    }
    return WaitUntil([&] {
      int fd = ::socket(AF_INET, SOCK_STREAM, 0);
      sockaddr_in a{};
      a.sin_family = AF_INET;
      a.sin_port = htons(static_cast<uint16_t>(m_port));
      a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
      bool up = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
      ::close(fd);
      return up;
    });
  }
  void Stop() {
    if (m_pid <= 0) return;
    ::kill(m_pid, SIGTERM);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
  }

 private:
  std::string m_device;
  int m_port;
  pid_t m_pid = -1;
};

class GpsdSource : public ::testing::Test {
 protected:
  void SetUp() override {
    if (Gpsd::Program().empty()) GTEST_SKIP() << "gpsd is not installed (Debian package gpsd)";
    termios t{};
    ::tcgetattr(pty.SlaveFd(), &t);
    ::cfmakeraw(&t);
    ::tcsetattr(pty.SlaveFd(), TCSANOW, &t);
    port = FreePort(SOCK_STREAM);
    daemon = std::make_unique<Gpsd>(pty.SlavePath(), port);
    ASSERT_TRUE(daemon->Start());
  }
  std::string Url() const { return "gpsd://127.0.0.1:" + std::to_string(port); }

  // gpsd relays a device's sentences only once it has recognised the device and
  // the watch is in place: the receiver repeats the marker until it comes through.
  bool Primed(SerialPort& source) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      pty.Write(kMarker + "\r\n");
      std::vector<std::string> got = ReadLinesUntil(source, kMarker, 200);
      if (!got.empty() && got.back() == kMarker) return true;
    }
    return false;
  }

  PtyPair pty;
  int port = 0;
  std::unique_ptr<Gpsd> daemon;
};

TEST_F(GpsdSource, RelaysTheReceiversSentencesWithTheFixesOfItsLog) {
  struct Case {
    const char* log;
    bool anyTalker;
  } cases[] = {{"GPSmap-76S.log", false}, {"neo-m8n.log", true}};
  for (const Case& c : cases) {
    fs::path log = SharedLog(c.log);
    if (!fs::exists(log)) GTEST_SKIP() << "no shared receiver logs at " << log;
    std::vector<std::string> sentences = LogSentences(log);
    auto source = OpenSource(Url());
    ASSERT_NE(source, nullptr);
    ASSERT_EQ(source->Unavailable(), "");
    ASSERT_TRUE(Primed(*source)) << c.log;

    pty.Write(Joined(sentences) + kMarker + "\r\n");
    std::vector<std::string> got = ReadLinesUntil(*source, kMarker, 20000);
    ASSERT_FALSE(got.empty()) << c.log;
    EXPECT_EQ(got.back(), kMarker) << c.log;
    got.pop_back();
    for (const std::string& line : got) EXPECT_EQ(line[0], '$') << "gpsd's own reports are not passed on";
    std::vector<FixAt> trail = FixTrail(got, c.anyTalker);
    EXPECT_GT(trail.size(), 10u) << c.log;
    EXPECT_EQ(trail, FixTrail(sentences, c.anyTalker)) << c.log;
  }
}

TEST_F(GpsdSource, InputResumesThroughTheReaderWhenGpsdIsStartedAgain) {
  GpsHandOff handOff;
  auto source = OpenSource(Url(), 2000);
  ASSERT_NE(source, nullptr);
  handOff.SetPortHandle(source);
  testing::RecordingPoster view;
  SerialReader reader;
  std::mutex mutex;
  std::vector<std::string> seen;
  reader.Start(handOff, view, nullptr);

  // The receiver sends once every 50 ms while gpsd reads it (a full terminal
  // would block it); the view takes each sentence as it comes.
  std::atomic<bool> stop{false};
  std::atomic<bool> gpsdUp{true};
  std::thread receiver([&] {
    while (!stop) {
      if (gpsdUp) pty.Write(kMarker + "\r\n");
      WaitUntil([&] { return stop.load(); }, 50);
    }
  });
  auto seenCount = [&] {
    if (handOff.mailbox.TakeForDrawing()) {
      std::lock_guard lock(mutex);
      seen.push_back(handOff.mailbox.SharedSentence());
      handOff.mailbox.Release();
    }
    std::lock_guard lock(mutex);
    return seen.size();
  };
  EXPECT_TRUE(WaitUntil([&] { return seenCount() >= 3; }, 20000));

  gpsdUp = false;
  daemon->Stop();
  size_t before = seenCount();
  bool restarted = daemon->Start();
  gpsdUp = true;
  EXPECT_TRUE(restarted);
  EXPECT_TRUE(WaitUntil([&] { return seenCount() >= before + 3; }, 30000)) << "input did not resume";

  stop = true;
  receiver.join();
  handOff.StopReader.store(1);
  source->Close();
  reader.Join();
  std::lock_guard lock(mutex);
  for (const std::string& s : seen) EXPECT_EQ(s, kMarker);
}

}  // namespace
}  // namespace rovex
