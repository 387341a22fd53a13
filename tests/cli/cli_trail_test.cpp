#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/nmea_checksum.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using CliTrail = testing::CliScratchHome;

TEST_F(CliTrail, PrintsThePointsBreaksAndCount) {
  dir.Write("t.gpx", "<trk><trkseg><trkpt lat=\"51.5\" lon=\"-1.25\"/>\n<trkpt lon=\"-1.3\" lat=\"51.6\"/></trkseg>"
                     "<trkseg><trkpt lat=\"51.7\" lon=\"-1.35\"/></trkseg></trk>");
  auto r = testing::RunCliCapture({"trail", dir.File("t.gpx")});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, "51.500000 -1.250000\n51.600000 -1.300000\nbreak\n51.700000 -1.350000\nbreak\ncount 5\n");

  auto missing = testing::RunCliCapture({"trail", dir.File("none.gpx")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("none.gpx"), std::string::npos);
  EXPECT_EQ(testing::RunCliCapture({"trail"}).exitCode, 2);
}

// RMC alone: the course and speed without a time (the fix's time comes with GGA).
TEST_F(CliTrail, FollowPrintsTheDampedHeading) {
  std::string log;
  for (const char* speedAndCourse : {"20.0,090.0", "20.0,090.0", "20.0,090.0", "0.5,180.0", "20.0,090.0"}) {
    log += testing::WithChecksum(std::string("GPRMC,120001.00,A,5123.0534,N,00120.2279,W,") + speedAndCourse +
                                 ",010626,,,A") + "\r\n";
  }
  dir.Write("drive.nmea", log);
  dir.Write("t.gpx", "<rte><rtept lat=\"51.5\" lon=\"-1.25\"/></rte>\n");
  auto r = testing::RunCliCapture({"follow", dir.File("drive.nmea"), "--trail", dir.File("t.gpx"), "--heading"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "0 00:00:00 trail 2 points\n"
            "1 00:00:00 heading 45.0\n"
            "2 00:00:00 heading 67.5\n"
            "3 00:00:00 heading 78.8\n"
            "5 00:00:00 heading 84.4\n");
  auto bad = testing::RunCliCapture({"follow", dir.File("drive.nmea"), "--trail", dir.File("none.gpx")});
  EXPECT_EQ(bad.exitCode, 1);
}

// The trail view follows and announces the route exactly as the route view does.
TEST_F(CliTrail, FollowingInTheTrailViewSaysWhatTheRouteViewSays) {
  const std::vector<std::string> common = {demo + "demo_drive.txt", "--route", demo + "demo_route.csv",
                                           "--mode", "country", "--speech", "on"};
  std::vector<std::string> route = {"follow"}, trail = {"follow"};
  route.insert(route.end(), common.begin(), common.end());
  trail.insert(trail.end(), common.begin(), common.end());
  trail.insert(trail.end(), {"--trail", demo + "demo_trail.gpx"});
  auto a = testing::RunCliCapture(route);
  auto b = testing::RunCliCapture(trail);
  ASSERT_EQ(a.exitCode, 0) << a.err;
  ASSERT_EQ(b.exitCode, 0) << b.err;
  EXPECT_NE(a.out.find(" say "), std::string::npos);
  const std::string trailLine = "0 00:00:00 trail 160 points\n";
  ASSERT_NE(b.out.find(trailLine), std::string::npos);
  EXPECT_EQ(b.out.substr(0, b.out.find(trailLine)) + b.out.substr(b.out.find(trailLine) + trailLine.size()), a.out);
}

}  // namespace
}  // namespace rovex
