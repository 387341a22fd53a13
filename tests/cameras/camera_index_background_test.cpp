#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "cameras/camera_file_reader.h"
#include "cameras/camera_index.h"
#include "camera_fixture.h"

namespace rovex {
namespace {

using namespace std::chrono_literals;
using testing::FixAt;
using testing::TempDir;

// Holds builds back until the test opens it, as a slow card or a huge file would.
class Gate {
 public:
  std::function<void()> Function() {
    return [this] {
      std::unique_lock lock(m_mutex);
      ++m_waiting;
      m_changed.notify_all();
      m_changed.wait(lock, [this] { return m_open; });
    };
  }
  bool WaitForBuilder() {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, 5s, [this] { return m_waiting > 0; });
  }
  void Open() {
    std::lock_guard lock(m_mutex);
    m_open = true;
    m_changed.notify_all();
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  int m_waiting = 0;
  bool m_open = false;
};

std::string Cameras(const char* tag) {
  std::string out;
  for (int i = 0; i < 50; ++i) out += testing::CameraLine(51.5 + i * 1e-4, -0.1, tag);
  out += testing::CameraLine(53.0, -2.0, tag);  // far away
  return out;
}

std::vector<CameraRecord> Plain(const std::string& path) {
  std::vector<CameraRecord> out;
  ReadCamerasPlain(path, FixAt(51.5, -0.1), 4000, nullptr, &out);
  return out;
}

// While the index is being built, queries are answered at once by reading the
// file through, with the same list; no second build starts meanwhile.
TEST(CameraIndexBackground, QueriesDoNotWaitForTheBuild) {
  TempDir dir;
  const std::string path = dir.File("cameras.txt");
  dir.Write("cameras.txt", Cameras("GATSO"));
  Gate gate;
  CameraIndex index;
  index.SetRacyWindowSeconds(0);
  index.SetBuildGate(gate.Function());
  for (int i = 0; i < 3; ++i) {
    std::vector<CameraRecord> out;
    ASSERT_EQ(CameraReadStatus::Ok, index.Read(path, FixAt(51.5, -0.1), 4000, nullptr, &out));
    EXPECT_TRUE(out == Plain(path));
  }
  ASSERT_TRUE(gate.WaitForBuilder());
  EXPECT_EQ(1, index.BuildCount());
  EXPECT_EQ(0, index.IndexedReads());
  gate.Open();
  ASSERT_TRUE(index.WaitUntilReady());
  std::vector<CameraRecord> out;
  index.Read(path, FixAt(51.5, -0.1), 4000, nullptr, &out);
  EXPECT_EQ(1, index.IndexedReads());
  EXPECT_EQ(50u, out.size());
  EXPECT_TRUE(out == Plain(path));
}

// The file changes while its index is being built: that build is abandoned,
// never used, and the next query builds for the file as it is.
TEST(CameraIndexBackground, ABuildOfAFileThatChangedIsNeverUsed) {
  TempDir dir;
  const std::string path = dir.File("cameras.txt");
  dir.Write("cameras.txt", Cameras("GATSO"));
  Gate gate;
  CameraIndex index;
  index.SetRacyWindowSeconds(0);
  index.SetBuildGate(gate.Function());
  std::vector<CameraRecord> out;
  index.Read(path, FixAt(51.5, -0.1), 4000, nullptr, &out);
  ASSERT_TRUE(gate.WaitForBuilder());

  dir.Write("cameras.txt", Cameras("SPECS") + Cameras("TRUVELO"));
  out.clear();
  index.Read(path, FixAt(51.5, -0.1), 4000, nullptr, &out);
  ASSERT_EQ(100u, out.size());
  EXPECT_EQ("TRUVELO", out.back().CamType.str());
  gate.Open();
  EXPECT_FALSE(index.WaitUntilReady()) << "the stale build was used";

  out.clear();
  index.Read(path, FixAt(51.5, -0.1), 4000, nullptr, &out);
  EXPECT_EQ(2, index.BuildCount());
  ASSERT_TRUE(index.WaitUntilReady());
  out.clear();
  index.Read(path, FixAt(51.5, -0.1), 4000, nullptr, &out);
  EXPECT_EQ(1, index.IndexedReads());
  EXPECT_TRUE(out == Plain(path));
  EXPECT_EQ(102u, index.EntryCount());
}

// Reset and destruction stop a build that is under way and wait for its
// thread; nothing of it is kept.
TEST(CameraIndexBackground, ResetAndDestructionAbandonARunningBuild) {
  TempDir dir;
  const std::string path = dir.File("cameras.txt");
  dir.Write("cameras.txt", Cameras("GATSO"));
  for (bool destroy : {false, true}) {
    Gate gate;
    auto index = std::make_unique<CameraIndex>();
    index->SetRacyWindowSeconds(0);
    index->SetBuildGate(gate.Function());
    std::vector<CameraRecord> out;
    index->Read(path, FixAt(51.5, -0.1), 4000, nullptr, &out);
    ASSERT_TRUE(gate.WaitForBuilder());
    std::thread opener([&] {
      std::this_thread::sleep_for(50ms);
      gate.Open();
    });
    if (destroy) {
      index.reset();
    } else {
      index->Reset();
      EXPECT_FALSE(index->WaitUntilReady());
      EXPECT_EQ(0u, index->EntryCount());
    }
    opener.join();
  }
}

}  // namespace
}  // namespace rovex
