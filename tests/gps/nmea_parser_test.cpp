#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gps/nmea_parser.h"
#include "gps/nmea_sentence.h"

namespace rovex {
namespace {

// A sentence with its checksum worked out here, so that cases read as their data.
std::string WithChecksum(const std::string& body) {
  unsigned sum = 0;
  for (unsigned char c : body) sum ^= c;
  char tail[8];
  std::snprintf(tail, sizeof tail, "*%02X", sum);
  return "$" + body + tail;
}

// What the drawing pass does with a line: checksum, split, dispatch.
bool Feed(CNMEAParser& parser, const std::string& line) {
  if (!ValidateChecksum(line)) return false;
  NmeaSentenceParts parts = SplitSentence(line);
  return parser.DispatchSentence(parts.address, parts.data);
}

const char kMunichGga[] = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
const double kMunichLat = 48.1173;
const double kMunichLon = 11.0 + 31.0 / 60.0;

TEST(NmeaParser, StartValuesAndResetState) {
  CNMEAParser p;
  auto expectStart = [&p] {
    EXPECT_EQ(p.SentenceCount(), 0u);
    EXPECT_EQ(p.Fix().latitude, 0.0);
    EXPECT_EQ(p.Fix().speedKnots, 0.0);
    EXPECT_EQ(p.Gga().count, 0u);
    EXPECT_EQ(p.Gga().verticalSpeed, 0.0);
    EXPECT_EQ(p.Gsa().mode, 'M');
    EXPECT_EQ(p.Gsa().fixMode, 1);
    EXPECT_EQ(p.Gsa().usedSatellites[0], 0);
    EXPECT_EQ(p.Gsv().satellites[0].identifier, 0);
    EXPECT_EQ(p.Rmb().dataStatus, 'V');
    EXPECT_EQ(p.Rmb().directionToSteer, '?');
    EXPECT_EQ(p.Rmb().arrivalStatus, 'V');
    EXPECT_STREQ(p.Rmb().originWaypoint, "");
    EXPECT_EQ(p.Rmc().status, 'V');
    EXPECT_EQ(p.Rmc().day, 1);
    EXPECT_EQ(p.Rmc().month, 1);
    EXPECT_EQ(p.Rmc().year, 2000);
    EXPECT_EQ(p.Zda().day, 1);
    EXPECT_EQ(p.Zda().month, 1);
    EXPECT_EQ(p.Zda().year, 2000);
  };
  expectStart();
  Feed(p, kMunichGga);
  Feed(p, WithChecksum("GPGSA,A,3,04,05,09,,,,,,,,,,1.8,0.9,1.5"));
  Feed(p, WithChecksum("GPGSV,1,1,01,04,71,120,45"));
  Feed(p, WithChecksum("GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V"));
  Feed(p, WithChecksum("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W"));
  Feed(p, WithChecksum("GPZDA,201530.00,04,07,2002,00,00"));
  ASSERT_EQ(p.SentenceCount(), 6u);
  p.ResetState();
  expectStart();
}

TEST(NmeaParser, MunichGgaInEveryHemisphere) {
  struct Case {
    const char* ns;
    const char* ew;
    double latitude, longitude;
  } cases[] = {
      {"N", "E", kMunichLat, kMunichLon},
      {"S", "W", -kMunichLat, -kMunichLon},
      {"S", "E", -kMunichLat, kMunichLon},
      {"N", "W", kMunichLat, -kMunichLon},
  };
  for (const Case& c : cases) {
    CNMEAParser p;
    std::string line = WithChecksum(std::string("GPGGA,123519,4807.038,") + c.ns + ",01131.000," + c.ew +
                                    ",1,08,0.9,545.4,M,46.9,M,,");
    ASSERT_TRUE(Feed(p, line)) << line;
    const GpsFix& f = p.Fix();
    EXPECT_EQ(f.utcHour, 12);
    EXPECT_EQ(f.utcMinute, 35);
    EXPECT_EQ(f.utcSecond, 19);
    EXPECT_NEAR(f.latitude, c.latitude, 1e-12) << line;
    EXPECT_NEAR(f.longitude, c.longitude, 1e-12) << line;
    EXPECT_DOUBLE_EQ(f.altitude, 545.4);
    EXPECT_EQ(p.Gga().fixQuality, 1);
    EXPECT_EQ(p.Gga().satellitesInUse, 8);
    EXPECT_DOUBLE_EQ(p.Gga().horizontalDilution, 0.9);
    EXPECT_EQ(p.Gga().count, 1u);
  }
}

TEST(NmeaParser, ChecksumCases) {
  struct Case {
    const char* legend;
    std::string line;
    bool passes;
  } cases[] = {
      {"the reference GGA", kMunichGga, true},
      {"wrong checksum digits", "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*48", false},
      {"lower-case hex digits (Magellan)", "$GPRMC,205150.00,V,,,,,,,,,,,V*4a", true},
      {"upper-case of the same", "$GPRMC,205150.00,V,,,,,,,,,,,V*4A", true},
      {"one digit off", "$GPRMC,205150.00,V,,,,,,,,,,,V*4b", false},
      {"no checksum at all", "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", false},
      {"truncated checksum", "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*4", false},
      {"four characters", "$A*4", false},
      {"shortest that can pass: XOR of 'A' is 41", "$A*41", true},
      {"third-last character is not tested", "$A#41", true},
      {"non-hex ending", "$GPTXT,hello*ZZ", false},
      {"empty", "", false},
      {"doubled dollar is XORed in", "$" + WithChecksum("GPGSA,A,1,,,,,,,,,,,,,,,"), false},
      {"8-bit bytes XOR as unsigned", WithChecksum("GPTXT,\xe9t\xe9"), true},
  };
  for (const Case& c : cases) EXPECT_EQ(ValidateChecksum(c.line), c.passes) << c.legend << ": " << c.line;
}

TEST(NmeaParser, FailedChecksumChangesNothing) {
  CNMEAParser p;
  EXPECT_FALSE(Feed(p, "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*48"));
  EXPECT_EQ(p.Fix().latitude, 0.0);
  EXPECT_EQ(p.SentenceCount(), 0u);
}

TEST(NmeaParser, SplitTakesFiveAddressCharactersAndDataFromTheEighth) {
  struct Case {
    std::string line, address, data;
  } cases[] = {
      {kMunichGga, "GPGGA", "123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47"},
      {"$GPGGA", "GPGGA", ""},
      {"$GPGGA,", "GPGGA", ""},
      {"$GP", "GP", ""},
      {"$", "", ""},
      {"", "", ""},
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

TEST(NmeaParser, ExtractFieldCases) {
  struct Case {
    const char* data;
    int index;
    size_t capacity;
    bool result;
    const char* text;
  } cases[] = {
      {"a,bc,,d*1F", 0, 25, true, "a"},
      {"a,bc,,d*1F", 1, 25, true, "bc"},
      {"a,bc,,d*1F", 2, 25, false, ""},
      {"a,bc,,d*1F", 3, 25, true, "d"},
      {"a,bc,,d*1F", 4, 25, false, ""},  // no fourth comma: the field does not exist
      {"a,*1F", 1, 25, false, ""},       // begins with the asterisk: empty
      {"a,", 1, 25, false, ""},          // nothing after the last comma
      {"", 0, 25, false, ""},
      {",x", 0, 25, false, ""},
      {"*1F,x", 1, 25, true, "x"},  // commas after the asterisk still count
      {"12345678901234567890123456789,x", 0, 25, true, "123456789012345678901234"},
      {"12345678901234567890123456789,x", 1, 25, true, "x"},
      {"abcdef", 0, 4, true, "abc"},
      {"abcdef", 0, 1, true, ""},
  };
  for (const Case& c : cases) {
    char out[64];
    std::memset(out, 'Z', sizeof out);
    EXPECT_EQ(CNMEAParser::ExtractField(c.data, c.index, out, c.capacity), c.result) << c.data << " #" << c.index;
    EXPECT_STREQ(out, c.text) << c.data << " #" << c.index;
  }
}

TEST(NmeaParser, GgaWithEmptyFieldsKeepsWhatItHad) {
  CNMEAParser p;
  ASSERT_TRUE(Feed(p, kMunichGga));
  // The hemisphere fields say S and W, but with no coordinates nothing moves.
  ASSERT_TRUE(Feed(p, WithChecksum("GPGGA,,,S,,W,,,,,M,,M,,")));
  EXPECT_NEAR(p.Fix().latitude, kMunichLat, 1e-12);
  EXPECT_NEAR(p.Fix().longitude, kMunichLon, 1e-12);
  EXPECT_EQ(p.Fix().utcHour, 12);
  EXPECT_EQ(p.Fix().utcSecond, 19);
  EXPECT_DOUBLE_EQ(p.Fix().altitude, 545.4);
  EXPECT_EQ(p.Gga().fixQuality, 1);
  EXPECT_EQ(p.Gga().satellitesInUse, 8);
  EXPECT_EQ(p.Gga().count, 2u);
}

TEST(NmeaParser, GgaOddFieldsAreReadAsTheCLibraryReadsThem) {
  CNMEAParser p;
  // Quality is the first character's digit, satellites the first two
  // characters, coordinates shorter than their degree digits still read.
  ASSERT_TRUE(Feed(p, WithChecksum("GPGGA,1,4,N,7,E,2x,123,abc,-12.5e1,M,,M,,")));
  EXPECT_EQ(p.Fix().utcHour, 1);
  EXPECT_EQ(p.Fix().utcMinute, 0);
  EXPECT_EQ(p.Fix().latitude, 4.0);
  EXPECT_EQ(p.Fix().longitude, 7.0);
  EXPECT_EQ(p.Gga().fixQuality, 2);
  EXPECT_EQ(p.Gga().satellitesInUse, 12);
  EXPECT_EQ(p.Gga().horizontalDilution, 0.0);
  EXPECT_EQ(p.Fix().altitude, -125.0);
  // A coordinate longer than a field holds is cut to 24 characters first.
  ASSERT_TRUE(Feed(p, WithChecksum("GPGGA,000000,4807.0380000000000000000099,N,,,,,,,,,,,")));
  EXPECT_NEAR(p.Fix().latitude, kMunichLat, 1e-12);
}

TEST(NmeaParser, VerticalSpeedWithinTheHourOnly) {
  CNMEAParser p;
  ASSERT_TRUE(Feed(p, WithChecksum("GPGGA,105900,4807.038,N,01131.000,E,1,08,0.9,100.0,M,,M,,")));
  ASSERT_TRUE(Feed(p, WithChecksum("GPGGA,105930,4807.038,N,01131.000,E,1,08,0.9,110.0,M,,M,,")));
  EXPECT_DOUBLE_EQ(p.Gga().verticalSpeed, 20.0);
  // The turn of the hour: t falls from 3570 to 0, the last value stays.
  ASSERT_TRUE(Feed(p, WithChecksum("GPGGA,110000,4807.038,N,01131.000,E,1,08,0.9,200.0,M,,M,,")));
  EXPECT_DOUBLE_EQ(p.Gga().verticalSpeed, 20.0);
  EXPECT_EQ(p.Gga().previousTimeSeconds, 0);
  EXPECT_DOUBLE_EQ(p.Gga().previousAltitude, 200.0);
  // The same second again gives none either; the next one counts from it.
  ASSERT_TRUE(Feed(p, WithChecksum("GPGGA,110000,4807.038,N,01131.000,E,1,08,0.9,150.0,M,,M,,")));
  EXPECT_DOUBLE_EQ(p.Gga().verticalSpeed, 20.0);
  ASSERT_TRUE(Feed(p, WithChecksum("GPGGA,110006,4807.038,N,01131.000,E,1,08,0.9,149.0,M,,M,,")));
  EXPECT_DOUBLE_EQ(p.Gga().verticalSpeed, -10.0);
}

TEST(NmeaParser, RmcSetsSpeedCourseAndItsOwnState) {
  CNMEAParser p;
  ASSERT_TRUE(Feed(p, kMunichGga));
  ASSERT_TRUE(Feed(p, WithChecksum("GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E")));
  EXPECT_DOUBLE_EQ(p.Fix().speedKnots, 0.5);
  EXPECT_DOUBLE_EQ(p.Fix().courseDegrees, 54.7);
  // RMC never moves the fix's position or time.
  EXPECT_NEAR(p.Fix().latitude, kMunichLat, 1e-12);
  EXPECT_EQ(p.Fix().utcHour, 12);
  EXPECT_EQ(p.Rmc().hour, 22);
  EXPECT_EQ(p.Rmc().minute, 54);
  EXPECT_EQ(p.Rmc().second, 46);
  EXPECT_EQ(p.Rmc().status, 'A');
  EXPECT_NEAR(p.Rmc().latitude, 49.0 + 16.45 / 60.0, 1e-12);
  EXPECT_NEAR(p.Rmc().longitude, -(123.0 + 11.12 / 60.0), 1e-12);
  EXPECT_EQ(p.Rmc().day, 19);
  EXPECT_EQ(p.Rmc().month, 11);
  EXPECT_EQ(p.Rmc().year, 2094);
  EXPECT_DOUBLE_EQ(p.Rmc().magneticVariation, 20.3);
  EXPECT_EQ(p.Rmc().count, 1u);

  // And GGA never changes speed or course.
  ASSERT_TRUE(Feed(p, kMunichGga));
  EXPECT_DOUBLE_EQ(p.Fix().speedKnots, 0.5);

  // Empty fields: speed, course and variation become 0, status V; time,
  // position and date stay.
  ASSERT_TRUE(Feed(p, WithChecksum("GPRMC,,,,,,,,,,,")));
  EXPECT_EQ(p.Fix().speedKnots, 0.0);
  EXPECT_EQ(p.Fix().courseDegrees, 0.0);
  EXPECT_EQ(p.Rmc().magneticVariation, 0.0);
  EXPECT_EQ(p.Rmc().status, 'V');
  EXPECT_EQ(p.Rmc().hour, 22);
  EXPECT_NEAR(p.Rmc().latitude, 49.0 + 16.45 / 60.0, 1e-12);
  EXPECT_EQ(p.Rmc().day, 19);
  EXPECT_EQ(p.Rmc().year, 2094);

  ASSERT_TRUE(Feed(p, WithChecksum("GPRMC,010203,A,,,,,1.5,2.5,230394,3.5,W")));
  EXPECT_EQ(p.Rmc().year, 2094);  // 94 is 2094, not 1994
  EXPECT_EQ(p.Rmc().month, 3);
  EXPECT_DOUBLE_EQ(p.Rmc().magneticVariation, -3.5);
}

TEST(NmeaParser, OtherTalkersAndUnknownSentencesOnlyCount) {
  CNMEAParser p;
  const std::vector<std::string> lines = {
      WithChecksum("GNRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W"),
      WithChecksum("GNGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
      WithChecksum("gpgga,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
      WithChecksum("GPGLL,4916.45,N,12311.12,W,225444,A"),
      WithChecksum("PGRME,15.0,M,22.5,M,27.0,M"),
  };
  for (const std::string& line : lines) ASSERT_TRUE(Feed(p, line)) << line;
  EXPECT_EQ(p.SentenceCount(), lines.size());
  EXPECT_EQ(p.Fix().latitude, 0.0);
  EXPECT_EQ(p.Fix().speedKnots, 0.0);
  EXPECT_EQ(p.Gga().count, 0u);
  EXPECT_EQ(p.Rmc().count, 0u);
}

TEST(NmeaParser, GsaAndGsvMarkTheSatellitesInTheSolution) {
  CNMEAParser p;
  ASSERT_TRUE(Feed(p, WithChecksum("GPGSA,A,3,04,05,,09,12,,,,,,,110,2.5,1.3,2.1")));
  EXPECT_EQ(p.Gsa().mode, 'A');
  EXPECT_EQ(p.Gsa().fixMode, 3);
  const uint16_t used[12] = {4, 5, 0, 9, 12, 0, 0, 0, 0, 0, 0, 11};  // a 3-digit PRN keeps two digits
  for (int i = 0; i < 12; ++i) EXPECT_EQ(p.Gsa().usedSatellites[i], used[i]) << i;
  EXPECT_DOUBLE_EQ(p.Gsa().pdop, 2.5);
  EXPECT_DOUBLE_EQ(p.Gsa().vdop, 2.1);
  EXPECT_TRUE(p.IsSatelliteUsed(9));
  EXPECT_TRUE(p.IsSatelliteUsed(11));
  EXPECT_FALSE(p.IsSatelliteUsed(0));  // empty slots are not satellite 0
  EXPECT_FALSE(p.IsSatelliteUsed(110));

  ASSERT_TRUE(Feed(p, WithChecksum("GPGSV,2,2,08,09,41,047,36,14,32,311,26,04,08,109,,15,09,229,")));
  EXPECT_EQ(p.Gsv().satellitesInView, 8);
  const CNMEAParser::SatelliteEntry& a = p.Gsv().satellites[4];
  EXPECT_EQ(a.identifier, 9);
  EXPECT_EQ(a.elevation, 41);
  EXPECT_EQ(a.azimuth, 47);
  EXPECT_EQ(a.signalToNoise, 36);
  EXPECT_TRUE(a.usedInSolution);
  EXPECT_FALSE(p.Gsv().satellites[5].usedInSolution);
  EXPECT_EQ(p.Gsv().satellites[6].signalToNoise, 0);
  EXPECT_TRUE(p.Gsv().satellites[6].usedInSolution);
  EXPECT_EQ(p.Gsv().satellites[0].identifier, 0);  // message 1 not seen
  EXPECT_EQ(p.Gsv().count, 1u);

  // A short last message clears the slots it does not fill.
  ASSERT_TRUE(Feed(p, WithChecksum("GPGSV,2,2,05,22,62,272,20")));
  EXPECT_EQ(p.Gsv().satellites[4].identifier, 22);
  EXPECT_EQ(p.Gsv().satellites[5].identifier, 0);

  // Empty GSA fields: slots 0, DOPs 0.0, mode and fix mode unchanged.
  ASSERT_TRUE(Feed(p, "$GPGSA,A,1,,,,*32"));
  EXPECT_EQ(p.Gsa().mode, 'A');
  EXPECT_EQ(p.Gsa().fixMode, 1);
  EXPECT_EQ(p.Gsa().usedSatellites[0], 0);
  EXPECT_EQ(p.Gsa().pdop, 0.0);
  EXPECT_FALSE(p.IsSatelliteUsed(9));
}

TEST(NmeaParser, GsvOutOfRangeMessageNumbersAreDropped) {
  const char* dropped[] = {
      "GPGSV,9,1,08,09,41,047,36",  // total above 8
      "GPGSV,0,1,08,09,41,047,36",  // total 0
      "GPGSV,3,0,08,09,41,047,36",  // message 0
      "GPGSV,3,10,08,09,41,047,36",
      "GPGSV,,1,08,09,41,047,36",
      "GPGSV,3,,08,09,41,047,36",
      "GPGSV,-1,1,08,09,41,047,36",
  };
  for (const char* body : dropped) {
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
  EXPECT_EQ(p.Gsv().satellites[35].identifier, 13);
  EXPECT_EQ(p.Gsv().satellites[35].signalToNoise, 16);
}

TEST(NmeaParser, RmbFieldsAndTheirEmptyValues) {
  CNMEAParser p;
  ASSERT_TRUE(Feed(p, WithChecksum(
                          "GPRMB,A,0.66,L,003,WAYPOINT-WITH-A-VERY-LONG-NAME,4917.24,S,12309.57,W,001.3,052.5,000.5,A")));
  const CNMEAParser::RmbGroup& r = p.Rmb();
  EXPECT_EQ(r.dataStatus, 'A');
  EXPECT_DOUBLE_EQ(r.crossTrackError, 0.66);
  EXPECT_EQ(r.directionToSteer, 'L');
  EXPECT_STREQ(r.originWaypoint, "003");
  EXPECT_STREQ(r.destinationWaypoint, "WAYPOINT-WITH-A-VERY-LON");  // 24 characters kept
  EXPECT_NEAR(r.destinationLatitude, -(49.0 + 17.24 / 60.0), 1e-12);
  EXPECT_NEAR(r.destinationLongitude, -(123.0 + 9.57 / 60.0), 1e-12);
  EXPECT_DOUBLE_EQ(r.rangeToDestination, 1.3);
  EXPECT_DOUBLE_EQ(r.bearingToDestination, 52.5);
  EXPECT_DOUBLE_EQ(r.closingVelocity, 0.5);
  EXPECT_EQ(r.arrivalStatus, 'A');

  ASSERT_TRUE(Feed(p, "$GPRMB,V,,,,,,,,,,,,A,S*0E"));
  EXPECT_EQ(r.dataStatus, 'V');
  EXPECT_EQ(r.crossTrackError, 0.0);
  EXPECT_EQ(r.directionToSteer, '?');
  EXPECT_STREQ(r.originWaypoint, "");
  EXPECT_STREQ(r.destinationWaypoint, "");
  EXPECT_NEAR(r.destinationLatitude, -(49.0 + 17.24 / 60.0), 1e-12);  // unchanged when empty
  EXPECT_EQ(r.rangeToDestination, 0.0);
  EXPECT_EQ(r.arrivalStatus, 'A');
  EXPECT_EQ(r.count, 2u);
}

TEST(NmeaParser, ZdaFields) {
  CNMEAParser p;
  ASSERT_TRUE(Feed(p, WithChecksum("GPZDA,201530.00,04,07,2002,05,30")));
  EXPECT_EQ(p.Zda().hour, 20);
  EXPECT_EQ(p.Zda().minute, 15);
  EXPECT_EQ(p.Zda().second, 30);
  EXPECT_EQ(p.Zda().day, 4);
  EXPECT_EQ(p.Zda().month, 7);
  EXPECT_EQ(p.Zda().year, 2002);
  EXPECT_EQ(p.Zda().localZoneHours, 5);
  EXPECT_EQ(p.Zda().localZoneMinutes, 30);
  ASSERT_TRUE(Feed(p, WithChecksum("GPZDA,,,,,,")));
  EXPECT_EQ(p.Zda().hour, 20);  // time unchanged when empty
  EXPECT_EQ(p.Zda().day, 1);
  EXPECT_EQ(p.Zda().month, 1);
  EXPECT_EQ(p.Zda().year, 1);
  EXPECT_EQ(p.Zda().localZoneHours, 0);
  EXPECT_EQ(p.Zda().count, 2u);
  EXPECT_EQ(p.Fix().utcHour, 0);  // ZDA is not the fix's time
}

TEST(NmeaParser, TheFixCanBeWrittenFromOutside) {
  CNMEAParser p;
  p.Fix().latitude = 51.5;
  p.Fix().longitude = -0.12;
  ASSERT_TRUE(Feed(p, WithChecksum("GPGGA,120000,,,,,0,00,,,M,,M,,")));
  EXPECT_EQ(p.Fix().latitude, 51.5);
  EXPECT_EQ(p.Fix().longitude, -0.12);
}

}  // namespace
}  // namespace rovex
