#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "nmea/c_number.h"
#include "nmea/distance.h"
#include "nmea/line_assembler.h"
#include "nmea/nmea_log_line_reader.h"
#include "nmea/nmea_parser.h"
#include "nmea/nmea_sentence.h"
#include "support/fix_at.h"
#include "support/nmea_checksum.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::WithChecksum;

// What the drawing pass does with a line: checksum, split, dispatch.
bool Feed(CNMEAParser& parser, const std::string& line) {
  if (!ValidateChecksum(line)) return false;
  NmeaSentenceParts parts = SplitSentence(line);
  return parser.DispatchSentence(parts.address, parts.data);
}

const char kMunichGga[] = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const double kMunichLat = 48.1173;

TEST(NmeaParser, ChecksumCases) {
  struct Case {
    const char* legend;
    std::string line;
    bool passes;
  } cases[] = {
      {"the reference GGA", kMunichGga, true},
      {"wrong checksum digits", "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*48", false},
      {"lower-case hex digits (Magellan)", "$GPRMC,205150.00,V,,,,,,,,,,,V*4a", true},
      {"no checksum at all", "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", false},
      {"four characters", "$A*4", false},
      {"shortest that can pass: XOR of 'A' is 41", "$A*41", true},
      {"third-last character is not tested", "$A#41", true},
      {"empty", "", false},
      {"doubled dollar is XORed in", "$" + WithChecksum("GPGSA,A,1,,,,,,,,,,,,,,,"), false},
      {"8-bit bytes XOR as unsigned", WithChecksum("GPTXT,\xe9t\xe9"), true},
  };
  for (const Case& c : cases) EXPECT_EQ(ValidateChecksum(c.line), c.passes) << c.legend << ": " << c.line;
}

TEST(NmeaParser, SplitTakesFiveAddressCharactersAndDataFromTheEighth) {
  struct Case {
    std::string line, address, data;
  } cases[] = {
      {kMunichGga, "GPGGA", "123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47"},
      {"$GPGGA", "GPGGA", ""},
      {"x$GPGGA,1", "$GPGG", ",1"},  // no "$" test: the position alone counts
      {"$GPGGAX1,2", "GPGGA", "1,2"},
      {"$GPGGA," + std::string(200, '9'), "GPGGA", std::string(159, '9')},
  };
  for (const Case& c : cases) {
    NmeaSentenceParts parts = SplitSentence(c.line);
    EXPECT_EQ(parts.address, c.address) << c.line;
    EXPECT_EQ(parts.data, c.data) << c.line;
  }
}

// Which field, and where it ends, the fuzz target checks against a plain split; the cut to the caller's buffer is here.
TEST(NmeaParser, ExtractFieldCutsToTheBuffer) {
  for (auto [capacity, text] : {std::pair<size_t, const char*>{4, "abc"}, {1, ""}}) {
    char out[64];
    std::memset(out, 'Z', sizeof out);
    EXPECT_TRUE(CNMEAParser::ExtractField("abcdef", 0, out, capacity));
    EXPECT_STREQ(out, text) << capacity;
  }
}

// Sentences fed in order, then one value read back, each with its reason. Only the fix is read outside the
// parser; of the other records, what guards a buffer.
struct StateCase {
  const char* legend;
  std::vector<std::string> bodies;
  std::function<double(const CNMEAParser&)> value;
  double expected;
};

TEST(NmeaParser, WhatEachSentenceLeavesBehind) {
  const std::string gga = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";
  const std::string rmc = "GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E";
  const StateCase cases[] = {
      {"empty GGA position keeps the fix", {gga, "GPGGA,,,S,,W,,,,,M,,M,,"}, [](auto& p) { return p.Fix().latitude; },
       kMunichLat},
      {"empty GGA altitude keeps it", {gga, "GPGGA,,,,,,,,,,M,,M,,"}, [](auto& p) { return p.Fix().altitude; }, 545.4},
      {"GGA quality is the first digit", {"GPGGA,,,,,,2x,,,,,,,,"}, [](auto& p) { return p.Gga().fixQuality; }, 2},
      {"GGA satellites from two characters", {"GPGGA,,,,,,,123,,,,,,,"},
       [](auto& p) { return p.Gga().satellitesInUse; }, 12},
      {"a coordinate shorter than its degrees", {"GPGGA,1,4,N,7,E,,,,,,,,,"}, [](auto& p) { return p.Fix().latitude; },
       4.0},
      {"a coordinate is cut to 24 characters", {"GPGGA,0,4807.0380000000000000000099,N,,,,,,,,,,,"},
       [](auto& p) { return p.Fix().latitude; }, kMunichLat},
      {"empty RMC speed is 0", {rmc, "GPRMC,,,,,,,,,,,"}, [](auto& p) { return p.Fix().speedKnots; }, 0.0},
      {"the address is case-sensitive", {"gpgga,123519,4807.038,N,,,,,,,,,,,"},
       [](auto& p) { return p.Gga().count; }, 0},
      {"RMB waypoint cut to 24", {"GPRMB,A,,,,WAYPOINT-WITH-A-VERY-LONG-NAME,,,,,,,,"},
       [](auto& p) { return std::strlen(p.Rmb().destinationWaypoint); }, 24},
  };
  for (const StateCase& c : cases) {
    CNMEAParser p;
    for (const std::string& body : c.bodies) ASSERT_TRUE(Feed(p, WithChecksum(body))) << body;
    EXPECT_NEAR(c.value(p), c.expected, 1e-9) << c.legend;
  }
}

TEST(NmeaParser, GsaAndGsvMarkTheSatellitesInTheSolution) {
  CNMEAParser p;
  ASSERT_TRUE(Feed(p, WithChecksum("GPGSA,A,3,04,05,,09,12,,,,,,,110,2.5,1.3,2.1")));
  const uint16_t used[12] = {4, 5, 0, 9, 12, 0, 0, 0, 0, 0, 0, 11};  // a 3-digit PRN keeps two digits
  for (int i = 0; i < 12; ++i) EXPECT_EQ(p.Gsa().usedSatellites[i], used[i]) << i;
  EXPECT_FALSE(p.IsSatelliteUsed(0));  // empty slots are not satellite 0

  ASSERT_TRUE(Feed(p, WithChecksum("GPGSV,2,2,08,09,41,047,36,14,32,311,26,04,08,109,,15,09,229,")));
  EXPECT_EQ(p.Gsv().satellitesInView, 8);
  const CNMEAParser::SatelliteEntry& a = p.Gsv().satellites[4];  // message 2 fills slots 4..7
  EXPECT_EQ(a.identifier * 1000000 + a.elevation * 10000 + a.azimuth * 100 + a.signalToNoise, 9414736);
  EXPECT_TRUE(a.usedInSolution);
  EXPECT_FALSE(p.Gsv().satellites[5].usedInSolution);
}

TEST(NmeaParser, GsvOutOfRangeMessageNumbersAreDropped) {
  for (const char* body : {"GPGSV,9,1,08,09,41,047,36", "GPGSV,3,0,08,09,41,047,36", "GPGSV,3,10,08,09,41,047,36"}) {
    CNMEAParser p;
    ASSERT_TRUE(Feed(p, WithChecksum(body)));
    EXPECT_EQ(p.Gsv().count, 0u) << body;
    EXPECT_EQ(p.Gsv().satellitesInView, 0) << body;
    EXPECT_EQ(p.SentenceCount(), 1u) << body;
  }
  // Message 9 of 8 is still inside the 36-entry table: its last four slots.
  CNMEAParser p;
  ASSERT_TRUE(Feed(p, WithChecksum("GPGSV,8,9,36,01,02,003,04,05,06,007,08,09,10,011,12,13,14,015,16")));
  EXPECT_EQ(p.Gsv().satellites[32].identifier, 1);
  EXPECT_EQ(p.Gsv().satellites[35].signalToNoise, 16);
}

// The C library, in the "C" locale that the tests run in, is the oracle.
void ExpectSameAsLibrary(const std::string& text) {
  double ours = CAtof(text.c_str());
  double library = std::atof(text.c_str());
  if (library != library) {
    EXPECT_NE(ours, ours) << '"' << text << '"';
  } else {
    EXPECT_EQ(std::memcmp(&ours, &library, sizeof ours), 0)
        << '"' << text << "\": " << ours << " vs " << library;  // bit for bit, sign of zero included
  }
  EXPECT_EQ(CAtoi(text.c_str()), std::atoi(text.c_str())) << '"' << text << '"';
}

TEST(CNumber, AgreesWithTheLibraryOnEveryShape) {
  const std::vector<std::string> cases = {
      "", " ", "0", "-0", "+0", "0.0", "-0.000", "4807.038", "01131.000", "545.4", "-30.1", ".5", "5.", ".", "-", "+",
      "-.", "  \t\n 12.25xyz", "1e3", "1E-3", "2.5e", "2.5e+", "0x1A", "0X1p4", "-0x.8", "0x", "00x1", "inf",
      "-Infinity", "nan", "NAN(123)", "123456789012345", "1234567890123456", "12345678901234567890", "2147483647",
      "0.0000000000000000000001", "1.7976931348623157e308", "1e400", "-1e400", "4e-400", "999999999999999.9", "0.1",
      "9007199254740993", "000000000000000000000000001.5", "2147483648", "-2147483648", "-2147483649",
      "9223372036854775807", "9223372036854775808", "-9223372036854775808", "-9223372036854775809",
      "99999999999999999999999", "+-1", "- 1", "12,5", "1_000", "\x7f" "1", "4807.0380000000000000000099",
      "0.000000000000001234567890123456"};
  for (const std::string& text : cases) ExpectSameAsLibrary(text);
}

// A locale with a decimal comma, as the window toolkit selects for a German
// user. Built into a temporary folder with localedef when none is installed.
class DecimalCommaLocale : public ::testing::Test {
 protected:
  void TearDown() override {
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
  }

  bool Select() {
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) return true;
    std::string command = "localedef -i de_DE -f UTF-8 '" + m_dir.File("de_DE.UTF-8") + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return false;
    setenv("LOCPATH", m_dir.Path().c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  }

  testing::TempDir m_dir;
};

TEST_F(DecimalCommaLocale, NumbersAndSentencesReadTheSame) {
  if (!Select()) GTEST_SKIP() << "no de_DE locale installed and localedef could not build one";
  ASSERT_EQ(std::atof("4807.038"), 4807.0) << "the library itself should stop at the point here";
  EXPECT_EQ(CAtof("4807.038"), 4807.038);
  CNMEAParser parser;
  parser.DispatchSentence("GPGGA", "123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47");
  EXPECT_NEAR(parser.Fix().latitude, 48.1173, 1e-12);
}

using testing::FixAt;

TEST(Distance, NoValueSentinels) {
  // No fix yet, a point on the equator, a point on the prime meridian.
  for (auto [fix, latitude, longitude] : {std::tuple{FixAt(0.0, 11.5), 51.5, -0.1}, {FixAt(51.5, -0.1), 0.0, -0.1},
                                          {FixAt(51.5, -0.1), 51.6, 0.0}}) {
    EXPECT_EQ(DistanceFromFix(fix, latitude, longitude), -1.0);
    double east = 7.0, north = 8.0;
    EXPECT_FALSE(OffsetFromFix(fix, longitude, latitude, &east, &north));
    EXPECT_EQ(east * 10 + north, 78.0) << "outputs must stay untouched";
  }
  // The fix's longitude is not tested: a fix exactly on the meridian still measures.
  EXPECT_NEAR(DistanceFromFix(FixAt(51.5, 0.0), 51.5, 1.0), std::cos(51.5 * DegToRad) * MetresPerDegreeLon, 1e-6);
}

TEST(Distance, OneDegreeAndSignCases) {
  EXPECT_NEAR(PointDistance(60.0, 10.0, 60.0, 11.0), 55659.6, 0.05);
  // Across the date line the difference is taken as it stands, never the short way round.
  EXPECT_NEAR(PointDistance(0.0, 179.5, 0.0, -179.5), 359.0 * MetresPerDegreeLon, 1e-3);
}

TEST(Distance, CosineOfThePointsLatitudeAndSignedOffsets) {
  GpsFix fix = FixAt(50.0, 8.0);
  double d = DistanceFromFix(fix, 60.0, 9.0);  // east factor from the point's latitude, not the fix's
  EXPECT_NEAR(d, std::hypot(10.0 * MetresPerDegreeLat, std::cos(60.0 * DegToRad) * MetresPerDegreeLon), 1e-6);
  EXPECT_NEAR(PointDistance(60.0, 9.0, 50.0, 8.0), d, 1e-6);  // the two-point form: the first point's

  double east = 0, north = 0;
  ASSERT_TRUE(OffsetFromFix(fix, 7.5, 49.9, &east, &north));
  EXPECT_NEAR(north, -0.1 * MetresPerDegreeLat, 1e-6);
  EXPECT_NEAR(east, -0.5 * std::cos(49.9 * DegToRad) * MetresPerDegreeLon, 1e-6);
}

using Lines = std::vector<std::pair<size_t, std::string>>;

Lines ReadAll(const std::string& content) {
  testing::TempDir dir;
  dir.Write("log.txt", content);
  std::FILE* f = std::fopen(dir.File("log.txt").c_str(), "rb");
  EXPECT_NE(f, nullptr);
  Lines lines;
  NmeaLogLineReader reader(f);
  std::string_view line;
  while (reader.Next(&line)) lines.emplace_back(reader.LineNumber(), std::string(line));
  EXPECT_FALSE(reader.Failed());
  std::fclose(f);
  return lines;
}

TEST(NmeaLogLineReader, LineEndsAndLimits) {
  const std::string x298(298, 'x');
  struct Case {
    const char* legend;
    std::string content;
    Lines expected;
  } cases[] = {
      {"a third CR stays", "abc\r\r\r\n", {{1, "abc\r"}}},
      {"CR alone does not end a line", "ab\rcd\r", {{1, "ab\rcd"}}},
      {"LF CR: the LF ends the line, the CR starts the next", "abc\n\rdef\n", {{1, "abc"}, {2, "\rdef"}}},
      {"two characters keep theirs", "a\r", {{1, "a\r"}}},
      {"CR LF counts as one character", std::string(297, 'x') + "\r\n$B\n", {{1, std::string(297, 'x')}, {2, "$B"}}},
      {"the line end can fall into the next piece", x298 + "\r\n", {{1, x298}, {1, "\n"}}},
  };
  // The usual line ends, NUL, long lines and the last line are in the parse command's golden file.
  for (const Case& c : cases) EXPECT_EQ(ReadAll(c.content), c.expected) << c.legend;
}

TEST(NmeaLogLineReader, CrLfAcrossTheReadBlock) {
  // 655 lines of 100 bytes, then 35 bytes, so that the CR is the last byte of
  // the first 64 KiB block and its LF the first byte of the next.
  std::string content;
  for (int i = 0; i < 655; ++i) content += std::string(99, 'a') + "\n";
  content += std::string(35, 'y') + "\r\n$GPZ\n";
  ASSERT_EQ(content[65535], '\r');
  Lines lines = ReadAll(content);
  ASSERT_EQ(lines.size(), 657u);
  EXPECT_EQ(lines[655], (std::pair<size_t, std::string>{656, std::string(35, 'y')}));
  EXPECT_EQ(lines[656], (std::pair<size_t, std::string>{657, "$GPZ"}));
}

std::vector<std::string> Assembled(const std::string& bytes) {
  LineAssembler a;
  std::vector<std::string> out;
  for (unsigned char c : bytes) {
    if (a.Feed(c)) out.push_back(a.Line());
  }
  return out;
}

TEST(LineAssembler, LineEndsAndDroppedBytes) {
  const std::string gga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
  const struct {
    const char* legend;
    std::string bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"CR alone ends a line", gga + "\r", {gga}},
      {"LF alone does not", gga + "\n", {}},
      {"LF before CR is dropped", "$A\n\r", {"$A"}},
      {"a bare CR is an empty line", "\r\r\n", {"", ""}},
      {"NUL adds nothing", std::string("$G\0P\r", 5), {"$GP"}},
      {"99 characters are kept", std::string(99, 'a') + "\r", {std::string(99, 'a')}},
      {"the 100th character empties the line", std::string(100, 'a') + "\r", {""}},
      {"150 characters: the tail after the cut is a line", std::string(150, 'b') + "\r", {std::string(50, 'b')}},
  };
  for (const auto& c : cases) EXPECT_EQ(Assembled(c.bytes), c.lines) << c.legend;
}

TEST(LineAssembler, WhichLinesAreForwarded) {
  const struct {
    const char* line;
    bool forwarded;
  } cases[] = {
      {"$GPGGA,1", true},  {"$GPRMC,1", true}, {"$GNGGA,1", true}, {"$GNRMC,1", true}, {"$GPGLL,1", true},
      {"$GNGLL,1", false}, {"$GPGSV,1", false}, {"$GPGSA,1", false}, {"$GPVTG,1", false}, {"x$GPGGA,1", false},
      {"GPGGA,1", false},  {"$GPGG", false},    {"$GPGGA", true},    {"", false},         {"$PGRMC,1", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsForwardedSentence(c.line), c.forwarded) << c.line;
}

namespace fs = std::filesystem;

TEST(AnyTalker, TakesGgaAndRmcOfEveryTalkerOnlyWhenOn) {
  const std::string gga = "123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
  const std::string rmc = "123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A";
  struct Case {
    const char* address;
    bool on;
    bool positioned;
  } cases[] = {
      {"GPGGA", false, true}, {"GNGGA", false, false}, {"GNGGA", true, true},  {"GLGGA", true, true},
      {"GAGGA", true, true},  {"BDGGA", true, true},   {"GNGGAX", true, false}, {"GNGSA", true, false},
  };
  for (const Case& c : cases) {
    CNMEAParser parser;
    parser.SetAnyTalker(c.on);
    parser.DispatchSentence(c.address, gga);
    EXPECT_EQ(parser.Fix().latitude != 0.0, c.positioned) << c.address << " on=" << c.on;
    EXPECT_EQ(parser.SentenceCount(), 1u);
  }
  CNMEAParser parser;
  parser.SetAnyTalker(true);
  parser.DispatchSentence("GNRMC", rmc);
  EXPECT_DOUBLE_EQ(parser.Fix().speedKnots, 22.4);
  EXPECT_EQ(parser.Fix().latitude, 0.0) << "RMC never moves the position";
  parser.ResetState();
  EXPECT_TRUE(parser.AnyTalker()) << "a setting, not parsed state";
}

// Real receiver logs through the line rules of a replay, the checksum and the
// parser, compared with what gpsd and GPSBabel made of the same files.

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

// A receiver that sends only GN sentences: no fix at all by default.
TEST_F(SharedLogs, AGnOnlyReceiverLogGivesFixesOnlyWithAnyTalkerOn) {
  for (bool on : {false, true}) {
    auto replayed = std::make_unique<Replayed>();
    replayed->parser.SetAnyTalker(on);
    Replay(Nmea() / "gpsd" / "neo-m8n.log", replayed.get());
    const GpsFix& fix = replayed->parser.Fix();
    EXPECT_EQ(replayed->parser.Gga().count, on ? 23u : 0u);
    EXPECT_NEAR(fix.latitude, on ? 44.0690 : 0.0, 1e-4);
    EXPECT_NEAR(fix.longitude, on ? -121.3142 : 0.0, 1e-4);
    if (!on) {
      EXPECT_EQ(fix.speedKnots, 0.0);
    }
  }
}

}  // namespace
}  // namespace rovex
