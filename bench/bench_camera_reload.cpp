// Rebuilding the nearby camera list from a database of 100,000 and 1,000,000
// cameras: through the position index (warm, and its first build, which runs
// in the background while the first query reads the file through), beside
// the straightforward reading of every line and a plain read of the file.
// The target: an indexed reload from 1,000,000 cameras within 30 ms.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>

#include "cameras/camera_file_reader.h"
#include "cameras/camera_index.h"
#include "nmea/gps_fix.h"

namespace {

// The generated databases, removed at exit.
struct Databases {
  std::map<int, std::string> paths;
  ~Databases() {
    for (const auto& [cameras, path] : paths) std::remove(path.c_str());
  }
};

// Cameras spread over Great Britain, as a national database is.
const std::string& Database(int cameras) {
  static Databases databases;
  auto& paths = databases.paths;
  auto found = paths.find(cameras);
  if (found != paths.end()) return found->second;
  std::string path = "/tmp/rovex-bench-cameras-" + std::to_string(getpid()) + "-" + std::to_string(cameras) + ".txt";
  std::FILE* f = std::fopen(path.c_str(), "w");
  std::mt19937 random(42);
  std::uniform_real_distribution<double> lat(49.9, 58.7), lon(-7.6, 1.8);
  const char* types[] = {"GATSO", "TRUVELO", "SPECS", "MOBILE", "REDLIGHT"};
  for (int i = 0; i < cameras; ++i) {
    std::fprintf(f, "%f,%f,A%d,Town %d,,%s,Yes,%d\n", lat(random), lon(random), i % 9000, i % 500, types[i % 5],
                 20 + 10 * (i % 6));
  }
  std::fclose(f);
  // A file changed within the last seconds is not trusted by its times alone:
  // let it age as a driver's database has.
  std::this_thread::sleep_for(std::chrono::milliseconds(2100));
  return paths[cameras] = path;
}

rovex::GpsFix Origin() {
  rovex::GpsFix fix;
  fix.latitude = 52.2;
  fix.longitude = -1.5;
  return fix;
}

void PlainFileRead(benchmark::State& state) {
  const std::string& path = Database(static_cast<int>(state.range(0)));
  std::vector<char> buffer(1 << 20);
  for (auto _ : state) {
    int fd = open(path.c_str(), O_RDONLY);
    size_t total = 0;
    ssize_t n;
    while ((n = read(fd, buffer.data(), buffer.size())) > 0) total += static_cast<size_t>(n);
    close(fd);
    benchmark::DoNotOptimize(total);
  }
}

void StraightforwardReload(benchmark::State& state) {
  const std::string& path = Database(static_cast<int>(state.range(0)));
  size_t found = 0;
  for (auto _ : state) {
    std::vector<rovex::CameraRecord> list;
    rovex::ReadCamerasPlain(path, Origin(), static_cast<double>(state.range(1)), nullptr, &list);
    found = list.size();
  }
  state.counters["cameras_in_list"] = static_cast<double>(found);
}

void IndexedReload(benchmark::State& state) {
  const std::string& path = Database(static_cast<int>(state.range(0)));
  const double radius = static_cast<double>(state.range(1));
  rovex::CameraIndex index;
  std::vector<rovex::CameraRecord> list, plain;
  index.Read(path, Origin(), radius, nullptr, &list);  // starts the build
  if (!index.WaitUntilReady()) state.SkipWithError("the index was not built");
  list.clear();
  index.Read(path, Origin(), radius, nullptr, &list);
  rovex::ReadCamerasPlain(path, Origin(), radius, nullptr, &plain);
  if (index.IndexedReads() != 1) state.SkipWithError("the index did not answer");
  if (!(list == plain)) state.SkipWithError("the index disagrees with the straightforward reading");
  for (auto _ : state) {
    list.clear();
    index.Read(path, Origin(), radius, nullptr, &list);
  }
  state.counters["cameras_in_list"] = static_cast<double>(list.size());
  state.counters["index_builds"] = index.BuildCount();
  state.counters["indexed_reads"] = index.IndexedReads();
  state.counters["index_MiB"] = static_cast<double>(index.MemoryBytes()) / (1 << 20);
}

// The first query (read through, as the window sees it) and the build beside
// it, until the index is ready.
void IndexFirstBuild(benchmark::State& state) {
  const std::string& path = Database(static_cast<int>(state.range(0)));
  rovex::CameraIndex index;
  for (auto _ : state) {
    index.Reset();
    std::vector<rovex::CameraRecord> list;
    index.Read(path, Origin(), 4000, nullptr, &list);
    if (!index.WaitUntilReady()) state.SkipWithError("the index was not built");
  }
}

}  // namespace

BENCHMARK(PlainFileRead)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(StraightforwardReload)->Args({100000, 4000})->Args({1000000, 4000})->Unit(benchmark::kMillisecond);
BENCHMARK(IndexedReload)
    ->Args({100000, 4000})
    ->Args({1000000, 4000})
    ->Args({1000000, 64000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(IndexFirstBuild)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
