#include <gtest/gtest.h>

#include "trackeditor/track_reader.h"
#include "trackeditor/track_trim.h"

namespace rovex::trackeditor {
namespace {

TEST(TrackReader, GgaPositions) {
  struct Case {
    const char* legend;
    const char* line;
    bool point;
    double lat, lon;
  };
  const Case cases[] = {
      {"north west", "$GPGGA,080000.00,5123.0534,N,00120.2279,W,1,09,0.9,94.9,M,47.0,M,,*4B", true,
       51 + 23.0534 / 60, -(1 + 20.2279 / 60)},
      {"south east, lower case", "$gpgga,1,3352.1200,S,15112.6000,E,1", true, -(33 + 52.12 / 60), 151 + 12.6 / 60},
      {"fix quality 0 is still read", "$GPGGA,1,4807.038,N,01131.000,E,0,00", true, 48 + 7.038 / 60, 11 + 31.0 / 60},
      {"no checksum test", "$GPGGA,1,4807.038,N,01131.000,E,1*00", true, 48 + 7.038 / 60, 11 + 31.0 / 60},
      {"no fix: empty fields", "$GPGGA,080000.00,,,,,0,00,,,M,,M,,*66", false, 0, 0},
      {"zeros from a receiver without a fix", "$GPGGA,080000.00,0000.0000,N,00000.0000,E,0,00", false, 0, 0},
      {"line ends before the longitude", "$GPGGA,1,4807.038,N", false, 0, 0},
      {"other talker is not counted", "$GNGGA,1,4807.038,N,01131.000,E,1", false, 0, 0},
      {"RMC ignored", "$GPRMC,1,A,4807.038,N,01131.000,E,0,0,010100,,", false, 0, 0},
      {"asterisk ends a field", "$GPGGA,1,4807.038,N,01131.000*E,1", true, 48 + 7.038 / 60, 11 + 31.0 / 60},
      {"one-character latitude", "$GPGGA,1,5,N,1,E", true, 5, 1},
  };
  for (const Case& c : cases) {
    auto p = GgaPosition(c.line);
    ASSERT_EQ(p.has_value(), c.point) << c.legend;
    if (!p) continue;
    EXPECT_NEAR(p->latitude, c.lat, 1e-9) << c.legend;
    EXPECT_NEAR(p->longitude, c.lon, 1e-9) << c.legend;
  }
}

TEST(TrackReader, RmcOnlyLogHasNoPoints) {
  TrackPoints points;
  ReadTrackText("$GPRMC,1,A,4807.038,N,01131.000,E\n$GPGSA,A,3\n", &points);
  EXPECT_TRUE(points.points.empty());
  EXPECT_FALSE(ReadTrackFile("/nonexistent/rovex/log.txt", &points));
}

// GGA 0 and 2 have positions, GGA 1 has none; RMC lines in between.
const char* kLog =
    "$GPGGA,1,5100.0,N,00100.0,W,1\n"
    "$GPRMC,1\n"
    "$GPGGA,2,,,,,0\n"
    "$GPRMC,2\n"
    "$GPGGA,3,5102.0,N,00102.0,W,1\n"
    "$GPRMC,3\n";

TEST(TrackTrim, CopiesTheLinesBetweenTheMarkers) {
  struct Case {
    double start, end;
    const char* out;
  };
  const Case cases[] = {
      {0, 2, "$GPGGA,1,5100.0,N,00100.0,W,1\n$GPRMC,1\n$GPGGA,2,,,,,0\n$GPRMC,2\n$GPGGA,3,5102.0,N,00102.0,W,1\n$GPRMC,3\n"},
      {1, 0, "$GPRMC,1\n"},
      {2, 2, "$GPRMC,2\n$GPGGA,3,5102.0,N,00102.0,W,1\n$GPRMC,3\n"},
      {0, 0, "$GPGGA,1,5100.0,N,00100.0,W,1\n$GPRMC,1\n"},
      {3, 100, "$GPRMC,3\n"},
      {4, 100, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TrimTrackText(kLog, c.start, c.end), c.out) << c.start << ".." << c.end;
  TrackPoints points;
  ReadTrackText(kLog, &points);
  EXPECT_EQ(points.points.size(), 2u) << "the GGA without a position counts in the trim but gives no point";
}

TEST(TrackTrim, LongLinesAreCopiedWhole) {
  const std::string longLine = "$GPTXT," + std::string(700, 'x') + "\n";
  const std::string log = "$GPGGA,1,5100.0,N,00100.0,W,1\n" + longLine + "$GPGGA,2,5100.0,N,00100.0,W,1\n";
  EXPECT_EQ(TrimTrackText(log, 0, 5), log);
}

}  // namespace
}  // namespace rovex::trackeditor
