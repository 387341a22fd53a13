#include <string>

#include <gtest/gtest.h>

#include "gps/gps_input.h"
#include "settings/registry_settings.h"
#include "support/nmea_checksum.h"
#include "support/temp_dir.h"
#include "system/command_ids.h"
#include "system/compass_feature.h"
#include "system/route_feature.h"
#include "system/trail_feature.h"
#include "system_fixture.h"
#include "trail/load_trail_dialog_model.h"
#include "trail/trail_file_dialog_model.h"

namespace rovex {
namespace {

// The position comes with GGA, the course and speed with RMC.
constexpr const char* kAtNewbury = "GPGGA,120000.00,5123.0534,N,00120.2279,W,1,09,0.9,94.9,M,47.0,M,,";
constexpr const char* kEastAt20Knots = "GPRMC,120000.00,A,5123.0534,N,00120.2279,W,20.0,90.0,010626,,,A";

struct TrailFixture : testing::SystemFixture {
  testing::TempDir dir;
  RegistrySettings settings{store, nullptr};
  TrailFixture() {
    dir.Write("trail.gpx", "<trk><trkseg>\n<trkpt lat=\"51.38\" lon=\"-1.33\"/><trkpt lat=\"51.39\" lon=\"-1.33\"/>\n"
                           "</trkseg></trk>\n");
    // One route point 1 km north of the car.
    dir.Write("route.csv", ";Test\n-1.337132,51.393210,Bridge,Turn left\n-1.337132,51.402210,Mill,Straight on\n");
    settings.WriteNumberSetting("RouteUseMSAgent", 1);
  }
  const TrackList& Trail() { return system->Get<TrailFeature>().Trail(); }
  double Heading() { return system->Get<CompassFeature>().Heading().Value(); }
  // A sentence through the mailbox and one drawing pass.
  void Draw(const char* body) {
    system->Gps().HandOff().mailbox.Overwrite(testing::WithChecksum(body));
    system->DrawingPass(canvas);
  }
};

TEST(TrailFeature, LoadAndUnload) {
  TrailFixture f;
  RovexSystem& system = f.Start();
  f.host.onOther = [&](const DialogRequest& request) {
    auto* model = request.Get<LoadTrailDialogModel>();
    if (!model) return false;
    model->path = f.dir.File("trail.gpx");
    return model->Ok();
  };
  system.RunCommand(cmd::kTrailLoad);
  EXPECT_EQ(f.Trail().Count(), 3u);
  EXPECT_EQ(f.prompt.Texts(), std::vector<std::string>{"Loaded the trail GPX.\nnumber of points found 3."});
  // Cancelled: the trail was freed before the dialog.
  f.host.onOther = nullptr;
  system.RunCommand(cmd::kTrailLoad);
  EXPECT_EQ(f.Trail().Count(), 0u);

  system.RunCommand(cmd::kTrailLoadDefault);
  f.prompt.shown.clear();
  f.settings.WriteTextSetting("TrailName", f.dir.File("trail.gpx"));
  system.RunCommand(cmd::kTrailLoadDefault);
  EXPECT_EQ(f.Trail().Count(), 3u);
  EXPECT_TRUE(f.prompt.shown.empty());
  system.RunCommand(cmd::kTrailUnload);
  EXPECT_EQ(f.Trail().Count(), 0u);
  EXPECT_EQ(f.prompt.Texts(), std::vector<std::string>{"The trail has been unloaded from memory"});
  EXPECT_FALSE(system.HasCommand(cmd::kTrailCreate)) << "the web page item is left out";
}

TEST(TrailFeature, DefaultTrailFileAppliesAndLoadsNow) {
  for (bool loadNow : {false, true}) {
    TrailFixture f;
    RovexSystem& system = f.Start();
    f.host.onOther = [&](const DialogRequest& request) {
      auto* model = request.Get<TrailFileDialogModel>();
      if (!model) return false;
      model->path = f.dir.File("trail.gpx");
      model->loadNow = loadNow;
      return true;
    };
    system.RunCommand(cmd::kTrailDefaultFile);
    EXPECT_EQ(f.settings.TryReadText("TrailName"), f.dir.File("trail.gpx"));
    EXPECT_EQ(f.Trail().Count(), loadNow ? 3u : 0u);
  }
}

TEST(TrailFeature, StartUpLoadsTheDefaultTrailOnlyWhenAsked) {
  for (uint32_t autoStart : {0u, 1u, 2u}) {
    TrailFixture f;
    f.settings.WriteTextSetting("TrailName", f.dir.File("trail.gpx"));
    f.settings.WriteNumberSetting("AutoStartTrail", autoStart);
    RovexSystem& system = f.Start();
    system.OnWindowShown(true);
    EXPECT_EQ(f.Trail().Count(), autoStart == 1 ? 3u : 0u) << autoStart;
  }
}

TEST(TrailFeature, TheShownHeadingCarriesAcrossTheCompassPointerAndTrailViews) {
  TrailFixture f;
  RovexSystem& system = f.Start();
  f.host.onRepaint = nullptr;  // one drawing pass a sentence, none at the mode switches
  const int modes[] = {kCompassMode, kTrailMode, kPointerMode};
  const double expected[] = {45.0, 67.5, 78.75};
  for (int i = 0; i < 3; ++i) {
    system.SwitchToMode(modes[i]);
    f.Draw(kEastAt20Knots);
    EXPECT_EQ(f.Heading(), expected[i]) << modes[i];
  }
  system.SwitchToMode(kRouteMode);
  f.Draw(kEastAt20Knots);
  EXPECT_EQ(f.Heading(), 78.75) << "the route view has no rose";
}

TEST(TrailFeature, TrailViewFollowsAndAnnouncesTheRoute) {
  TrailFixture f;
  RovexSystem& system = f.Start();
  ASSERT_TRUE(system.Get<RouteFeature>().Current().LoadFrom(f.dir.File("route.csv")));
  RouteFollower& follower = system.Get<RouteFeature>().Follower();
  follower.SayNearestNow();
  system.SwitchToMode(kTrailMode);
  EXPECT_FALSE(follower.SayNearestNowSet()) << "entering the trail view clears the request";
  f.speech.Clear();
  system.RunCommand(cmd::kSayNearestWaypoint);
  f.Draw(kAtNewbury);
  ASSERT_EQ(f.speech.Texts().size(), 1u);
  EXPECT_EQ(f.speech.Texts()[0].rfind("Bridge Turn left ", 0), 0u) << f.speech.Texts()[0];
  ASSERT_NE(f.canvas.TextStartingWith("1 - "), nullptr);
  EXPECT_EQ(f.canvas.TextStartingWith("1 - ")->args, (std::vector<int>{4, 126}));
}

}  // namespace
}  // namespace rovex
