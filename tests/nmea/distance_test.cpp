#include <cmath>

#include <gtest/gtest.h>

#include "nmea/distance.h"

namespace rovex {
namespace {

GpsFix FixAt(double latitude, double longitude) {
  GpsFix f;
  f.latitude = latitude;
  f.longitude = longitude;
  return f;
}

TEST(Distance, NoValueSentinels) {
  struct Case {
    const char* legend;
    GpsFix fix;
    double latitude, longitude;
  } cases[] = {
      {"no fix yet", FixAt(0.0, 11.5), 51.5, -0.1},
      {"point on the equator", FixAt(51.5, -0.1), 0.0, -0.1},
      {"point on the prime meridian", FixAt(51.5, -0.1), 51.6, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DistanceFromFix(c.fix, c.latitude, c.longitude), -1.0) << c.legend;
    double east = 7.0, north = 8.0;
    EXPECT_FALSE(OffsetFromFix(c.fix, c.longitude, c.latitude, &east, &north)) << c.legend;
    EXPECT_EQ(east * 10 + north, 78.0) << c.legend << ": outputs must stay untouched";
  }
  // The fix's longitude is not tested: a fix exactly on the meridian still measures.
  EXPECT_NEAR(DistanceFromFix(FixAt(51.5, 0.0), 51.5, 1.0), std::cos(51.5 * DegToRad) * MetresPerDegreeLon, 1e-6);
}

TEST(Distance, OneDegreeAndSignCases) {
  EXPECT_NEAR(PointDistance(60.0, 10.0, 60.0, 11.0), 55659.6, 0.05);
  EXPECT_NEAR(PointDistance(-70.0, 5.0, -69.0, 5.0), 111248.4, 1e-6);
  EXPECT_NEAR(PointDistance(51.5, 0.25, 51.5, -0.5), PointDistance(51.5, -0.5, 51.5, 0.25), 1e-6);
  // Across the date line the difference is taken as it stands, never the short way round.
  EXPECT_NEAR(PointDistance(0.0, 179.5, 0.0, -179.5), 359.0 * MetresPerDegreeLon, 1e-3);
}

TEST(Distance, CosineOfThePointsLatitudeAndSignedOffsets) {
  GpsFix fix = FixAt(50.0, 8.0);
  double d = DistanceFromFix(fix, 60.0, 9.0);  // east factor from the point's latitude, not the fix's
  EXPECT_NEAR(d, std::hypot(10.0 * MetresPerDegreeLat, std::cos(60.0 * DegToRad) * MetresPerDegreeLon), 1e-6);
  EXPECT_NEAR(PointDistance(60.0, 9.0, 50.0, 8.0), d, 1e-6);  // the two-point form: the first point's
  EXPECT_NE(PointDistance(50.0, 8.0, 60.0, 9.0), d);

  double east = 0, north = 0;
  ASSERT_TRUE(OffsetFromFix(fix, 7.5, 49.9, &east, &north));
  EXPECT_NEAR(north, -0.1 * MetresPerDegreeLat, 1e-6);
  EXPECT_NEAR(east, -0.5 * std::cos(49.9 * DegToRad) * MetresPerDegreeLon, 1e-6);
  EXPECT_NEAR(std::hypot(east, north), DistanceFromFix(fix, 49.9, 7.5), 1e-6);
}

}  // namespace
}  // namespace rovex
