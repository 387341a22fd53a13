#include <cstdlib>
#include <utility>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using DemoFollow = testing::CliScratchHome;

// The demo drive along the demo route must keep saying exactly what was
// checked against the route's points (each point at 600 m and 300 m in the
// country mode, in route order), with the camera warnings of the replay
// except for the temporary camera the route excludes.
TEST_F(DemoFollow, GivesTheCheckedOutput) {
  auto r = testing::RunCliCapture({"follow", demo + "demo_drive.txt", "--route", demo + "demo_route.csv", "--cameras",
                                   demo + "ROVEXCamera.txt", "--mode", "country", "--speech", "on"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string expected = testing::ReadWholeFile(demo + "expected_follow.txt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(r.out, expected);
}

TEST_F(DemoFollow, ModeAndSpeechOverrideTheStoredValues) {
  struct Case {
    std::vector<std::string> extra;
    std::string firstApproach;  // the first "Traffic lights" line, or "" for none
  };
  const Case cases[] = {
      {{}, "553 08:01:32 say Traffic lights Turn right onto the A34 598 metres"},
      {{"--mode", "town"}, "601 08:01:40 say Traffic lights Turn right onto the A34 495 metres"},
      {{"--mode", "motorway"}, "488 08:01:21 say Traffic lights Turn right onto the A34 742 metres"},
      {{"--speech", "off"}, ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"follow", demo + "demo_drive.txt", "--route", demo + "demo_route.csv"};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    auto r = testing::RunCliCapture(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    if (c.firstApproach.empty()) {
      EXPECT_EQ(r.out, "") << c.extra[1];
    } else {
      EXPECT_NE(r.out.find(c.firstApproach), std::string::npos) << r.out;
      EXPECT_EQ(r.out.find(" play "), std::string::npos);  // no camera file, no warnings
    }
  }
}

TEST_F(DemoFollow, UnreadableFilesAndBadArgumentsFail) {
  const std::string log = demo + "demo_drive.txt", route = demo + "demo_route.csv";
  const std::pair<std::vector<std::string>, int> cases[] = {
      {{"follow", log, "--route", dir.File("missing.csv")}, 1},
      {{"follow", dir.File("missing.txt"), "--route", route}, 1},
      {{"follow", log, "--route", route, "--cameras", dir.File("missing.txt")}, 1},
      {{"follow", log}, 2},
      {{"follow", log, "--route", route, "--mode", "fast"}, 2},
      {{"follow", log, "--route", route, "--speech", "loud"}, 2},
  };
  for (const auto& [args, exitCode] : cases) {
    auto r = testing::RunCliCapture(args);
    EXPECT_EQ(r.exitCode, exitCode) << args.back();
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
  }
}

}  // namespace
}  // namespace rovex
