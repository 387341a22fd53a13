// Sentences per second through the replay's line read, the checksum and the
// parser, beside reading the same lines alone (fgets, and the replay's reader).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "nmea/nmea_log_line_reader.h"
#include "nmea/nmea_parser.h"
#include "nmea/nmea_sentence.h"
#include "nmea_log_generator.h"

namespace {

constexpr size_t kLines = 60000;  // ten thousand seconds of GGA, RMC, GSA and 3 GSV

// The generated log, written once to a temporary file and removed at exit.
class LogFile {
 public:
  LogFile() {
    char name[] = "/tmp/rovex_bench_nmea_XXXXXX";
    int fd = mkstemp(name);
    if (fd < 0) std::abort();
    m_path = name;
    std::string log = rovex::bench::GenerateNmeaLog(kLines);
    if (write(fd, log.data(), log.size()) != static_cast<ssize_t>(log.size())) std::abort();
    close(fd);
  }
  ~LogFile() { std::remove(m_path.c_str()); }
  const char* Path() const { return m_path.c_str(); }

 private:
  std::string m_path;
};

const LogFile& Log() {
  static LogFile log;
  return log;
}

void Report(benchmark::State& state, size_t lines) {
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines));
  state.counters["lines"] = static_cast<double>(lines);
}

void BM_Baseline_FgetsLines(benchmark::State& state) {
  size_t lines = 0;
  for (auto _ : state) {
    std::FILE* f = std::fopen(Log().Path(), "rb");
    char buffer[299];
    lines = 0;
    while (std::fgets(buffer, sizeof buffer, f) != nullptr) {
      benchmark::DoNotOptimize(buffer);
      ++lines;
    }
    std::fclose(f);
  }
  Report(state, lines);
}
BENCHMARK(BM_Baseline_FgetsLines)->Unit(benchmark::kMillisecond);

void BM_Baseline_ReplayLineReader(benchmark::State& state) {
  size_t lines = 0;
  for (auto _ : state) {
    std::FILE* f = std::fopen(Log().Path(), "rb");
    rovex::NmeaLogLineReader reader(f);
    std::string_view line;
    lines = 0;
    while (reader.Next(&line)) {
      benchmark::DoNotOptimize(line.data());
      ++lines;
    }
    std::fclose(f);
  }
  Report(state, lines);
}
BENCHMARK(BM_Baseline_ReplayLineReader)->Unit(benchmark::kMillisecond);

void BM_ChecksumAndParse(benchmark::State& state) {
  size_t lines = 0;
  rovex::CNMEAParser parser;
  for (auto _ : state) {
    std::FILE* f = std::fopen(Log().Path(), "rb");
    rovex::NmeaLogLineReader reader(f);
    std::string_view line;
    lines = 0;
    while (reader.Next(&line)) {
      ++lines;
      if (line.size() <= 2) continue;
      std::string_view sentence = line.substr(0, 99);
      if (!rovex::ValidateChecksum(sentence)) continue;
      rovex::NmeaSentenceParts parts = rovex::SplitSentence(sentence);
      parser.DispatchSentence(parts.address, parts.data);
    }
    std::fclose(f);
    benchmark::DoNotOptimize(parser.Fix());
  }
  if (parser.Gga().count == 0) state.SkipWithError("the generated log did not parse");
  Report(state, lines);
}
BENCHMARK(BM_ChecksumAndParse)->Unit(benchmark::kMillisecond);

}  // namespace
