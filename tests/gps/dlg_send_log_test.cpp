#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "gps/direct_ui_calls.h"
#include "gps/dlg_send_log.h"
#include "platform/memory_settings_store.h"
#include "platform/posix_serial_ports.h"
#include "settings/settings_table.h"
#include "support/fake_prompt.h"
#include "support/pty_pair.h"
#include "support/temp_dir.h"
#include "support/wait_until.h"

namespace rovex {
namespace {

using testing::FakePrompt;
using testing::PtyPair;
using testing::TempDir;
using SteadyClock = std::chrono::steady_clock;

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
  bool WaitForLinesSent(const std::string& n) {
    return testing::WaitUntil([&] { return dialog.LinesSent() == n; });
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

TEST_F(SendLog, StartsWithItsFieldsAndSendsTheFileLoopCountTimes) {
  EXPECT_EQ(dialog.m_fileName, dir.File("home") + "/Log/log.txt");
  EXPECT_EQ(dialog.LoopCount(), "10");
  EXPECT_EQ(dialog.LinesSent(), "0");

  dialog.m_fileName = Log(3);
  dialog.SetLoopCount("2");
  dialog.OnStart();
  dialog.Join();
  std::string expected;
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 1; i <= 3; ++i) expected += "$GPGGA,line" + std::to_string(i) + "\r\n";
  }
  EXPECT_EQ(pty.Read(1000), expected);
  EXPECT_EQ(dialog.LinesSent(), "6");
  EXPECT_EQ(dialog.LoopCount(), "1");
  EXPECT_GT(changes, 6);
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_TRUE(dialog.PortOpen());
  dialog.OnCancel();
  EXPECT_FALSE(dialog.PortOpen());
}

// Paused while the port still opens, so that not one line is on its way: lines
// are then seen where they arrive, on the far side of the pseudo-terminal.
TEST_F(SendLog, PauseHoldsTheLinesAndSingleStepLetsOneThrough) {
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
  ASSERT_TRUE(WaitForLinesSent("1"));
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
