#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::RunCliCapture;

TEST(AtlasCli, InfoListsEachLayerWithTilesAndCorners) {
  const testing::CliResult r = RunCliCapture({"atlas", "info", ROVEX_BINARY_DIR "/atlas-demo"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "layer Demo 11 zoom 11\n"
            "  first tile demo_0_0.png\n"
            "  tile 256x256 depth 24 columns 5 rows 4\n"
            "  calibration Demo 11.map (4 points)\n"
            "  top-left     51.424999 -1.345000\n"
            "  top-right    51.424999 -1.185000\n"
            "  bottom-right 51.345001 -1.185000\n"
            "  bottom-left  51.345001 -1.345000\n"
            "layer Demo 12 zoom 12\n"
            "  first tile demo_0_0.png\n"
            "  tile 256x256 depth 24 columns 10 rows 8\n"
            "  calibration Demo 12.map (4 points)\n"
            "  top-left     51.424999 -1.345000\n"
            "  top-right    51.424999 -1.185000\n"
            "  bottom-right 51.345001 -1.185000\n"
            "  bottom-left  51.345001 -1.345000\n");
}

TEST(AtlasCli, PanMakesThePictureOrSaysWhy) {
  testing::TempDir dir;
  std::filesystem::copy(ROVEX_BINARY_DIR "/atlas-demo/Demo 11", dir.File("Demo 11"),
                        std::filesystem::copy_options::recursive);
  const testing::CliResult made = RunCliCapture({"atlas", "pan", dir.Path(), "11"});
  EXPECT_EQ(made.exitCode, 0) << made.err;
  EXPECT_EQ(made.out, dir.File("Demo 11/pan.jpg") + " 400x320, 20 squares\n");
  std::ifstream pan(dir.File("Demo 11/pan.jpg"), std::ios::binary);
  char magic[3] = {};
  pan.read(magic, 3);
  EXPECT_EQ(std::string(magic, 3), "\xFF\xD8\xFF");  // a JPEG file
  EXPECT_FALSE(std::filesystem::exists(dir.File("Demo 11/pan.jpg.part")));

  const testing::CliResult none = RunCliCapture({"atlas", "pan", dir.Path(), "9"});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_EQ(none.err.rfind("rovex-cli: Unable to find a tile sub folder for the current zoom level.", 0), 0u);
  EXPECT_EQ(RunCliCapture({"atlas", "pan", dir.Path(), "x"}).exitCode, 2);
  EXPECT_EQ(RunCliCapture({"atlas", "info", dir.File("missing")}).exitCode, 1);
}

}  // namespace
}  // namespace rovex
