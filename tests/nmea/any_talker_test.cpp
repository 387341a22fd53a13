#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "nmea/nmea_parser.h"
#include "nmea/nmea_sentence.h"

namespace rovex {
namespace {

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

// A receiver that sends only GN sentences: no fix at all by default.
TEST(AnyTalker, AGnOnlyReceiverLogGivesFixesOnlyWithTheSettingOn) {
  fs::path log = fs::path(ROVEX_SHARED_DATA) / "nmea" / "gpsd" / "neo-m8n.log";
  if (!fs::exists(log)) GTEST_SKIP() << "no shared receiver logs at " << log;
  for (bool on : {false, true}) {
    CNMEAParser parser;
    parser.SetAnyTalker(on);
    std::ifstream in(log, std::ios::binary);
    int positions = 0;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty() || line[0] != '$' || !ValidateChecksum(line)) continue;
      NmeaSentenceParts parts = SplitSentence(line);
      uint32_t before = parser.Gga().count;
      parser.DispatchSentence(parts.address, parts.data);
      positions += parser.Gga().count != before;
    }
    if (on) {
      EXPECT_EQ(positions, 23);
      EXPECT_NEAR(parser.Fix().latitude, 44.0690, 1e-4);
      EXPECT_NEAR(parser.Fix().longitude, -121.3142, 1e-4);
    } else {
      EXPECT_EQ(positions, 0);
      EXPECT_EQ(parser.Fix().latitude, 0.0);
      EXPECT_EQ(parser.Fix().speedKnots, 0.0);
    }
  }
}

}  // namespace
}  // namespace rovex
