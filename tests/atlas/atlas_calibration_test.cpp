#include "atlas/atlas_calibration.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace rovex::atlas {
namespace {

struct MapCase {
  const char* legend;
  std::string text;
  int points;
  float lat[4];
  float lon[4];
};

const std::string kNorthWest =
    "OziExplorer Map Data File Version 2.2\r\n"
    "Point01,xy,    0,    0,in, deg,  51, 30.0000,N,   1,  3.0000,W, grid,   ,           ,           ,N\r\n"
    "Point02,xy, 1280,    0,in, deg,  51, 30.0000,N,   0, 54.0000,W, grid\r\n"
    "Point03,xy, 1280, 1024,in, deg,  51, 24.0000,N,   0, 54.0000,W, grid\r\n"
    "Point04,xy,    0, 1024,in, deg,  51, 24.0000,N,   1,  3.0000,W, grid\r\n";

TEST(AtlasCalibration, ReadsCornersByHemisphere) {
  const MapCase cases[] = {
      {"north and west, CRLF lines", kNorthWest, 4, {51.5f, 51.5f, 51.4f, 51.4f}, {-1.05f, -0.9f, -0.9f, -1.05f}},
      {"south and east",
       "Point01,xy,0,0,in, deg, 33, 51.0,S, 151, 12.0,E, grid\nPoint04,xy,0,9,in, deg, 34, 0.0,S, 151, 0.0,E\n",
       2,
       {-33.85f, 0, 0, -34.0f},
       {151.2f, 0, 0, 151.0f}},
      {"a line out of commas ends the reading",
       "Point01,xy,0,0,in, deg, 10, 0.0,N, 20, 0.0,E\nPoint02,xy,0,0,in, deg, 11\nPoint03,xy,0,0,in, deg, 12, 0,N, 1, 0,W\n",
       1,
       {10, 0, 0, 0},
       {20, 0, 0, 0}},
      {"point keys elsewhere than the start of the line still count",
       "; Point04,xy,x,y,in, deg, 1, 30,N, 2, 30,E\n", 1, {0, 0, 0, 1.5f}, {0, 0, 0, 2.5f}},
      {"lines past 499 characters are cut before reading",
       "Point01,xy" + std::string(460, ' ') + ",0,0,in, deg, 5, 6.0,N, 7, 8.0,E\n", 0, {0, 0, 0, 0}, {0, 0, 0, 0}},
      {"the same line within 499 characters is read",
       "Point01,xy" + std::string(440, ' ') + ",0,0,in, deg, 5, 6.0,N, 7, 8.0,E\n", 1, {5.1f, 0, 0, 0}, {7.1333333f, 0, 0, 0}},
  };
  for (const MapCase& c : cases) {
    SCOPED_TRACE(c.legend);
    AtlasCalibration cal;
    ParseAtlasMap(c.text, &cal);
    EXPECT_EQ(cal.pointsRead, c.points);
    for (int i = 0; i < 4; ++i) {
      EXPECT_NEAR(cal.lat[i], c.lat[i], 1e-4) << "point " << i + 1;
      EXPECT_NEAR(cal.lon[i], c.lon[i], 1e-4) << "point " << i + 1;
    }
  }
}

TEST(AtlasCalibration, MissingFileKeepsTheCalibration) {
  AtlasCalibration cal;
  cal.lat[0] = 7;
  EXPECT_FALSE(ReadAtlasMapFile("/nonexistent/layer.map", &cal));
  EXPECT_EQ(cal.lat[0], 7);
  testing::TempDir dir;
  dir.Write("l.map", kNorthWest);
  ASSERT_TRUE(ReadAtlasMapFile(dir.File("l.map"), &cal));
  EXPECT_NEAR(cal.lat[0], 51.5, 1e-4);
}

}  // namespace
}  // namespace rovex::atlas
