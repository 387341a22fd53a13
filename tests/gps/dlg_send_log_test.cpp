#include <chrono>
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
  bool WaitForLinesSent(const std::string& n, int ms = 3000) {
    for (int i = 0; i < ms / 10; ++i) {
      if (dialog.LinesSent() == n) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
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

TEST_F(SendLog, PauseHoldsTheLinesAndSingleStepLetsOneThrough) {
  dialog.m_fileName = Log(5);
  dialog.SetLoopCount("1");
  dialog.OnStart();
  ASSERT_TRUE(WaitForLinesSent("1"));
  dialog.OnPause();
  EXPECT_TRUE(dialog.Paused());
  std::this_thread::sleep_for(std::chrono::milliseconds(250));
  std::string held = dialog.LinesSent();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(dialog.LinesSent(), held);
  int heldCount = std::stoi(held);
  ASSERT_LT(heldCount, 5);

  dialog.OnSingleStep();
  ASSERT_TRUE(WaitForLinesSent(std::to_string(heldCount + 1)));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(dialog.LinesSent(), std::to_string(heldCount + 1));

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

TEST_F(SendLog, BrowseStartsInTheLogFolder) {
  store.Write(kRovexKey, "LogFolder", SettingValue::Text(dir.File("logs")));
  prompt.QueueFile(dir.File("logs/drive.txt"));
  dialog.OnBrowse();
  EXPECT_EQ(dialog.m_fileName, dir.File("logs/drive.txt"));
  EXPECT_EQ(prompt.fileDialogFilters, std::vector<std::string>{"*.txt *.log|*.txt;*.log||"});
  dialog.OnBrowse();  // cancelled: the name stays
  EXPECT_EQ(dialog.m_fileName, dir.File("logs/drive.txt"));
}

}  // namespace
}  // namespace rovex
