#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "gps/direct_ui_calls.h"
#include "gps/dlg_send_log.h"
#include "gps/gps_input.h"
#include "gps/port_line_settings.h"
#include "gps/read_serial_thread.h"
#include "platform/memory_settings_store.h"
#include "platform/posix_serial_port.h"
#include "platform/posix_serial_ports.h"
#include "settings/settings_table.h"
#include "support/fake_prompt.h"
#include "support/fake_serial_port.h"
#include "support/pty_pair.h"
#include "support/recording_poster.h"
#include "support/temp_dir.h"
#include "support/wait_until.h"

namespace rovex {
namespace {

using testing::PtyPair;
using testing::RecordingPoster;
using testing::TempDir;
using SteadyClock = std::chrono::steady_clock;

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const std::string kRmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
const std::string kGsv = "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75";
const std::string kGnGga = "$GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*59";

// Counts what the reader asks of its port, to see that an unplugged device is not hammered.
class CountingPort final : public SerialPort {
 public:
  explicit CountingPort(std::shared_ptr<SerialPort> inner) : m_inner(std::move(inner)) {}
  std::atomic<int> reads{0};
  std::atomic<int> reopens{0};
  const std::string& DeviceName() const override { return m_inner->DeviceName(); }
  bool GetLineSettings(SerialLineSettings* s) override { return m_inner->GetLineSettings(s); }
  bool SetLineSettings(const SerialLineSettings& s) override { return m_inner->SetLineSettings(s); }
  bool SetTimeouts(const SerialTimeouts& t) override { return m_inner->SetTimeouts(t); }
  void ClearErrors() override { m_inner->ClearErrors(); }
  bool SetBufferSizes(size_t in, size_t out) override { return m_inner->SetBufferSizes(in, out); }
  ReadResult ReadByte(uint8_t* b) override {
    ++reads;
    return m_inner->ReadByte(b);
  }
  bool Write(const char* d, size_t n) override { return m_inner->Write(d, n); }
  bool Reopen() override {
    ++reopens;
    return m_inner->Reopen();
  }
  bool Close() override { return m_inner->Close(); }

 private:
  std::shared_ptr<SerialPort> m_inner;
};

std::vector<std::string> FileLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// The reader on a pseudo-terminal, configured as the GPS port would be.
class Reader : public ::testing::Test {
 protected:
  void StartOn(const std::string& device) {
    auto raw = OpenPosixSerialPort(device);
    ASSERT_TRUE(raw);
    SerialLineSettings s;
    ASSERT_TRUE(raw->GetLineSettings(&s));
    ApplyFixedLineSettings(&s);
    s.baud = 4800;
    ASSERT_TRUE(raw->SetLineSettings(s));
    SerialTimeouts t;
    t.readTotalConstantMs = 2000;
    ASSERT_TRUE(raw->SetTimeouts(t));
    port = std::make_shared<CountingPort>(raw);
    handOff.SetPortHandle(port);
    reader.Start(handOff, poster, [this](const std::string& text) { notices.push_back(text); });
  }
  void Stop() {
    handOff.StopReader = 1;
    if (port) port->Close();
    reader.Join();
  }
  void TearDown() override { Stop(); }

  // The view's part: wait for the n-th post and take what it announced.
  std::string TakeNth(size_t n) {
    if (!poster.WaitFor(WM_GPS_SENTENCE, n, 3000)) return "(no post)";
    EXPECT_TRUE(handOff.mailbox.TakeForDrawing());
    std::string s = handOff.mailbox.SharedSentence();
    handOff.mailbox.Release();
    return s;
  }

  TempDir dir;
  PtyPair pty;
  GpsHandOff handOff;
  RecordingPoster poster;
  SerialReader reader;
  std::shared_ptr<CountingPort> port;
  std::vector<std::string> notices;
};

// Which bytes end or cut a line, and which lines are handed over, is the line assembler's table; here, that
// every line is logged and the right ones reach the view through a real terminal.
TEST_F(Reader, LinesAreLoggedAndTheRightOnesHandedOver) {
  ASSERT_TRUE(handOff.NmeaLogFile.Open(dir.File("log.txt")));
  StartOn(pty.SlavePath());
  pty.Write(kGga + "\r\n");
  EXPECT_EQ(TakeNth(1), kGga);
  pty.Write(kGsv + "\r\n" + "\x01\x02" + kGga + "\r\n" + kGnGga + "\r\n");  // GSV and noise: logged only
  EXPECT_EQ(TakeNth(2), kGnGga);
  pty.Write(std::string(150, 'L') + "\r\n" + kRmc + "\r\n");
  EXPECT_EQ(TakeNth(3), kRmc);
  Stop();

  EXPECT_EQ(poster.Count(WM_GPS_SENTENCE), 3u);
  EXPECT_EQ(FileLines(dir.File("log.txt")),
            (std::vector<std::string>{kGga, kGsv, "\x01\x02" + kGga, kGnGga, std::string(50, 'L'), kRmc}));
  EXPECT_TRUE(notices.empty());
}

TEST_F(Reader, AFloodWhileTheViewIsBusyGivesOneFurtherPassAtMost) {
  ASSERT_TRUE(handOff.NmeaLogFile.Open(dir.File("log.txt")));
  StartOn(pty.SlavePath());
  pty.Write(kGga + "\r\n");
  ASSERT_TRUE(poster.WaitFor(WM_GPS_SENTENCE, 1, 3000));
  // The view is still drawing the first: ten more arrive.
  std::string flood;
  for (int i = 0; i < 10; ++i) flood += kRmc + "\r\n";
  // A GSV after them: once it is logged, the reader is done with the ten.
  pty.Write(flood + kGsv + "\r\n");
  ASSERT_TRUE(testing::WaitUntil([&] { return FileLines(dir.File("log.txt")).size() == 12; }));
  EXPECT_EQ(poster.Count(WM_GPS_SENTENCE), 1u);
  ASSERT_TRUE(handOff.mailbox.TakeForDrawing());
  EXPECT_EQ(std::string(handOff.mailbox.SharedSentence()), kGga);  // the first, not the newest: nothing queued
  handOff.mailbox.Release();
  pty.Write(kGnGga + "\r\n");
  EXPECT_EQ(TakeNth(2), kGnGga);  // a stray post for the flood would be taken here instead
}

TEST_F(Reader, StopEndsTheReaderWithinTheReadTimeOut) {
  StartOn(pty.SlavePath());
  ASSERT_TRUE(testing::WaitUntil([&] { return port->reads > 0; }));
  auto start = SteadyClock::now();
  handOff.StopReader = 1;  // no data arrives, the port stays open
  reader.Join();
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start).count();
  EXPECT_LE(ms, 2300);
}

TEST_F(Reader, UnpluggedReceiverIsNotSpunOnAndIsPickedUpAgain) {
  std::string link = dir.File("gps");
  std::filesystem::create_symlink(pty.SlavePath(), link);
  StartOn(link);
  pty.Write(kGga + "\r\n");
  EXPECT_EQ(TakeNth(1), kGga);

  // Pulled out: the name goes first, so that a terminal another test opens
  // meanwhile under the same number is never taken for it.
  std::filesystem::remove(link);
  pty.CloseMaster();
  pty.CloseSlave();
  // Six attempts to reopen it, with a growing pause between them (10 + 20 + ... + 320 ms):
  // a reader that spins would get there at once, and make far more reads.
  auto unplugged = SteadyClock::now();
  int readsBefore = port->reads.load(), reopensBefore = port->reopens.load();
  ASSERT_TRUE(testing::WaitUntil([&] { return port->reopens >= reopensBefore + 6; }));
  EXPECT_GE(SteadyClock::now() - unplugged, std::chrono::milliseconds(600));
  EXPECT_LE(port->reads - readsBefore, port->reopens - reopensBefore + 3);

  PtyPair replugged;  // the same name comes back
  std::filesystem::create_symlink(replugged.SlavePath(), link);
  ASSERT_TRUE(replugged.WaitUntilRaw(3000));
  replugged.Write(kRmc + "\r\n");
  EXPECT_EQ(TakeNth(2), kRmc);
}

TEST_F(Reader, NoPortMeansAMessageAndNoThreadWork) {
  reader.Start(handOff, poster, [this](const std::string& text) { notices.push_back(text); });
  reader.Join();
  EXPECT_EQ(notices, std::vector<std::string>{"Comms port is not open"});
  EXPECT_EQ(poster.Count(WM_GPS_SENTENCE), 0u);
}

using testing::FakePrompt;
using testing::FakeSerialPort;
using testing::FakeSerialPorts;


bool OpenInThisProcess(const std::string& path) {
  for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    if (std::filesystem::read_symlink(fd.path(), ec) == path) return true;
  }
  return false;
}

class GpsInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store.Write(kRovexKey, "Port", SettingValue::Text("Com1"));
    port = ports.next;
    input.SetOpenWait([this](int ms) {
      port->Note("wait " + std::to_string(ms));
      return true;
    });
    input.SetStartHook([this] { port->Note("start hook"); });
  }
  // The view's answer to WM_GPS_PORT_OPENED.
  void FinishOpen(size_t n = 1) {
    ASSERT_TRUE(poster.WaitFor(WM_GPS_PORT_OPENED, n, 3000));
    input.OnPortOpened();
  }

  MemorySettingsStore store;
  FakeSerialPorts ports;
  std::shared_ptr<FakeSerialPort> port;
  FakePrompt prompt;
  RecordingPoster poster;
  DirectUiCalls ui;
  GpsInput input{ports, store, prompt, poster, ui};
};

TEST_F(GpsInputTest, StartOpensOffTheUiThreadThenStartsTheReader) {
  input.Start();
  EXPECT_TRUE(input.Opening());
  FinishOpen();
  EXPECT_FALSE(input.Opening());
  EXPECT_TRUE(input.PortOpen());
  EXPECT_EQ(input.Sio().GetHandle(), port);
  EXPECT_EQ(input.HandOff().PortHandle(), port);
  EXPECT_EQ(port->Events().front(), "start hook");  // the steps themselves are the opener's tests' business
  port->Feed(kGga + "\r\n");
  EXPECT_TRUE(poster.WaitFor(WM_GPS_SENTENCE, 1, 3000));

  input.Stop();
  EXPECT_TRUE(port->Closed());
  EXPECT_FALSE(input.PortOpen());
  input.Stop();  // again: nothing to close, nothing shown
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(GpsInputTest, StartWhileOpenClosesTheOldPortFirst) {
  input.Start();
  FinishOpen();
  auto first = port;
  ports.next = port = std::make_shared<FakeSerialPort>();
  input.Start();
  EXPECT_TRUE(first->Closed());  // before the new open even begins
  FinishOpen(2);
  EXPECT_EQ(input.Sio().GetHandle(), port);
}

TEST_F(GpsInputTest, StopDuringTheSettlingWaitsAbandonsTheOpen) {
  input.SetOpenWait(nullptr);  // the real, interruptible waits
  input.Start();
  ASSERT_TRUE(testing::WaitUntil([&] {
    auto events = port->Events();
    return std::find(events.begin(), events.end(), "get") != events.end();  // now in the first wait
  }));
  auto start = SteadyClock::now();
  input.Stop();
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start).count(), 500);
  EXPECT_TRUE(port->Closed());
  // The posted message may still arrive: it must change nothing.
  poster.WaitFor(WM_GPS_PORT_OPENED, 1, 1000);
  input.OnPortOpened();
  EXPECT_FALSE(input.PortOpen());
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(GpsInputTest, CloseThatFailsIsReported) {
  ASSERT_EQ(input.OpenGpsPort(), 1);
  port->failClose = true;
  EXPECT_EQ(input.CloseGpsPort(), 0);
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Can't close port."});
  EXPECT_FALSE(input.PortOpen());
}

TEST_F(GpsInputTest, BlockingStartAndTheEndOfTheViewCloseEverything) {
  auto gpsInput = std::make_unique<GpsInput>(ports, store, prompt, poster, ui);
  gpsInput->SetOpenWait([](int) { return true; });
  EXPECT_EQ(gpsInput->StartBlocking(), 1);
  testing::TempDir dir;
  ASSERT_TRUE(gpsInput->HandOff().NmeaLogFile.Open(dir.File("log.txt")));
  port->Feed("$GPGSV,1\r\n");
  ASSERT_TRUE(testing::WaitUntil([&] { return !dir.Read("log.txt").empty(); }));
  gpsInput.reset();  // the view goes: reader stopped, port closed, log closed
  EXPECT_TRUE(port->Closed());
  EXPECT_EQ(dir.Read("log.txt"), "$GPGSV,1\n");
  EXPECT_FALSE(OpenInThisProcess(dir.File("log.txt")));
}


class SendLog : public ::testing::Test {
 protected:
  void SetUp() override {
    store.Write(kRovexKey, "Port", SettingValue::Text(pty.SlavePath()));
    store.Write(kRovexKey, "Speed", SettingValue::Text("4800"));
    dialog.SetOpenWait([](int) { return true; });
    dialog.SetOnFieldsChanged([this] { ++changes; });
    dialog.OnInitDialog();
  }
  std::string Log(int lines) {
    std::string content;
    for (int i = 1; i <= lines; ++i) content += "$GPGGA,line" + std::to_string(i) + "\r\n";
    dir.Write("log.txt", content);
    return dir.File("log.txt");
  }

  TempDir dir;
  // Before the dialog, which takes its starting file name from the data root.
  bool homeSet = setenv("ROVEX_HOME", dir.File("home").c_str(), 1) == 0;
  PtyPair pty;
  MemorySettingsStore store;
  PosixSerialPorts ports;
  FakePrompt prompt;
  DirectUiCalls ui;
  int changes = 0;
  CDlg_Send_Log dialog{ports, store, prompt, ui};
};

// Paused while the port still opens, so that not one line is on its way: lines
// are then seen where they arrive, on the far side of the pseudo-terminal.
TEST_F(SendLog, PauseHoldsTheLinesAndSingleStepLetsOneThrough) {
  EXPECT_EQ(dialog.m_fileName, dir.File("home") + "/Log/log.txt");
  dialog.m_fileName = Log(5);
  dialog.SetLoopCount("1");
  std::promise<void> paused;
  std::shared_future<void> pausedNow = paused.get_future().share();
  std::atomic<bool> opening{false};
  dialog.SetOpenWait([&](int) {
    opening = true;
    pausedNow.wait();
    return true;
  });
  dialog.OnStart();
  ASSERT_TRUE(testing::WaitUntil([&] { return opening.load(); }));
  dialog.OnPause();
  paused.set_value();
  EXPECT_EQ(pty.Read(300), "");
  EXPECT_TRUE(dialog.Paused());

  dialog.OnSingleStep();
  EXPECT_EQ(pty.Read(3000), "$GPGGA,line1\r\n");
  EXPECT_EQ(pty.Read(300), "") << "one line per step";
  EXPECT_EQ(dialog.LinesSent(), "1");

  dialog.OnPause();  // go on
  dialog.Join();
  EXPECT_EQ(dialog.LinesSent(), "5");
}

TEST_F(SendLog, StopEndsTheSendingEvenWhilePaused) {
  dialog.m_fileName = Log(50);
  dialog.SetLoopCount("1");
  dialog.OnStart();
  ASSERT_TRUE(testing::WaitUntil([&] { return dialog.LinesSent() == "1"; }));
  dialog.OnPause();
  auto start = SteadyClock::now();
  dialog.OnStop();
  dialog.Join();
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start).count(), 1000);
  EXPECT_FALSE(dialog.Sending());
  EXPECT_FALSE(dialog.PortOpen());
  EXPECT_TRUE(prompt.shown.empty());  // a failed write ends the thread quietly
}

TEST_F(SendLog, OneSecondIntervalsWhenTheBoxIsTicked) {
  dialog.m_fileName = Log(2);
  dialog.SetLoopCount("1");
  dialog.m_oneSecond = true;
  auto start = SteadyClock::now();
  dialog.OnStart();
  dialog.Join();
  EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start).count(), 1900);
  EXPECT_EQ(dialog.LinesSent(), "2");
}

TEST_F(SendLog, PortAndFileFailures) {
  store.Write(kRovexKey, "Port", SettingValue::Text("ttyUSB-not-here"));
  dialog.m_fileName = Log(2);
  dialog.OnStart();
  dialog.Join();
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Can't open com port /dev/ttyUSB-not-here"});
  EXPECT_EQ(dialog.LinesSent(), "0");

  prompt.shown.clear();
  store.Write(kRovexKey, "Port", SettingValue::Text(pty.SlavePath()));
  dialog.m_fileName = dir.File("missing.txt");
  dialog.OnStart();
  dialog.Join();
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Error can't open the log file\n" + dir.File("missing.txt")});
}

}  // namespace
}  // namespace rovex
