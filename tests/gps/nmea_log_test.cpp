#include <atomic>
#include <cstdlib>
#include <vector>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "gps/nmea_log.h"
#include "gps/nmea_log_commands.h"
#include "platform/memory_settings_store.h"
#include "settings/settings_table.h"
#include "support/fake_clock.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"
#include "support/wait_until.h"

namespace rovex {
namespace {

using testing::FakeClock;
using testing::FakePrompt;
using testing::TempDir;

TEST(NmeaLog, EveryLineIsOnDiskAsSoonAsItIsWritten) {
  TempDir dir;
  NmeaLog log;
  ASSERT_TRUE(log.Open(dir.File("a.txt")));
  EXPECT_TRUE(log.IsOpen());
  log.WriteLine("$GPGGA,1");
  // Read while still open: nothing waits in a buffer for the close.
  EXPECT_EQ(dir.Read("a.txt"), "$GPGGA,1\n");
  log.WriteLine("");
  log.WriteLine("\xff$GPGSV");
  log.Close();
  EXPECT_FALSE(log.IsOpen());
  EXPECT_EQ(dir.Read("a.txt"), "$GPGGA,1\n\n\xff$GPGSV\n");
  log.WriteLine("after close");  // logging is off: nothing, no crash
  EXPECT_EQ(dir.Read("a.txt"), "$GPGGA,1\n\n\xff$GPGSV\n");
}

TEST(NmeaLog, OpeningEmptiesAnOldFileAndAFailureLeavesLoggingOff) {
  TempDir dir;
  dir.Write("old.txt", "old content\n");
  NmeaLog log;
  ASSERT_TRUE(log.Open(dir.File("old.txt")));
  log.Close();
  EXPECT_EQ(dir.Read("old.txt"), "");
  EXPECT_FALSE(log.Open(dir.File("no-such-folder/x.txt")));
  EXPECT_FALSE(log.IsOpen());
}

TEST(NmeaLog, AFailedWriteTurnsLoggingOff) {
  NmeaLog log;
  ASSERT_TRUE(log.Open("/dev/full"));
  log.WriteLine("$GPGGA,1");
  EXPECT_FALSE(log.IsOpen());
}

// The reader writes while the user interface thread closes: no line is cut,
// and nothing is written once the close has taken the file.
TEST(NmeaLog, CloseNeverCutsIntoALine) {
  TempDir dir;
  NmeaLog log;
  ASSERT_TRUE(log.Open(dir.File("race.txt")));
  const std::string line(90, 'x');
  std::atomic<bool> go{true};
  std::atomic<int> writes{0};
  std::thread reader([&] {
    while (go.load()) {
      log.WriteLine(line);
      ++writes;
    }
  });
  ASSERT_TRUE(testing::WaitUntil([&] { return writes > 100; }));
  log.Close();
  std::string after = dir.Read("race.txt");
  int closedAt = writes;
  ASSERT_TRUE(testing::WaitUntil([&] { return writes > closedAt + 100; }));  // writes after the close go nowhere
  go = false;
  reader.join();
  EXPECT_EQ(dir.Read("race.txt"), after);
  ASSERT_FALSE(after.empty());
  EXPECT_EQ(after.size() % (line.size() + 1), 0u);
  for (size_t i = 0; i < after.size(); i += line.size() + 1) EXPECT_EQ(after.substr(i, line.size() + 1), line + "\n");
}

// Names come from the local date, in English.
class LogCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("ROVEX_HOME", dir.File("home").c_str(), 1);
    store.Write(kRovexKey, "LogFolder", SettingValue::Text(dir.File("logs")));
  }
  TempDir dir;
  MemorySettingsStore store;
  FakePrompt prompt;
  // Saturday 5 December 2026, 17:30 local (UTC+1).
  FakeClock clock{FakeClock::Utc(2026, 12, 5, 16, 30, 0), 3600};
  NmeaLog log;
  NmeaLogCommands commands{log, store, prompt, clock};
};

TEST_F(LogCommands, MenuToggleAsksForAFileThenAsksBeforeClosing) {
  std::string path = dir.File("chosen.txt");
  prompt.QueueFile(path);
  commands.LogNmeaData();
  ASSERT_EQ(prompt.fileDialogFilters.size(), 1u);
  EXPECT_EQ(prompt.fileDialogFilters[0], "*.txt *.log|*.txt;*.log||");
  EXPECT_EQ(prompt.saveDialogs, std::vector<std::string>{"Save - NMEA log file name|" + dir.File("logs") +
                                                    "/MNEA Log Saturday 05 of December 2026|txt"});
  ASSERT_TRUE(log.IsOpen());

  prompt.QueueAnswer(MsgResult::Cancel);
  commands.LogNmeaData();
  EXPECT_TRUE(log.IsOpen());
  prompt.QueueAnswer(MsgResult::Ok);
  commands.LogNmeaData();
  EXPECT_FALSE(log.IsOpen());
  ASSERT_EQ(prompt.shown.size(), 2u);
  EXPECT_EQ(prompt.shown[0].text, "Close current NMEA log file ?");
  EXPECT_EQ(prompt.shown[0].buttons, MsgButtons::OkCancel);
}

TEST_F(LogCommands, CancelledDialogAndUncreatableFile) {
  commands.LogNmeaData();  // no file chosen
  std::string bad = dir.File("missing/x.txt");
  prompt.QueueFile(bad);
  commands.LogNmeaData();
  EXPECT_FALSE(log.IsOpen());
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Error can't open the NMEA data file\n" + bad});
}

TEST_F(LogCommands, AutomaticToggleNeedsNoDialog) {
  commands.AutoToggleLog();
  ASSERT_TRUE(log.IsOpen());
  log.WriteLine("$GPRMC,1");
  commands.AutoToggleLog();
  EXPECT_FALSE(log.IsOpen());
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_EQ(dir.Read("home/Log/MNEA Log Saturday 05 of December 2026 1730.txt"), "$GPRMC,1\n");
}

}  // namespace
}  // namespace rovex
