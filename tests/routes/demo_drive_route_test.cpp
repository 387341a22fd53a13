#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "nmea/nmea_log_line_reader.h"
#include "nmea/nmea_parser.h"
#include "nmea/nmea_sentence.h"
#include "routes/current_route.h"
#include "route_fixture.h"

namespace rovex {
namespace {

// The demo drive follows the demo route: driven through the follower, every
// point is announced on approach, in the order of the route.
TEST(DemoDrive, EveryRoutePointIsAnnouncedOnApproach) {
  testing::RouteFixture f;
  f.SetNumber("SayExcluded", 0);
  RouteVoice voice(f.settings, &f.speech);
  RouteFollower follower(f.settings, voice);
  CurrentRoute current(f.settings, &f.prompt, follower, voice);
  ASSERT_TRUE(current.LoadFrom(ROVEX_SOURCE_DIR "/data/demo/demo_route.csv"));
  EXPECT_TRUE(current.Exclusions().IsExcluded("TEMPORARY"));

  std::FILE* log = std::fopen(ROVEX_SOURCE_DIR "/data/demo/demo_drive.txt", "rb");
  ASSERT_NE(log, nullptr);
  NmeaLogLineReader reader(log);
  CNMEAParser parser;
  std::string_view line;
  while (reader.Next(&line)) {
    if (!ValidateChecksum(line)) continue;
    NmeaSentenceParts parts = SplitSentence(line);
    parser.DispatchSentence(parts.address, parts.data);
    follower.Follow(current.Get(), parser.Fix());
  }
  std::fclose(log);

  // Country mode: each point at 600 m and at 300 m. The drive starts on the
  // first point and ends where it began, so the start is heard again before
  // the last point, which lies a few metres from it, takes over.
  struct Heard {
    std::string point;
    int fromMetres, toMetres;  // the distance said lies in [from, to)
  };
  const std::vector<Heard> expected = {
      {"Start at the station car park", 0, 1},   {"Traffic lights", 500, 600}, {"Traffic lights", 250, 300},
      {"Roundabout", 500, 600},                  {"Roundabout", 250, 300},     {"Crossroads", 500, 600},
      {"Crossroads", 250, 300},                  {"T junction", 500, 600},     {"T junction", 250, 300},
      {"Start at the station car park", 500, 600}, {"Start at the station car park", 250, 300},
      {"Back at the start", 0, 10}};
  std::vector<std::string> said = f.speech.Texts();
  ASSERT_EQ(said.size(), expected.size());
  for (std::size_t i = 0; i < said.size(); ++i) {
    EXPECT_EQ(said[i].rfind(expected[i].point + " ", 0), 0u) << said[i];
    std::size_t metres = said[i].rfind(' ', said[i].size() - 8);
    int distance = std::stoi(said[i].substr(metres + 1));
    EXPECT_GE(distance, expected[i].fromMetres) << said[i];
    EXPECT_LT(distance, expected[i].toMetres) << said[i];
  }
}

}  // namespace
}  // namespace rovex
