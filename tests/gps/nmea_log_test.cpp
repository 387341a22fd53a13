#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

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
  EXPECT_EQ(prompt.saveDialogs, std::vector<std::string>{"Save - NMEA log file name|" + dir.File("logs") +
                                                    "/MNEA Log Saturday 05 of December 2026|txt"});
  ASSERT_TRUE(log.IsOpen());

  prompt.QueueAnswer(MsgResult::Cancel);
  commands.LogNmeaData();
  EXPECT_TRUE(log.IsOpen());
  prompt.QueueAnswer(MsgResult::Ok);
  commands.LogNmeaData();
  EXPECT_FALSE(log.IsOpen());
  EXPECT_EQ(prompt.shown.size(), 2u);
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

using namespace std::chrono_literals;

// A sync that stops until the test lets it go, as a slow SD card does, and
// then succeeds or fails as the test says.
class HeldSync {
 public:
  NmeaLog::SyncFunction Function() {
    return [this](int) {
      std::unique_lock lock(m_mutex);
      ++m_entered;
      m_changed.notify_all();
      m_changed.wait(lock, [this] { return m_released; });
      if (m_fails) {
        errno = EIO;
        return -1;
      }
      return 0;
    };
  }
  bool WaitEntered() {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, 5s, [this] { return m_entered > 0; });
  }
  void Release(bool fails) {
    std::lock_guard lock(m_mutex);
    m_released = true;
    m_fails = fails;
    m_changed.notify_all();
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  int m_entered = 0;
  bool m_released = false;
  bool m_fails = false;
};

TEST(NmeaLogSync, ABlockedSyncBlocksNeitherTheWindowsChecksNorAClose) {
  TempDir dir;
  HeldSync sync;
  NmeaLog log(sync.Function());
  ASSERT_TRUE(log.Open(dir.File("slow.txt")));
  std::thread reader([&] { log.WriteLine("$GPGGA,1"); });
  ASSERT_TRUE(sync.WaitEntered());

  auto check = std::async(std::launch::async, [&] { return log.IsOpen(); });
  const bool checked = check.wait_for(2s) == std::future_status::ready;
  auto close = std::async(std::launch::async, [&] { log.Close(); });
  const bool closed = close.wait_for(2s) == std::future_status::ready;
  // The line was complete in the file before its sync began.
  const std::string whileSyncing = dir.Read("slow.txt");
  sync.Release(false);
  reader.join();

  EXPECT_TRUE(checked) << "IsOpen waited for the disk";
  EXPECT_TRUE(check.get());
  EXPECT_TRUE(closed) << "Close waited for the disk";
  EXPECT_FALSE(log.IsOpen());
  EXPECT_EQ(whileSyncing, "$GPGGA,1\n");
  EXPECT_EQ(dir.Read("slow.txt"), "$GPGGA,1\n");
}

// The reader reads its next line only once the last one is on the disk.
TEST(NmeaLogSync, EachLineIsSyncedBeforeWriteLineReturns) {
  TempDir dir;
  const std::string path = dir.File("each.txt");
  std::vector<std::string> seenAtSync;
  NmeaLog log([&](int) {
    seenAtSync.push_back(dir.Read("each.txt"));
    return 0;
  });
  ASSERT_TRUE(log.Open(path));
  log.WriteLine("$GPRMC,1");
  EXPECT_EQ(seenAtSync.size(), 1u);
  log.WriteLine("$GPGGA,2");
  EXPECT_EQ(seenAtSync, (std::vector<std::string>{"$GPRMC,1\n", "$GPRMC,1\n$GPGGA,2\n"}));
}

struct SyncFailureCase {
  const char* legend;
  int error;
  bool staysOpen;
};

TEST(NmeaLogSync, AFailedSyncTurnsLoggingOffUnlessTheFileCannotBeSynced) {
  const SyncFailureCase cases[] = {
      {"an I/O error", EIO, false},
      {"a full card", ENOSPC, false},
      {"a pipe or a terminal", EINVAL, true},
      {"a read-only special file", EROFS, true},
  };
  for (const SyncFailureCase& c : cases) {
    TempDir dir;
    NmeaLog log([&](int) {
      errno = c.error;
      return -1;
    });
    ASSERT_TRUE(log.Open(dir.File("log.txt")));
    log.WriteLine("$GPGGA,1");
    EXPECT_EQ(log.IsOpen(), c.staysOpen) << c.legend;
    log.WriteLine("$GPGGA,2");
    EXPECT_EQ(dir.Read("log.txt"), c.staysOpen ? "$GPGGA,1\n$GPGGA,2\n" : "$GPGGA,1\n") << c.legend;
  }
}

// The user closes the log and starts another while a sync of the old one is
// slow; when that sync then fails, the new log stays on.
TEST(NmeaLogSync, ALateSyncFailureLeavesANewerLogOpen) {
  TempDir dir;
  HeldSync held;
  bool first = true;
  NmeaLog::SyncFunction heldFunction = held.Function();
  NmeaLog log([&](int fd) { return first ? (first = false, heldFunction(fd)) : 0; });
  ASSERT_TRUE(log.Open(dir.File("old.txt")));
  std::thread reader([&] { log.WriteLine("$GPGGA,old"); });
  ASSERT_TRUE(held.WaitEntered());
  log.Close();
  ASSERT_TRUE(log.Open(dir.File("new.txt")));
  held.Release(true);
  reader.join();
  EXPECT_TRUE(log.IsOpen());
  log.WriteLine("$GPGGA,new");
  EXPECT_EQ(dir.Read("new.txt"), "$GPGGA,new\n");
  EXPECT_EQ(dir.Read("old.txt"), "$GPGGA,old\n");
}

}  // namespace
}  // namespace rovex
