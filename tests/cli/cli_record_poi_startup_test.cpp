#include <cstdlib>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/nmea_checksum.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::RunCliCapture;

class CliRecords : public testing::CliScratchHome {
 protected:
  void Set(const std::string& name, const std::string& value) {
    ASSERT_EQ(RunCliCapture({"settings", "set", name, value}).exitCode, 0) << name;
  }
};

TEST_F(CliRecords, RecordWritesWhatSaveWritesAndOpenReadsItBack) {
  // Positions come from GGA, the speed from RMC: the track keeps the position
  // of each drawing pass at more than 1 knot.
  dir.Write("drive.nmea",
            testing::WithChecksum("GPGGA,101500.0,5130.0000,N,00100.0000,W,1,08,1.0,100.0,M,47.0,M,,") + "\n" +
                testing::WithChecksum("GPRMC,101500.0,A,5130.0000,N,00100.0000,W,10.0,90.0,170524,,") + "\n" +
                testing::WithChecksum("GPGGA,101501.0,5130.0000,N,00059.9000,W,1,08,1.0,100.0,M,47.0,M,,") + "\n" +
                testing::WithChecksum("GPRMC,101502.0,A,5130.0000,N,00059.9000,W,0.0,90.0,170524,,") + "\n");
  Set("TrackLength", "number:600");
  auto two = RunCliCapture({"record", dir.File("drive.nmea"), dir.File("two.txt"), "--lines", "3"});
  ASSERT_EQ(two.exitCode, 0) << two.err;
  const std::string record = testing::ReadWholeFile(dir.File("two.txt"));
  EXPECT_EQ(record.substr(0, record.find("Track")),
            "ROVEX record file\nTime\n11:15:01\n10\n15\n1\nLatitude\n51.500000\nLongitude\n-0.998333\n");
  EXPECT_EQ(record.substr(record.find("Track"), 61), "Track\n1\n600\n51.500000\n-1.000000\n51.500000\n-0.998333\n0.000000\n");

  auto opened = RunCliCapture({"record", "--open", dir.File("two.txt")});
  ASSERT_EQ(opened.exitCode, 0) << opened.err;
  EXPECT_EQ(opened.out.substr(0, opened.out.find("2 ")),
            "utc 10:15:01\nlatitude 51.500000\nlongitude -0.998333\ntrack 601 slots, newest 1\n"
            "0 51.500000,-1.000000\n1 51.500000,-0.998333\n");

  // Recording off: no points promised, and the file still opens.
  Set("LogTrack", "number:0");
  ASSERT_EQ(RunCliCapture({"record", dir.File("drive.nmea"), dir.File("off.txt")}).exitCode, 0);
  EXPECT_NE(testing::ReadWholeFile(dir.File("off.txt")).find("Track\n0\n0\nEnd Of file"), std::string::npos);
  EXPECT_EQ(RunCliCapture({"record", "--open", dir.File("off.txt")}).exitCode, 0);

  auto refused = RunCliCapture({"record", "--open", dir.File("drive.nmea")});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("is not a ROVEX record file"), std::string::npos);
}

TEST_F(CliRecords, PoiListsTheFilesInOrderWithinTheRadius) {
  dir.Write("a.csv", "-1.01,51.5,Near,first\n-1.2,51.5,Far,x\n0,51.5,No position,\n");
  dir.Write("b.csv", "-1.001,51.5,\"Cafe, corner\",second\n");
  auto given = RunCliCapture({"poi", "--lat", "51.5", "--lon", "-1.0", "--radius", "2000", "--files",
                              dir.File("b.csv") + "," + dir.File("a.csv")});
  ASSERT_EQ(given.exitCode, 0) << given.err;
  EXPECT_EQ(given.out, "-1.001,51.5,\"Cafe, corner\",second\n-1.01,51.5,Near,first\n");

  // Without --files: the selection of the settings in the POI folder, and MapScale (4000) as the radius.
  Set("POIFolder", "text:" + dir.Path());
  Set("POIFileNameCount", "number:1");
  Set("POIFiles\\POIFile1", "text:a.csv");
  auto stored = RunCliCapture({"poi", "--lat", "51.5", "--lon", "-1.0"});
  EXPECT_EQ(stored.exitCode, 0) << stored.err;
  EXPECT_EQ(stored.out, "-1.01,51.5,Near,first\n");

  auto missing = RunCliCapture({"poi", "--lat", "51.5", "--lon", "-1.0", "--files", dir.File("gone.csv")});
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("Error can't open the POI location file"), std::string::npos);
  EXPECT_EQ(RunCliCapture({"poi", "--lat", "51.5"}).exitCode, 2);
}

TEST_F(CliRecords, StartupPrintsThePlanAndChangesNothing) {
  Set("AutoStartGPS", "number:1");
  Set("StartTimerEnable1", "number:1");
  Set("StartTimerStartTime1", "text:22:00");
  Set("StartTimerEndTime1", "text:6.00");
  Set("StartTimerFilename1", "text:/r/night.csv");
  Set("NightTimerEnable", "number:1");
  Set("NightTimerStartTime", "text:19:00");
  Set("NightTimerEndTime", "text:07:00");
  const std::pair<const char*, const char*> cases[] = {
      {"23:15", "gps start\ntimer 1 /r/night.csv\nwrite RouteName /r/night.csv\nwrite AutoStartRoute 1\n"
                "route /r/night.csv\ncolours night\n"},
      {"06:01", "gps start\ncolours night\n"},
      {"12:00", "gps start\ncolours day\n"},
  };
  for (const auto& [at, expected] : cases) {
    auto r = RunCliCapture({"startup", "--at", at});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, expected) << at;
  }
  EXPECT_EQ(RunCliCapture({"settings", "get", "AutoStartRoute"}).out.find("1"), std::string::npos);
  EXPECT_EQ(RunCliCapture({"startup", "--at", "7.30"}).exitCode, 2);
}

}  // namespace
}  // namespace rovex
