#include <gtest/gtest.h>

#include <ctime>

#include "gps/position_record.h"
#include "support/fix_at.h"

namespace rovex {
namespace {

using testing::FixAt;

TEST(PositionRecord, SavedLinesAreThoseOfTheFormat) {
  std::unique_ptr<TrackRing> ring = TrackRing::Create(2);
  ring->Add(51.25, -1.5);
  // Time zone +2 brings 23 h local to 1 h; the ring's two numbered slots follow.
  EXPECT_EQ(FormatPositionRecord(FixAt(51.384223, -1.337132, 23, 4, 59), 2, ring.get()),
            "ROVEX record file\nTime\n1:04:59\n23\n4\n59\nLatitude\n51.384223\nLongitude\n-1.337132\nTrack\n0\n2\n"
            "51.250000\n-1.500000\n0.000000\n0.000000\nEnd Of file");
  // Without a ring the count is 0: no points are promised.
  const std::string off = FormatPositionRecord(FixAt(1.0, 2.0), 0, nullptr);
  EXPECT_EQ(off.substr(off.find("Track")), "Track\n0\n0\nEnd Of file");
}

TEST(PositionRecord, RoundTripsWithAWrappedRingAndWithNone) {
  struct Case {
    const char* legend;
    int savedLength;  // -1: recording off
    int adds;
    int openLength;
    int expectedPoints;
    int expectedNewest;
  };
  const Case cases[] = {
      {"wrapped ring: its newest point stays the newest", 600, 650, 600, 600, 48},
      {"ring not yet full: its newest slot is kept", 600, 3, 600, 600, 2},
      {"recording off: position only, no read error", -1, 0, 600, 0, 601},
      {"a shorter ring on opening takes what fits", 700, 10, 600, 601, 9},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TrackRing> saved = c.savedLength >= 0 ? TrackRing::Create(c.savedLength) : nullptr;
    for (int i = 0; i < c.adds; ++i) saved->Add(50.0 + i * 0.001, -1.0 - i * 0.001);
    const GpsFix fix = FixAt(51.123456, -0.654321, 23, 4, 59);
    const PositionRecord r = ParsePositionRecord(FormatPositionRecord(fix, 0, saved.get()));
    ASSERT_EQ(r.status, PositionRecord::Status::Complete) << c.legend;
    EXPECT_EQ(r.utcHour, 23);
    EXPECT_EQ(r.utcSecond, 59);
    EXPECT_DOUBLE_EQ(r.latitude, 51.123456) << c.legend;
    EXPECT_DOUBLE_EQ(r.longitude, -0.654321) << c.legend;
    std::unique_ptr<TrackRing> opened = TrackRing::Create(c.openLength);
    RestoreRing(r, *opened);
    EXPECT_EQ(std::min<int>(r.points.size(), opened->SlotCount()), c.expectedPoints) << c.legend;
    EXPECT_EQ(opened->WriteIndex(), c.expectedNewest) << c.legend;
    if (saved && c.adds > 0) {
      const int newest = saved->WriteIndex();
      if (newest < opened->SlotCount()) {
        EXPECT_DOUBLE_EQ(opened->Slot(newest).latitude, saved->Slot(newest).latitude) << c.legend;
      }
    }
  }
}

TEST(PositionRecord, ReadingRulesForOtherFiles) {
  // An NMEA log is refused as a whole.
  EXPECT_EQ(ParsePositionRecord("$GPRMC,122517.0,A,5123.0,N,00119.1,W,0,0,170606,,*3B\n").status,
            PositionRecord::Status::NotARecord);
  // Cut short after the hour: what was read is kept and reported as such.
  PositionRecord cut = ParsePositionRecord("ROVEX record file\r\nTime\r\n1:00:00\r\n7\r\n");
  EXPECT_EQ(cut.status, PositionRecord::Status::ReadError);
  EXPECT_EQ(cut.linesRead, 4);
  EXPECT_EQ(cut.utcHour, 7);
  // A count beyond 5000 is read as 500, and only 500 points are taken.
  std::string big = "ROVEX record file\nTime\n0:00:00\n0\n0\n0\nLatitude\n1\nLongitude\n2\nTrack\n3\n9000\n";
  for (int i = 0; i < 900; ++i) big += "1.5\n2.5\n";
  PositionRecord r = ParsePositionRecord(big + "End Of file");
  EXPECT_EQ(r.pointCount, 500);
  EXPECT_EQ(r.points.size(), 500u);
}

TEST(MarkLine, EnglishDateAndSevenCommas) {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 5;
  t.tm_wday = 6;
  t.tm_hour = 4;
  t.tm_min = 24;
  t.tm_sec = 5;
  EXPECT_EQ(FormatMarkLine(51.5, -0.25, t), "51.500000,-0.250000,Sat Dec 05 04:24:05 2026,,,,, \n");
}

}  // namespace
}  // namespace rovex
