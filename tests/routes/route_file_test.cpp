#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "cameras/camera_line.h"
#include "routes/current_route.h"
#include "routes/route_file.h"
#include "routes/route_line.h"
#include "support/cli_runner.h"
#include "route_fixture.h"

namespace rovex {
namespace {

using testing::RouteFromText;

struct PointCase {
  const char* legend;
  std::string text;
  int points;  // stored points
  // The first point's texts.
  std::string longitude, latitude;
  std::optional<std::string> desc1, desc2;
};

TEST(RouteFile, PointLines) {
  const std::string longDesc(300, 'x');
  const std::vector<PointCase> cases = {
      {"coordinates cut to nine characters", "-1.2345678,51.4,Bridge\n", 1, "-1.234567", "51.4", "Bridge", {}},
      {"zero longitude is no point", "0,51.5,Somewhere\n", 0, "", "", {}, {}},
      {"zero latitude is no point", "-1.5,0,Somewhere\n", 0, "", "", {}, {}},
      {"text reads as zero", "abc,51.5,Somewhere\n", 0, "", "", {}, {}},
      {"one number only", "-1.5\n", 0, "", "", {}, {}},
      {"no descriptions", "-1.5,51.5\n", 1, "-1.5", "51.5", {}, {}},
      {"fields after the fourth ignored", "-1.5,51.5,A,B,C,D\n", 1, "-1.5", "51.5", "A", "B"},
      {"quoted comma stays in desc1", "-1.5,51.5,\"Bridge, north\",Turn left\n", 1, "-1.5", "51.5",
       "\"Bridge, north\"", "Turn left"},
      {"missing closing quote changes nothing", "-1.5,51.5,\"Bridge, north\n", 1, "-1.5", "51.5", "\"Bridge",
       " north"},
      {"empty desc1 is absent", "-1.5,51.5,,Turn left\n", 1, "-1.5", "51.5", {}, "Turn left"},
      {"CR LF: the CR is not part of the text", "-1.5,51.5,Bridge,Left\r\n", 1, "-1.5", "51.5", "Bridge", "Left"},
      {"last line without a line end keeps its last character", "-1.5,51.5,Bridge", 1, "-1.5", "51.5", "Bridge",
       {}},
      {"a NUL ends the line", std::string("-1.5,51.5,Bri\0dge\n", 18), 1, "-1.5", "51.5", "Bri", {}},
      {"a long line is read as two lines", "-1.5,51.5,A," + longDesc + "\n", 1, "-1.5", "51.5", "A",
       longDesc.substr(0, 298 - 12)},
  };
  for (const PointCase& c : cases) {
    SCOPED_TRACE(c.legend);
    Route route = RouteFromText(c.text);
    ASSERT_EQ(static_cast<int>(route.points.size()), c.points);
    if (c.points == 0) continue;
    const RoutePoint& p = route.points[0];
    EXPECT_EQ(p.longitude, c.longitude);
    EXPECT_EQ(p.latitude, c.latitude);
    EXPECT_EQ(p.desc1, c.desc1);
    EXPECT_EQ(p.desc2, c.desc2);
    EXPECT_EQ(p.distance, 0.0);
  }
}

TEST(RouteFile, TitleNameAndExclusions) {
  Route route = RouteFromText(";\n;My ride\r\n:GATSO:\n; : \n-1.5,51.5,A\n: Mobile 12 :\n:::\n;via the coast\n-1.6,51.6,B");
  EXPECT_EQ(route.name, "My ride");
  EXPECT_EQ(route.lastComment, "via the coast");
  EXPECT_EQ(route.spokenTitle, "Route \nMy ride\n : \nvia the coast\n");
  EXPECT_EQ(route.exclusions, (std::vector<std::string>{"GATSO", "Mobile 12"}));
  ASSERT_EQ(route.points.size(), 2u);
  EXPECT_EQ(route.points[1].desc1, "B");

  Route onlyTitles = RouteFromText(";Home\n:SPECS\n");
  EXPECT_TRUE(onlyTitles.points.empty());
  EXPECT_EQ(onlyTitles.exclusions, std::vector<std::string>{"SPECS"});
  EXPECT_FALSE(RouteFromText("-1.5,51.5\n;\n").name.has_value());
}

class CurrentRouteTest : public ::testing::Test, public testing::RouteFixture {
 protected:
  RouteVoice voice{settings, &speech};
  RouteFollower follower{settings, voice};
  CurrentRoute current{settings, &prompt, follower, voice};
};

TEST_F(CurrentRouteTest, ExclusionsFollowTheLoadedRouteAndAFailedLoadDropsThem) {
  const std::string cameraLine = "51.38,-1.29,A343,Newbury,Roadworks,MOBILE 12,No,50";
  dir.Write("a.csv", ";A\r\n: Mobile 12 :\r\n:TEMPORARY:\r\n-1.5,51.5,Start\r\n");
  dir.Write("b.csv", ";B\n-1.5,51.5,Start\n");
  SetNumber("SayExcluded", 0);

  EXPECT_EQ(current.Get(), nullptr);
  ASSERT_TRUE(current.LoadFrom(dir.File("a.csv")));
  EXPECT_TRUE(CameraLineExcluded(cameraLine, current.Exclusions()));
  EXPECT_TRUE(current.Exclusions().IsExcluded("temporary"));  // CR LF no longer hides the name

  EXPECT_FALSE(current.LoadFrom(dir.Path()));  // a folder is a file that cannot be read
  EXPECT_EQ(prompt.Texts().back(), "Error can't open the route file\n" + dir.Path());
  EXPECT_FALSE(CameraLineExcluded(cameraLine, current.Exclusions()));
  ASSERT_NE(current.Get(), nullptr);
  EXPECT_TRUE(current.Get()->points.empty());

  ASSERT_TRUE(current.LoadFrom(dir.File("a.csv")));
  ASSERT_TRUE(current.LoadFrom(dir.File("b.csv")));
  EXPECT_FALSE(current.Exclusions().IsExcluded("TEMPORARY"));
  EXPECT_TRUE(speech.Texts().empty());
}

TEST_F(CurrentRouteTest, LoadsFromRouteNameAndAnnouncesExclusions) {
  dir.Write("a.csv", ";My ride\n;via the coast\n:GATSO\n-1.5,51.5,Start\n");
  settings.WriteTextSetting("RouteName", dir.File("a.csv"));
  ASSERT_TRUE(current.LoadCurrentRoute());
  EXPECT_EQ(speech.Texts(), (std::vector<std::string>{"Route My ride\nvia the coast\n", "Has excluded cameras"}));

  speech.Clear();
  SetNumber("RouteUseMSAgent", 0);
  ASSERT_TRUE(current.LoadCurrentRoute());
  EXPECT_TRUE(speech.Texts().empty());

  store.Delete(kRovexKey, "RouteName");
  EXPECT_FALSE(current.LoadCurrentRoute());
  EXPECT_EQ(prompt.Texts().back(), "Unable read the route file name from the registry.");
  EXPECT_TRUE(current.Exclusions().IsExcluded("GATSO"));  // nothing was loaded, nothing replaced
}

TEST(RouteCli, PrintsTheRouteAsRead) {
  testing::TempDir dir;
  dir.Write("r.csv", ";Ride\n: Mobile 12 :\n-1.2345678,51.4\n-1.6,51.6,Caf\xe9\tbar,x\n");
  testing::CliResult r = testing::RunCliCapture({"route", dir.File("r.csv")});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "name\tRide\nexclude\tMobile 12\npoint\t1\t-1.234567\t51.4\t\t\n"
                   "point\t2\t-1.6\t51.6\tCaf\xc3\xa9?bar\tx\n");
  EXPECT_EQ(testing::RunCliCapture({"route", dir.File("none.csv")}).exitCode, 1);
  EXPECT_EQ(testing::RunCliCapture({"route"}).exitCode, 2);
}

}  // namespace
}  // namespace rovex
