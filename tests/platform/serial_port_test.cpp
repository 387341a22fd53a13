#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/posix_serial_port.h"
#include "platform/posix_serial_ports.h"
#include "support/pty_pair.h"
#include "support/temp_dir.h"
#include "support/termios2_probe.h"
#include "support/wait_until.h"

namespace rovex {
namespace {

using Clock = std::chrono::steady_clock;
using testing::ProbedLine;
using testing::PtyPair;

long ElapsedMs(Clock::time_point since) {
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

// Whether a thread of this process is asleep in the kernel (state S in its stat line).
bool Sleeping(long tid) {
  std::ifstream in("/proc/self/task/" + std::to_string(tid) + "/stat");
  std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t name = stat.rfind(')');
  return name != std::string::npos && name + 2 < stat.size() && stat[name + 2] == 'S';
}

TEST(PosixSerialPort, LineSettingsReachTheDriverThroughTermios2) {
  PtyPair pty;
  auto port = OpenPosixSerialPort(pty.SlavePath());
  ASSERT_TRUE(port);
  SerialLineSettings s;
  ASSERT_TRUE(port->GetLineSettings(&s));
  // A pseudo-terminal forces 8 data bits and clears the parity enable bit
  // whatever is set; the odd and mark/space bits it keeps.
  const struct {
    SerialParity parity;
    bool odd, stick;
  } parities[] = {{SerialParity::Odd, true, false}, {SerialParity::Even, false, false},
                  {SerialParity::Mark, true, true}, {SerialParity::Space, false, true}};
  for (const auto& p : parities) {
    s.baud = 4801;  // not a standard rate: must stay 4801
    s.dataBits = 7;
    s.parity = p.parity;
    s.stopBits = SerialStopBits::Two;
    s.raw = true;
    s.softwareFlowControl = s.hardwareFlowControl = false;
    ASSERT_TRUE(port->SetLineSettings(s));
    ProbedLine line;
    ASSERT_TRUE(testing::ProbeLine(pty.SlaveFd(), &line));
    SCOPED_TRACE(static_cast<int>(p.parity));
    EXPECT_TRUE(line.otherRate);
    EXPECT_EQ(line.outputRate, 4801u);
    EXPECT_EQ(line.inputRate, 4801u);
    EXPECT_EQ(line.oddParity, p.odd);
    EXPECT_EQ(line.stickParity, p.stick);
    EXPECT_TRUE(line.twoStopBits);
    EXPECT_FALSE(line.canonical || line.echo || line.outputProcessing || line.rtsCts || line.xonXoff);
    EXPECT_FALSE(line.crToNl);  // a CR must reach the reader as CR
    EXPECT_TRUE(line.local);
    SerialLineSettings back;  // read back as the driver holds them: the opener keeps what it is not told
    ASSERT_TRUE(port->GetLineSettings(&back));
    EXPECT_TRUE(back.baud == 4801 && back.stopBits == SerialStopBits::Two);
  }
  for (int hangUp : {0, -5}) {  // 0 would hang the line up
    s.baud = hangUp;
    EXPECT_FALSE(port->SetLineSettings(s));
  }
}

TEST(PosixSerialPort, ReadsBytesTimesOutAndWrites) {
  PtyPair pty;
  auto port = OpenPosixSerialPort(pty.SlavePath());
  ASSERT_TRUE(port);
  SerialLineSettings s;
  ASSERT_TRUE(port->GetLineSettings(&s));
  s.raw = true;
  ASSERT_TRUE(port->SetLineSettings(s));
  SerialTimeouts t;
  t.readTotalConstantMs = 200;
  ASSERT_TRUE(port->SetTimeouts(t));

  auto start = Clock::now();
  uint8_t b = 0;
  EXPECT_EQ(port->ReadByte(&b), SerialPort::ReadResult::TimedOut);
  EXPECT_GE(ElapsedMs(start), 150);
  EXPECT_LT(ElapsedMs(start), 1500);

  pty.Write(std::string_view("a\r\x00\xff", 4));
  std::string got;
  for (int i = 0; i < 4; ++i) {
    ASSERT_EQ(port->ReadByte(&b), SerialPort::ReadResult::Byte);
    got.push_back(static_cast<char>(b));
  }
  EXPECT_EQ(got, std::string("a\r\x00\xff", 4));

  ASSERT_TRUE(port->Write("$GPGGA\r\n", 8));
  EXPECT_EQ(pty.Read(1000), "$GPGGA\r\n");
}

TEST(PosixSerialPort, CloseWakesAReadThatWouldWaitForEver) {
  PtyPair pty;
  auto port = OpenPosixSerialPort(pty.SlavePath());
  ASSERT_TRUE(port);
  ASSERT_TRUE(port->SetTimeouts(SerialTimeouts{}));  // all zero: wait for ever
  SerialPort::ReadResult result = SerialPort::ReadResult::Byte;
  std::atomic<long> tid{0};
  std::thread reader([&] {
    tid = syscall(SYS_gettid);
    uint8_t b;
    result = port->ReadByte(&b);
  });
  ASSERT_TRUE(testing::WaitUntil([&] { return tid != 0 && Sleeping(tid); }));
  auto start = Clock::now();
  EXPECT_TRUE(port->Close());
  reader.join();
  EXPECT_LT(ElapsedMs(start), 1000);
  EXPECT_EQ(result, SerialPort::ReadResult::Failed);
  uint8_t b;
  EXPECT_EQ(port->ReadByte(&b), SerialPort::ReadResult::Failed);
  EXPECT_FALSE(port->Write("x", 1));
  EXPECT_FALSE(port->Reopen());
}

TEST(PosixSerialPort, AWriteThatCannotGoOutFailsWithinItsTimeOut) {
  PtyPair pty;  // nobody reads the master side, so its buffer fills
  auto port = OpenPosixSerialPort(pty.SlavePath());
  ASSERT_TRUE(port);
  SerialTimeouts t;
  t.writeTotalConstantMs = 100;
  ASSERT_TRUE(port->SetTimeouts(t));
  std::string big(1 << 20, 'x');
  auto start = Clock::now();
  EXPECT_FALSE(port->Write(big.data(), big.size()));
  EXPECT_LT(ElapsedMs(start), 2000);
}

TEST(PosixSerialPort, HungUpLineFailsAtOnceAndReopenFindsTheReplacement) {
  testing::TempDir dir;
  std::string link = dir.File("gps");
  auto first = std::make_unique<PtyPair>();
  std::filesystem::create_symlink(first->SlavePath(), link);
  auto port = OpenPosixSerialPort(link);
  ASSERT_TRUE(port);
  SerialLineSettings s;
  ASSERT_TRUE(port->GetLineSettings(&s));
  s.raw = true;
  s.baud = 4800;
  ASSERT_TRUE(port->SetLineSettings(s));
  SerialTimeouts t;
  t.readTotalConstantMs = 2000;
  ASSERT_TRUE(port->SetTimeouts(t));

  // Receiver unplugged. The name goes first, so that a terminal another test
  // opens meanwhile under the same number is never taken for it.
  std::filesystem::remove(link);
  first.reset();
  auto start = Clock::now();
  uint8_t b;
  EXPECT_EQ(port->ReadByte(&b), SerialPort::ReadResult::Failed);
  EXPECT_LT(ElapsedMs(start), 500);  // not after the 2 s time-out
  EXPECT_FALSE(port->Reopen());

  PtyPair second;  // plugged back in, under the same name
  std::filesystem::create_symlink(second.SlavePath(), link);
  ASSERT_TRUE(port->Reopen());
  ProbedLine line;
  ASSERT_TRUE(testing::ProbeLine(second.SlaveFd(), &line));
  EXPECT_EQ(line.outputRate, 4800u);  // the settings came along
  EXPECT_FALSE(line.canonical);
  second.Write("$");
  ASSERT_EQ(port->ReadByte(&b), SerialPort::ReadResult::Byte);
  EXPECT_EQ(b, '$');
}

TEST(PosixSerialPort, AMissingDeviceAFolderOrASecondOpenOfTheSameDeviceIsRefused) {
  testing::TempDir dir;
  EXPECT_EQ(OpenPosixSerialPort(dir.Path()), nullptr);
  if (geteuid() == 0) GTEST_SKIP() << "root may open an exclusive terminal anyway";
  PtyPair pty;
  auto port = OpenPosixSerialPort(pty.SlavePath());
  ASSERT_TRUE(port);
  EXPECT_EQ(OpenPosixSerialPort(pty.SlavePath()), nullptr);
  port->Close();
  EXPECT_NE(OpenPosixSerialPort(pty.SlavePath()), nullptr);
}

TEST(PosixSerialPorts, OffersRealComPortsAndPluggedDevices) {
  testing::TempDir dir;
  namespace fs = std::filesystem;
  fs::path sys = fs::path(dir.Path()) / "sys";
  fs::path dev = fs::path(dir.Path()) / "dev";
  fs::create_directories(dev);
  auto tty = [&](const std::string& name, bool device, const char* type) {
    fs::create_directories(sys / name);
    if (device) fs::create_directory(sys / name / "device");
    if (type) dir.Write("sys/" + name + "/type", type);
  };
  tty("ttyS0", true, "4\n");
  tty("ttyS1", true, "0\n");  // listed by the kernel, no UART behind it
  tty("ttyS2", false, "4\n");
  tty("ttyS17", true, nullptr);
  tty("ttyS19", true, "4\n");  // Com20: never offered
  for (const char* name : {"ttyUSB10", "ttyUSB0", "ttyACM0", "rfcomm0", "ttyUSBx", "ttyS0"}) {
    fs::create_symlink("/dev/null", dev / name);
  }
  dir.Write("dev/ttyUSB1", "");  // not a device

  PosixSerialPorts ports(sys.string(), dev.string());
  auto found = ports.EnumeratePorts();
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, (std::vector<std::string>{"Com1", "Com18", "ttyUSB0", "ttyUSB10", "ttyACM0", "rfcomm0"}));

  PosixSerialPorts nowhere(dir.File("no-sysfs"), dev.string());
  EXPECT_FALSE(nowhere.EnumeratePorts());
}

}  // namespace
}  // namespace rovex
