#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "converter_test_util.h"
#include "converters/josm_dialog.h"
#include "converters/nmea_gpx_dialog.h"
#include "support/cli_runner.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"

namespace rovex::converters {
namespace {

using testing::RunCliCapture;
using testing::TempDir;

const std::string kRmc1 = testing::WithChecksum("$GPRMC,120000,A,5130.0000,N,00100.0000,W,20.0,10.0,150624,,");
const std::string kRmc2 = testing::WithChecksum("$GPRMC,120100,A,5136.0000,N,00100.0000,W,20.0,10.0,150624,,");

TEST(CliConvert, SuccessOnStdoutFailureOnStderr) {
  TempDir dir;
  dir.Write("list.csv", "header\n1,2,GATSO@30,A\n");
  auto r = RunCliCapture({"convert", "pocketgps", dir.File("list.csv"), dir.File("cams.txt")});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "2 lines processed.\n\nConversion complete.\n");
  EXPECT_EQ(r.err, "");

  r = RunCliCapture({"convert", "garmin", dir.File("none.csv"), dir.File("new.txt")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Error can't open source file\n" + dir.File("none.csv") + "\n");
}

TEST(CliConvert, ExistingOutputNeedsForceOrAppend) {
  TempDir dir;
  dir.Write("list.csv", "1,2,X,A\n");
  dir.Write("cams.txt", "old\n");
  auto r = RunCliCapture({"convert", "garmin", dir.File("list.csv"), dir.File("cams.txt")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("--force"), std::string::npos);
  EXPECT_EQ(dir.Read("cams.txt"), "old\n");
  EXPECT_EQ(RunCliCapture({"convert", "garmin", dir.File("list.csv"), dir.File("cams.txt"), "--append"}).exitCode, 0);
  EXPECT_EQ(dir.Read("cams.txt"), "old\n2,1,X,A,,X,Yes,\n");
  EXPECT_EQ(RunCliCapture({"convert", "garmin", dir.File("list.csv"), dir.File("cams.txt"), "--force"}).exitCode, 0);
  EXPECT_EQ(dir.Read("cams.txt"), "2,1,X,A,,X,Yes,\n");
}

TEST(CliConvert, NmeaGpxOptions) {
  TempDir dir;
  dir.Write("log.txt", kRmc1 + kRmc2);
  // 11 km apart: both kept at 200 m, only the first with --distance 20000.
  auto r = RunCliCapture({"convert", "nmea-gpx", dir.File("log.txt"), dir.File("a.gpx")});
  EXPECT_EQ(r.out, "The GPX output file has been created.\n");
  EXPECT_NE(dir.Read("a.gpx").find("<trkpt lat=\"51.600000000\""), std::string::npos);
  r = RunCliCapture({"convert", "nmea-gpx", dir.File("log.txt"), dir.File("b.gpx"), "--route", "--distance", "20000"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(dir.Read("b.gpx").find("<rtept lat=\"51.500000000\""), std::string::npos);
  EXPECT_EQ(dir.Read("b.gpx").find("51.600000000"), std::string::npos);
  EXPECT_EQ(RunCliCapture({"convert", "nmea-gpx", dir.File("log.txt"), dir.File("c.gpx"), "--no-distance"}).exitCode, 0);
  EXPECT_EQ(dir.Read("c.gpx").find("51.600000000"), std::string::npos);
}

TEST(CliConvert, UsageErrors) {
  TempDir dir;
  const std::vector<std::vector<std::string>> cases = {
      {"convert"},
      {"convert", "nosuchkind", "a", "b"},
      {"convert", "garmin", "onlyone"},
      {"convert", "josm", "a", "b", "--append"},
      {"convert", "garmin", "a", "b", "--route"},
      {"convert", "nmea-gpx", "a", "b", "--distance"},
      {"convert", "nmea-gpx", "a", "b", "--course", "x"},
      {"convert", "garmin", "a", "b", "--bogus"},
  };
  for (const auto& args : cases) {
    auto r = RunCliCapture(args);
    EXPECT_EQ(r.exitCode, 2) << args.back();
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage: rovex-cli convert"), std::string::npos);
  }
}

TEST(CliConvert, JosmAsksForForceOnTheMapFile) {
  TempDir dir;
  dir.Write("j.gpx", "<trkseg><trkpt lat=\"1\" lon=\"2\"/></trkseg>");
  dir.Write("map.txt", "old");
  EXPECT_EQ(RunCliCapture({"convert", "josm", dir.File("j.gpx"), dir.File("map")}).exitCode, 1);
  EXPECT_EQ(dir.Read("map.txt"), "old");
  EXPECT_EQ(RunCliCapture({"convert", "josm", dir.File("j.gpx"), dir.File("map"), "--force"}).exitCode, 0);
  EXPECT_EQ(dir.Read("map.txt").substr(0, 20), ";ROVEX Track Editor\n");
}

// The dialog models ask before replacing an output; a No keeps the old file.
TEST(ConverterDialogs, DecliningTheOverwriteKeepsTheOldFile) {
  TempDir dir;
  dir.Write("log.txt", kRmc1 + kRmc2);
  dir.Write("o.gpx", "old");
  testing::FakePrompt prompt;
  NmeaToGpxDialog nmea;
  nmea.logPath = dir.File("log.txt");
  nmea.outputPath = dir.File("o.gpx");
  prompt.QueueAnswer(MsgResult::No);
  EXPECT_FALSE(nmea.MakeTrack(prompt));
  EXPECT_EQ(dir.Read("o.gpx"), "old");
  nmea.distanceText = "not a number";  // reads as 0: every moving point kept
  EXPECT_TRUE(nmea.MakeRoute(prompt));
  EXPECT_EQ(nmea.rows.size(), 2u);

  dir.Write("j.gpx", "<trkseg><trkpt lat=\"1\" lon=\"2\"/></trkseg>");
  dir.Write("m.txt", "old");
  ConvertJosmDialog josm;
  josm.source = dir.File("j.gpx");
  josm.destination = dir.File("m.txt");
  prompt.QueueAnswer(MsgResult::No);
  EXPECT_FALSE(josm.Convert(prompt));
  EXPECT_EQ(dir.Read("m.txt"), "old");
  EXPECT_TRUE(josm.Convert(prompt));  // the default answer is Yes
  EXPECT_NE(dir.Read("m.txt"), "old");
}

}  // namespace
}  // namespace rovex::converters
