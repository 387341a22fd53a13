#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "camera_fixture.h"
#include "cameras/camera_exclude_names.h"
#include "cameras/camera_file_reader.h"
#include "cameras/camera_index.h"
#include "cameras/camera_line.h"

namespace rovex {
namespace {

using testing::FixAt;
using testing::TempDir;

// A camera database as drivers' files look, and worse: cameras clustered
// around a few towns, and among them every kind of line the reading rules
// drop or treat specially.
std::string GenerateDatabase(unsigned seed, int lines) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const double towns[][2] = {{51.5, -0.1}, {53.48, -2.24}, {-33.87, 151.21}, {64.1, -21.9}, {89.99, 10.0}};
  const char* types[] = {"GATSO", "gatso", " GATSO", "SPECS", "Specs", "MOBILE", "REDLIGHT", "TRUVELO"};
  std::string out;
  char line[512];
  for (int i = 0; i < lines; ++i) {
    const double* town = towns[random() % 5];
    double lat = town[0] + (unit(random) - 0.5) * 0.3;
    double lon = town[1] + (unit(random) - 0.5) * 0.5;
    const char* type = types[random() % 8];
    switch (random() % 20) {
      case 0: out += "Latitude,Longitude,Road,Town,Hazard,CamType,Permanent,SpeedLimit\n"; break;
      case 1: std::snprintf(line, sizeof line, "0.0,%f,A%d,,,%s,,\n", lon, i, type); out += line; break;
      case 2: std::snprintf(line, sizeof line, "%f,0,A%d,,,%s,,\n", lat, i, type); out += line; break;
      case 3: std::snprintf(line, sizeof line, "%fx,%f?,bad numbers,,,%s\n", lat, lon, type); out += line; break;
      case 4: std::snprintf(line, sizeof line, " \"%f\", \"%f\", \"Road\",\" Town\",\"\"Hazard\" ,%s,\"Yes\",30\n", lat, lon, type); out += line; break;
      case 5: std::snprintf(line, sizeof line, "  %f,  %f,A%d,,,%s,,\n", lat, lon, i, type); out += line; break;
      case 6: std::snprintf(line, sizeof line, ",,%f,,%f,A%d,,,%s\n", lat, lon, i, type); out += line; break;
      case 7: {  // over-long fields and an over-long line whose tail looks like a camera
        std::string road(30, 'r'), hazard(200, 'h');
        std::snprintf(line, sizeof line, "%.15f,%.15f,%s,%s,", lat, lon, road.c_str(), hazard.c_str());
        out += line;
        std::snprintf(line, sizeof line, "%f,%f,TAIL,,,%s\n", lat, lon, type);
        out += line;
        break;
      }
      case 8: std::snprintf(line, sizeof line, "%f,%f,A%d,,,%s,Yes,30\r\n", lat, lon, i, type); out += line; break;
      case 9: out += "\n"; break;
      case 10: std::snprintf(line, sizeof line, "nan,%f,A%d\n", lon, i); out += line; break;
      case 11: std::snprintf(line, sizeof line, "%f,1e999,A%d\n", lat, i); out += line; break;
      case 12: out += std::string("51.5,-0.1,A\0NUL,,,GATSO\n", 24); break;
      case 13: std::snprintf(line, sizeof line, "%f\n", lat); out += line; break;
      default:
        std::snprintf(line, sizeof line, "%f,%f,A%d,Town %d,,%s,Yes,%d\n", lat, lon, i, i % 50, type, 20 + 10 * (i % 6));
        out += line;
        break;
    }
  }
  // A last line without a line end.
  std::snprintf(line, sizeof line, "%f,%f,LAST,,,GATSO,Yes,30", towns[0][0], towns[0][1]);
  return out + line;
}

// Cameras exactly on the radius: the distance of one camera from the origin is the radius.
void ExpectSame(const std::string& path, CameraIndex& index, const GpsFix& origin, double radius,
                const CameraExcludeList* excluded, const std::string& legend) {
  std::vector<CameraRecord> plain, indexed;
  ASSERT_EQ(CameraReadStatus::Ok, ReadCamerasPlain(path, origin, radius, excluded, &plain)) << legend;
  ASSERT_EQ(CameraReadStatus::Ok, index.Read(path, origin, radius, excluded, &indexed)) << legend;
  ASSERT_EQ(plain.size(), indexed.size()) << legend;
  for (std::size_t i = 0; i < plain.size(); ++i) {
    ASSERT_TRUE(plain[i] == indexed[i]) << legend << " record " << i << ": " << plain[i].Road.str() << " vs "
                                        << indexed[i].Road.str();
  }
}

TEST(CameraIndexTest, GivesTheSameListAsReadingEveryLine) {
  TempDir dir;
  const std::string path = dir.File("cameras.txt");
  dir.Write("cameras.txt", GenerateDatabase(7, 6000));
  CameraIndex index;
  index.SetRacyWindowSeconds(0);
  CameraExcludeNames excluded({"gatso", "Specs"});
  CameraExcludeNames none;

  // A camera of the file exactly on the radius (its own distance as radius).
  // The first query starts the build; every case below is answered by the index.
  GpsFix london = FixAt(51.5, -0.1);
  std::vector<CameraRecord> all;
  ASSERT_EQ(CameraReadStatus::Ok, index.Read(path, london, 20000, nullptr, &all));
  ASSERT_TRUE(index.WaitUntilReady());
  all.clear();
  ReadCamerasPlain(path, london, 20000, nullptr, &all);
  ASSERT_GT(all.size(), 100u);
  double onRadius = DistanceFromFix(london, std::atof(all[40].Latitude.c_str()), std::atof(all[40].Longitude.c_str()));

  struct Case {
    GpsFix origin;
    double radius;
  };
  const std::vector<Case> cases = {
      {london, 4000},          {london, onRadius},          {london, std::nextafter(onRadius, 0.0)},
      {london, 64000},         {FixAt(53.5, -2.2), 8000},   {FixAt(-33.9, 151.2), 16000},
      {FixAt(64.1, -21.9), 4000}, {FixAt(89.99, 10.0), 4000}, {FixAt(89.99, -170.0), 32000},
      {FixAt(10.0, 10.0), 4000}, {london, 1e12},             {london, INFINITY},
      {london, -1.0},          {london, NAN},               {FixAt(0.0, -0.1), 4000},
      {FixAt(NAN, -0.1), 4000}, {FixAt(INFINITY, -0.1), INFINITY}, {FixAt(51.5, NAN), 4000},
  };
  for (const Case& c : cases) {
    char legend[160];
    std::snprintf(legend, sizeof legend, "origin %g,%g radius %g", c.origin.latitude, c.origin.longitude, c.radius);
    ExpectSame(path, index, c.origin, c.radius, nullptr, legend);
    ExpectSame(path, index, c.origin, c.radius, &excluded, std::string(legend) + " excluded");
    ExpectSame(path, index, c.origin, c.radius, &none, std::string(legend) + " empty exclude list");
  }
  EXPECT_EQ(static_cast<int>(cases.size()) * 3, index.IndexedReads());
  EXPECT_EQ(1, index.BuildCount());
}

TEST(CameraIndexTest, IsBuiltOnceAndAgainWhenTheFileChanges) {
  TempDir dir;
  const std::string path = dir.File("cameras.txt");
  dir.Write("cameras.txt", "51.5,-0.1,one\n");
  CameraIndex index;
  index.SetRacyWindowSeconds(0);
  GpsFix origin = FixAt(51.5, -0.1);
  std::vector<CameraRecord> out;
  for (int i = 0; i < 3; ++i) {
    out.clear();
    index.Read(path, origin, 4000, nullptr, &out);
    index.WaitUntilReady();
  }
  EXPECT_EQ(1, index.BuildCount());
  EXPECT_EQ(1u, index.EntryCount());
  EXPECT_EQ(2, index.IndexedReads());

  // Each change is answered at once (read through while the index is built
  // again), and then by the new index.
  auto readTwice = [&](int builds) {
    out.clear();
    index.Read(path, origin, 4000, nullptr, &out);
    EXPECT_EQ(builds, index.BuildCount());
    const int indexed = index.IndexedReads();
    ASSERT_TRUE(index.WaitUntilReady());
    std::vector<CameraRecord> again;
    index.Read(path, origin, 4000, nullptr, &again);
    EXPECT_EQ(indexed + 1, index.IndexedReads());
    EXPECT_TRUE(again == out);
  };
  // The same size, written again: still noticed.
  dir.Write("cameras.txt", "51.5,-0.1,ONE\n");
  readTwice(2);
  ASSERT_EQ(1u, out.size());
  EXPECT_EQ("ONE", out[0].Road.str());

  // Another file by the same path.
  std::rename(path.c_str(), dir.File("old.txt").c_str());
  dir.Write("cameras.txt", "51.5,-0.1,new\n");
  readTwice(3);
  ASSERT_EQ(1u, out.size());
  EXPECT_EQ("new", out[0].Road.str());

  std::remove(path.c_str());
  EXPECT_EQ(CameraReadStatus::OpenFailed, index.Read(path, origin, 4000, nullptr, &out));
}

TEST(CameraIndexTest, AFileJustWrittenIsNotTrustedByItsTimesAlone) {
  TempDir dir;
  const std::string path = dir.File("cameras.txt");
  dir.Write("cameras.txt", "51.5,-0.1,one\n");
  CameraIndex index;  // default window: the file is seconds old at most
  std::vector<CameraRecord> out;
  index.Read(path, FixAt(51.5, -0.1), 4000, nullptr, &out);
  ASSERT_TRUE(index.WaitUntilReady());
  index.Read(path, FixAt(51.5, -0.1), 4000, nullptr, &out);  // answered this once
  EXPECT_EQ(1, index.IndexedReads());
  index.Read(path, FixAt(51.5, -0.1), 4000, nullptr, &out);
  EXPECT_EQ(2, index.BuildCount());
  EXPECT_EQ(1, index.IndexedReads());
}



using namespace std::chrono_literals;

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
