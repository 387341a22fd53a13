#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "gps/nmea_log.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using namespace std::chrono_literals;
using testing::TempDir;

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
