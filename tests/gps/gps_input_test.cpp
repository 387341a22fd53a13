#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gps/direct_ui_calls.h"
#include "gps/gps_input.h"
#include "platform/memory_settings_store.h"
#include "settings/settings_table.h"
#include "support/fake_prompt.h"
#include "support/fake_serial_port.h"
#include "support/recording_poster.h"
#include "support/temp_dir.h"
#include "support/wait_until.h"

namespace rovex {
namespace {

using testing::FakePrompt;
using testing::FakeSerialPort;
using testing::FakeSerialPorts;
using testing::RecordingPoster;
using SteadyClock = std::chrono::steady_clock;

const std::string kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";

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
  EXPECT_EQ(ports.openedNames, std::vector<std::string>{"/dev/ttyS0"});
  EXPECT_EQ(port->Events(), (std::vector<std::string>{"start hook", "get", "wait 1000", "set", "wait 2000",
                                                      "timeouts", "wait 500", "clear", "wait 500",
                                                      "buffers 16384 16384"}));
  port->Feed(kGga + "\r\n");
  ASSERT_TRUE(poster.WaitFor(WM_GPS_SENTENCE, 1, 3000));
  ASSERT_TRUE(input.HandOff().mailbox.TakeForDrawing());
  EXPECT_EQ(std::string(input.HandOff().mailbox.SharedSentence()), kGga);

  input.Stop();
  EXPECT_TRUE(port->Closed());
  EXPECT_FALSE(input.PortOpen());
  EXPECT_EQ(input.Sio().GetHandle(), nullptr);
  EXPECT_TRUE(prompt.shown.empty());
  // Stop again: nothing to close, nothing shown.
  input.Stop();
  EXPECT_EQ(input.CloseGpsPort(), 0);
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(GpsInputTest, FailedOpenIsToldThenTheReaderSaysThePortIsNotOpen) {
  ports.next = nullptr;
  input.Start();
  FinishOpen();
  input.Stop();  // joins the reader, which ended at once
  EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{"Can't open com port /dev/ttyS0", "Comms port is not open"}));
  EXPECT_FALSE(input.PortOpen());
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
  EXPECT_FALSE(port->Closed());
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

}  // namespace
}  // namespace rovex
