#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

TEST(CliTrack, MapShowAndSave) {
  testing::TempDir dir;
  dir.Write("map.txt", ";ROVEX Track Editor\r\nMapDesc:\r\nzoom:\r\nTrkDesc:A\r\nTrkDesc:B\r\nTrkPath:/b.txt\r\n");
  auto shown = testing::RunCliCapture({"trackmap", "show", dir.File("map.txt")});
  EXPECT_EQ(shown.exitCode, 0);
  EXPECT_EQ(shown.err, "");
  EXPECT_EQ(shown.out, "map \nzoom 0\ntrack A\t\ntrack B\t/b.txt\n");
  auto saved = testing::RunCliCapture({"trackmap", "save", dir.File("map.txt"), dir.File("out.txt")});
  EXPECT_EQ(saved.exitCode, 0);
  EXPECT_EQ(dir.Read("out.txt"), ";ROVEX Track Editor\nMapDesc:No description\nzoom:\nTrkDesc:B\nTrkPath:/b.txt\n");

  dir.Write("bad.txt", "ROVEX\n");
  auto bad = testing::RunCliCapture({"trackmap", "show", dir.File("bad.txt")});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.err.find("Error expected ';ROVEX Track Editor'"), std::string::npos);
  EXPECT_EQ(testing::RunCliCapture({"trackmap", "list", dir.File("map.txt")}).exitCode, 2);
}

TEST(CliTrack, PointsAndTrim) {
  testing::TempDir dir;
  dir.Write("log.txt", "$GPGGA,1,5123.0534,N,00120.2279,W,1\n$GPRMC,1\n$GPGGA,2,,,,,0\n$GPGGA,3,3352.1200,S,15112.6000,E,1\n");
  auto points = testing::RunCliCapture({"track", "points", dir.File("log.txt")});
  EXPECT_EQ(points.exitCode, 0);
  EXPECT_EQ(points.out, "51.384223 -1.337132\n-33.868667 151.210000\n");
  auto trim = testing::RunCliCapture({"track", "trim", dir.File("log.txt"), "1", "1", dir.File("cut.txt")});
  EXPECT_EQ(trim.exitCode, 0);
  EXPECT_EQ(dir.Read("cut.txt"), "$GPRMC,1\n$GPGGA,2,,,,,0\n$GPGGA,3,3352.1200,S,15112.6000,E,1\n");
  EXPECT_EQ(testing::RunCliCapture({"track", "trim", dir.File("log.txt"), "x", "1", dir.File("c.txt")}).exitCode, 2);
  EXPECT_EQ(testing::RunCliCapture({"track", "points", dir.File("none.txt")}).exitCode, 1);
}

}  // namespace
}  // namespace rovex
