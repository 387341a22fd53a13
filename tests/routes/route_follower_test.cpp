#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nmea/distance.h"
#include "routes/route_follower.h"
#include "route_fixture.h"

namespace rovex {
namespace {

using testing::RouteFromText;

// The car on the meridian of the route's points, the given metres south of latitude 51.5.
GpsFix CarSouthOf(double metres) {
  GpsFix fix;
  fix.latitude = 51.5 - metres / MetresPerDegreeLat;
  fix.longitude = -1.0;
  return fix;
}

class Follower : public ::testing::Test, public testing::RouteFixture {
 protected:
  std::vector<std::string> Drive(Route& route, const std::vector<double>& distances) {
    for (double d : distances) follower.Follow(&route, CarSouthOf(d));
    return speech.Texts();
  }

  RouteVoice voice{settings, &speech};
  RouteFollower follower{settings, voice};
};

TEST_F(Follower, AnnouncesAtTheFarAndNearDistanceOfTheMode) {
  struct Case {
    RouteMode mode;
    std::vector<std::string> said;
  };
  const std::vector<double> approach = {2000.5, 1500.5, 1399.5, 1000.5, 650.5, 599.5,
                                        450.5,  299.5,  200.5,  149.5,  100.5, 20.5};
  for (const Case& c : std::vector<Case>{
           {RouteMode::Motorway, {"Bridge Left 1399 metres", "Bridge Left 599 metres"}},
           {RouteMode::Country, {"Bridge Left 599 metres", "Bridge Left 299 metres"}},
           {RouteMode::Town, {"Bridge Left 450 metres", "Bridge Left 149 metres"}},
       }) {
    speech.Clear();
    follower.SetRouteMode(c.mode);
    follower.ResetAnnouncements();
    EXPECT_EQ(settings.ReadFlagSetting("RouteTown"), c.mode == RouteMode::Town ? 1 : 0);
    Route route = RouteFromText("-1.0,51.5,Bridge,Left\n");
    EXPECT_EQ(Drive(route, approach), c.said) << static_cast<int>(c.mode);
  }
}

TEST_F(Follower, ANewNearestPointStartsAfresh) {
  follower.SetRouteMode(RouteMode::Town);
  // The second point lies 1 km beyond the first.
  Route route = RouteFromText("-1.0,51.5,First\n-1.0,51.508989,Second\n");
  EXPECT_EQ(Drive(route, {600.5, 499.5, 149.5, 0.5, -480.5, -520.5, -560.5}),
            (std::vector<std::string>{"First  499 metres", "First  149 metres", "Second  439 metres"}));
  EXPECT_EQ(follower.NearestRoutePoint(), 1u);
}

TEST_F(Follower, NearestAndNextLines) {
  Route route = RouteFromText(";t\n-1.0,51.5,A,a\n-1.0,51.5,B\n-1.0,51.51,C,c\n");
  RouteFollowPass pass = follower.Follow(&route, CarSouthOf(1000.0));
  EXPECT_EQ(follower.NearestRoutePoint(), 0u);  // equal distances: the earlier point
  EXPECT_EQ(pass.nearestLine, "1 - 1.000 km A,a");
  EXPECT_EQ(pass.nextLine, "2 - 1.000 km B");
  ASSERT_EQ(pass.measured.size(), 3u);
  EXPECT_NEAR(pass.measured[2].north, 1000.0 + 0.01 * MetresPerDegreeLat, 1e-6);

  pass = follower.Follow(&route, CarSouthOf(-1112.484));  // at the last point
  EXPECT_EQ(follower.NearestRoutePoint(), 2u);
  EXPECT_EQ(pass.nearestLine, "3 - 0.000 km C,c");
  EXPECT_EQ(pass.nextLine, "");

  pass = follower.Follow(&route, GpsFix{});  // no fix: nothing measured, the nearest stays
  EXPECT_EQ(pass.nearestLine, "No nearby point");
  EXPECT_EQ(pass.nextLine, "No nearby point");
  EXPECT_TRUE(pass.measured.empty());
  EXPECT_EQ(follower.NearestRoutePoint(), 2u);
}

TEST_F(Follower, OnlyMeasuredPointsCanBeNearest) {
  // Without Desc. 1, or without a usable position, a point is never measured;
  // its distance of 0 must not make it the nearest for ever.
  Route route = RouteFromText("-1.0,51.5\n1e999,51.5,Inf\nnan,51.5,NaN\n-1.0,0.00000001,Cut\n-1.0,51.51,Far\n");
  ASSERT_EQ(route.points.size(), 5u);
  RouteFollowPass pass = follower.Follow(&route, CarSouthOf(0.0));
  EXPECT_EQ(follower.NearestRoutePoint(), 4u);
  ASSERT_EQ(pass.measured.size(), 1u);
  EXPECT_EQ(pass.measured[0].number, 5);
}

TEST_F(Follower, AColonDesc1SaysDesc2Alone) {
  RoutePoint p;
  p.distance = 321.9;
  p.desc1 = ":";
  p.desc2 = "Roundabout";
  EXPECT_EQ(AnnouncementText(p), "Roundabout");
  p.desc1.reset();
  EXPECT_EQ(AnnouncementText(p), "Roundabout 321 metres");
}

TEST_F(Follower, KeyZeroSpeaksAtOnceAndStillCountsWithSpeechOff) {
  follower.SetRouteMode(RouteMode::Town);
  Route route = RouteFromText("-1.0,51.5,Bridge\n");
  Drive(route, {800.5});
  follower.SayNearestNow();
  Drive(route, {700.5});
  EXPECT_EQ(speech.Texts(), std::vector<std::string>{"Bridge  700 metres"});
  EXPECT_FALSE(follower.SayNearestNowSet());

  speech.Clear();
  SetNumber("RouteUseMSAgent", 0);
  follower.SayNearestNow();
  Drive(route, {450.5, 400.5});
  EXPECT_TRUE(speech.Texts().empty());
  EXPECT_EQ(follower.LastSaidDistance(), 450);

  // Switched on again: the far announcement was used up by the silent key press.
  SetNumber("RouteUseMSAgent", 1);
  EXPECT_EQ(Drive(route, {350.5, 140.5}), std::vector<std::string>{"Bridge  140 metres"});
}

TEST_F(Follower, LoadingARouteForgetsTheOldPoints) {
  Route route = RouteFromText("-1.0,51.5,Bridge\n");
  Drive(route, {2000.5, 2000.5});
  ASSERT_EQ(follower.LastSaidRoutePoint(), 0u);
  follower.RouteLoaded();
  EXPECT_FALSE(follower.NearestRoutePoint().has_value());
  EXPECT_FALSE(follower.LastSaidRoutePoint().has_value());
  EXPECT_EQ(follower.LastSaidDistance(), RouteFollower::kResetDistance);
  // A stale nearest point beyond the end of a shorter route is let go.
  Drive(route, {2000.5});
  Route empty;
  follower.Follow(&empty, CarSouthOf(10.0));
  EXPECT_FALSE(follower.NearestRoutePoint().has_value());
}

TEST_F(Follower, ResetReadsTheModeAgain) {
  follower.SetRouteMode(RouteMode::Motorway);
  SetNumber("RouteMotorway", 0);
  SetNumber("RouteTown", 1);
  follower.ResetAnnouncements();
  EXPECT_FALSE(follower.Mode().motorway);
  EXPECT_TRUE(follower.Mode().town);
}

}  // namespace
}  // namespace rovex
