#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "nmea/nmea_log_line_reader.h"
#include "nmea/nmea_parser.h"
#include "nmea/nmea_sentence.h"
#include "support/temp_dir.h"

// Real receiver logs through the line rules of a replay, the checksum and the
// parser, compared with what gpsd and GPSBabel made of the same files.

namespace rovex {
namespace {

namespace fs = std::filesystem;

struct Replayed {
  size_t handed = 0;      // lines a replay hands over
  size_t bad = 0;         // of those, failed the checksum
  size_t dispatched = 0;  // of those, given to the parser
  CNMEAParser parser;
};

// As the replay and the drawing pass treat each line of a log.
void Replay(const fs::path& path, Replayed* result) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr) << path;
  NmeaLogLineReader reader(f);
  std::string_view line;
  while (reader.Next(&line)) {
    if (line.size() <= 2) continue;
    ++result->handed;
    std::string_view sentence = line.substr(0, 99);
    if (!ValidateChecksum(sentence)) {
      ++result->bad;
      continue;
    }
    NmeaSentenceParts parts = SplitSentence(sentence);
    result->parser.DispatchSentence(parts.address, parts.data);
    ++result->dispatched;
  }
  EXPECT_FALSE(reader.Failed()) << path;
  std::fclose(f);
}

std::optional<double> NumberAfter(const std::string& text, const char* key) {
  size_t at = text.find(key);
  if (at == std::string::npos) return std::nullopt;
  return std::strtod(text.c_str() + at + std::strlen(key), nullptr);
}

// The last position gpsd reported for a log: the last TPV with lat and lon.
std::optional<std::pair<double, double>> LastTpvPosition(const fs::path& chk) {
  std::ifstream in(chk, std::ios::binary);
  std::optional<std::pair<double, double>> last;
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("{\"class\":\"TPV\"", 0) != 0) continue;
    auto lat = NumberAfter(line, "\"lat\":");
    auto lon = NumberAfter(line, "\"lon\":");
    if (lat && lon) last = std::pair{*lat, *lon};
  }
  return last;
}

// Logs whose last gpsd position rightly differs from the parser's last fix, and why.
const std::map<std::string, const char*> kDiffersFromGpsd = [] {
  std::map<std::string, const char*> m = {
      {"april6_2019.log", "RMC only, and the position comes from GGA only"},
      {"ch-4711.log", "the last GP GGA has quality 0; gpsd's position is from the GN sentences"},
      {"ericsson-gru04-02-70sec.log", "two GGA; gpsd's later positions are from GNGNS and GNGLL"},
      {"firefly-II.log", "every GGA fails its checksum"},
      {"garmin-geko201.log", "simulator GGA of quality 8, which gpsd does not take as a position"},
      {"gp-320fw-2019-04-07-coldboot.log", "its good GGA are all 0000.0000 after the cold boot"},
      {"humminbird-M37.log", "IN talker for every sentence"},
      {"iTrek.log", "the log ends with an RMC at a newer position than the last GGA"},
      {"magellan-ec10.log", "RMC and RMB only"},
      {"nmea-rtk.log", "GP and GN GGA alternate and the last is GN"},
      {"st-teseo-liv4f.log", "every line starts with \"$$\", so every checksum fails"},
  };
  for (const char* log : {"beidou-bd.log", "furuno_gl_ga.log", "jl-micro-jlt.log", "neo-m8n.log", "nl2008u.log",
                          "quectel-l76k-nmea.log", "ublox-8.log", "ublox8-uniqid-monhw.log"}) {
    m[log] = "GGA only from the GN talker";
  }
  return m;
}();

class SharedLogs : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = testing::SharedDataDir();
    if (m_dir.empty() || !fs::is_directory(fs::path(m_dir) / "nmea")) {
      GTEST_SKIP() << "the shared receiver logs are not here (../shared/data/nmea)";
    }
  }

  fs::path Nmea() const { return fs::path(m_dir) / "nmea"; }

  std::string m_dir;
};

TEST_F(SharedLogs, EveryLogRunsThroughAndTheLastFixMatchesGpsd) {
  size_t compared = 0;
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(Nmea() / "gpsd")) {
    if (e.path().extension() == ".log") files.push_back(e.path());
  }
  std::sort(files.begin(), files.end());
  ASSERT_GE(files.size(), 50u);
  for (const fs::path& log : files) {
    auto replayed = std::make_unique<Replayed>();
    Replay(log, replayed.get());
    std::string name = log.filename().string();
    auto gpsd = LastTpvPosition(log.string() + ".chk");
    const GpsFix& fix = replayed->parser.Fix();
    auto listed = kDiffersFromGpsd.find(name);
    if (listed != kDiffersFromGpsd.end()) {
      bool same = gpsd && fix.latitude != 0.0 && std::abs(fix.latitude - gpsd->first) <= 1e-6 &&
                  std::abs(fix.longitude - gpsd->second) <= 1e-6;
      EXPECT_FALSE(same) << name << " is listed as differing (" << listed->second << ") but matches now";
      continue;
    }
    if (!gpsd) continue;  // gpsd reported no position (no fix or no checksums)
    ++compared;
    EXPECT_NE(fix.latitude, 0.0) << name << ": no fix, gpsd has " << gpsd->first;
    EXPECT_NEAR(fix.latitude, gpsd->first, 1e-6) << name;
    EXPECT_NEAR(fix.longitude, gpsd->second, 1e-6) << name;
  }
  EXPECT_GE(compared, 30u);
}

TEST_F(SharedLogs, OtherLogsRunThroughAndMatchGpsBabel) {
  for (const auto& e : fs::directory_iterator(Nmea() / "other")) Replay(e.path(), std::make_unique<Replayed>().get());
  // GPSBabel's last track point of a log is its last GGA position.
  struct Pair {
    const char* log;
    const char* gpx;
  } pairs[] = {{"nmea", "nmea.gpx"}, {"nmea+ms.txt", "nmea+ms.gpx"}, {"amod-nmea", "amod.gpx"}};
  for (const Pair& p : pairs) {
    auto replayed = std::make_unique<Replayed>();
    Replay(Nmea() / "other" / p.log, replayed.get());
    std::ifstream in(Nmea() / "other" / p.gpx);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t at = text.rfind("<trkpt lat=\"");
    ASSERT_NE(at, std::string::npos) << p.gpx;
    std::string last = text.substr(at);
    EXPECT_NEAR(replayed->parser.Fix().latitude, *NumberAfter(last, "lat=\""), 1e-6) << p.log;
    EXPECT_NEAR(replayed->parser.Fix().longitude, *NumberAfter(last, "lon=\""), 1e-6) << p.log;
  }
}

}  // namespace
}  // namespace rovex
