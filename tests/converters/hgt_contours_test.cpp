#include "converters/hgt_contours.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "converters/hgt_dialog.h"
#include "converters/input_file.h"
#include "support/cli_runner.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"

namespace rovex::converters {
namespace {

using testing::RunCliCapture;
using testing::TempDir;

// Synthetic surfaces: the height at row i, column j of a grid of the given side.
using Surface = std::function<int(int i, int j, int side)>;

int Ramp(int, int j, int) { return j; }  // rises 1 m a column eastwards
int Cone(int i, int j, int side) {
  double c = (side - 1) / 2.0;
  double d = std::hypot(i - c, j - c);
  return static_cast<int>(std::lround(std::max(0.0, 1000.0 - d * 1000.0 / c)));
}
int FlatSea(int, int, int) { return 0; }
// Sea in the west half, a hill rising from the coast in the east half.
int Coast(int, int j, int side) { return j < side / 2 ? 0 : 10 * (j - side / 2 + 1); }

HgtGrid MakeGrid(int side, const Surface& surface, HgtOrigin origin = {}) {
  HgtGrid grid;
  grid.side = side;
  grid.origin = origin;
  grid.heights.resize(static_cast<size_t>(side) * side);
  for (int i = 0; i < side; ++i) {
    for (int j = 0; j < side; ++j) grid.heights[static_cast<size_t>(i) * side + j] = static_cast<int16_t>(surface(i, j, side));
  }
  return grid;
}

std::string TileBytes(const HgtGrid& grid) {
  std::string bytes;
  bytes.reserve(grid.heights.size() * 2);
  for (int16_t h : grid.heights) {
    uint16_t u = static_cast<uint16_t>(h);
    bytes += static_cast<char>(u >> 8);
    bytes += static_cast<char>(u & 0xFF);
  }
  return bytes;
}

struct Checked {
  long segments = 0;
  long points = 0;
  std::set<int> levels;
  std::vector<std::string> problems;
};

// Reads the written tracks back and checks every point against the grid: on a
// grid cell, its height strictly within the band of the track's level, its
// elevation the level, and no cell written twice.
Checked CheckTracks(const std::string& text, const HgtGrid& grid, int contourRange) {
  Checked c;
  const long r = contourRange < 0 ? 5 : contourRange;
  const double span = grid.side - 1;
  std::set<std::pair<int, int>> used;
  int level = 0;
  bool inSegment = false;
  std::istringstream in(text);
  std::string line;
  auto problem = [&](const std::string& what) {
    if (c.problems.size() < 10) c.problems.push_back(what + ": " + line);
  };
  while (std::getline(in, line)) {
    if (line.rfind("<name>GPX", 0) == 0) {
      size_t dash = line.rfind('-');
      if (dash == std::string::npos || dash < 9) {
        problem("name without a dash");
        continue;
      }
      std::string digits = line.substr(9, dash - 9);
      level = digits.empty() ? 0 : std::atoi(digits.c_str());
      c.levels.insert(level);
      ++c.segments;
      if (std::atol(line.c_str() + dash + 1) != c.segments) problem("segment number");
    } else if (line == "<trkseg>") {
      inSegment = true;
    } else if (line == "</trkseg>") {
      inSegment = false;
    } else if (line.rfind("<trkpt ", 0) == 0) {
      double lat = 0, lon = 0;
      if (!inSegment || std::sscanf(line.c_str(), "<trkpt lat=\"%lf\" lon=\"%lf\">", &lat, &lon) != 2) {
        problem("point outside a segment or unreadable");
        continue;
      }
      ++c.points;
      double fi = span - (lat - grid.origin.latitude) * span;
      double fj = (lon - grid.origin.longitude) * span;
      long i = std::lround(fi);
      long j = std::lround(fj);
      if (std::fabs(fi - i) > 0.01 || std::fabs(fj - j) > 0.01 || i < 0 || j < 0 || i >= grid.side ||
          j >= grid.side) {
        problem("point off the grid");
        continue;
      }
      long h = grid.heights[static_cast<size_t>(i) * grid.side + j];
      if (!(level - r < h && h < level + r)) problem("point outside the band of " + std::to_string(level));
      if (!used.insert({static_cast<int>(i), static_cast<int>(j)}).second) problem("cell used twice");
    } else if (line.rfind("  <ele>", 0) == 0) {
      if (std::atoi(line.c_str() + 7) != level) problem("elevation is not the level");
    }
  }
  return c;
}

TEST(HgtContours, OriginFromFileName) {
  struct Case {
    std::string path;
    double latitude;
    double longitude;
  } cases[] = {
      {"N42E001.hgt", 42, 1},
      {"S29W072.hgt", -29, -72},
      {"/maps/srtm/N51W002.hgt", 51, -2},
      {"tile.hgt", 50, -2},      // no E or W
      {"E", 50, -2},              // the letter must follow the first character
      {"NxxExx", 0, 0},           // letters where digits belong read as nothing
  };
  for (const Case& c : cases) {
    HgtOrigin o = HgtOriginFromPath(c.path);
    EXPECT_EQ(o.latitude, c.latitude) << c.path;
    EXPECT_EQ(o.longitude, c.longitude) << c.path;
  }
}

TEST(HgtContours, HeightRangeAndLevels) {
  struct Case {
    std::vector<int16_t> heights;
    int step;
    int minimum;
    int maximum;
    std::vector<int> levels;
  } cases[] = {
      {{0, 100}, 20, 0, 100, {0, 20, 40, 60, 80}},
      {{-15, 45}, 20, -15, 45, {-20, 0, 20}},
      {{5, 15}, 20, 5, 15, {}},                        // within one step: no levels
      {{0, 100}, 0, 0, 100, {0, 20, 40, 60, 80}},      // a step below 1 counts as 20
      {{-32768, 10, 32001, 70}, 50, 10, 70, {0}},      // voids and values above 32000 ignored
      {{-250, 30}, 20, 30, 30, {}},                    // -250 is no minimum
  };
  for (const Case& c : cases) {
    HgtHeightRange range = HgtRange(c.heights);
    EXPECT_EQ(range.minimum, c.minimum);
    EXPECT_EQ(range.maximum, c.maximum);
    EXPECT_EQ(HgtLevels(range, c.step), c.levels) << c.step;
  }
}

TEST(HgtContours, ParseTileNeedsExactlyOneTile) {
  HgtGrid grid = MakeGrid(kHgtSide, [](int i, int j, int) { return (i * 7 + j * 13) % 4000 - 200; });
  grid.heights[5] = -32768;
  grid.heights[6] = 32767;
  std::string bytes = TileBytes(grid);
  ASSERT_EQ(bytes.size(), kHgtFileBytes);
  HgtGrid read;
  ASSERT_TRUE(ParseHgtTile(bytes, &read));
  EXPECT_EQ(read.side, kHgtSide);
  EXPECT_EQ(read.heights, grid.heights);
  for (size_t size : {size_t{0}, size_t{1}, size_t{2}, static_cast<size_t>(kHgtFileBytes - 1),
                      static_cast<size_t>(kHgtFileBytes + 1), static_cast<size_t>(kHgtFileBytes * 4)}) {
    HgtGrid untouched;
    std::string other = bytes;
    other.resize(size, '\0');
    EXPECT_FALSE(ParseHgtTile(other, &untouched)) << size;
    EXPECT_EQ(untouched.side, 0);
    EXPECT_TRUE(untouched.heights.empty());
  }
}

// The walk on small synthetic grids: every point on the grid within its band,
// no cell twice, and the walk ends for any contour range (above 256 too).
TEST(HgtContours, WalkStaysInBandAndUsesNoCellTwice) {
  struct Case {
    const char* name;
    Surface surface;
    int side;
    HgtContourParams params;
    bool tracks;  // at least one segment expected
  } cases[] = {
      {"ramp", Ramp, 61, {3, 6, 20}, true},
      {"ramp wide band", Ramp, 61, {3, 300, 10}, true},
      {"cone", Cone, 81, {3, 6, 100}, true},
      {"cone range 300", Cone, 81, {3, 300, 100}, true},
      {"cone negative range", Cone, 81, {0, -1, 100}, true},
      {"cone zero range", Cone, 81, {0, 0, 100}, false},
      {"flat sea", FlatSea, 41, {3, 6, 20}, false},
      {"coast", Coast, 41, {3, 6, 20}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HgtGrid grid = MakeGrid(c.side, c.surface, {10, 20});
    std::string text;
    HgtContourStats stats = WriteHgtContours(grid, c.params, [&text](std::string_view t) {
      text.append(t);
      return true;
    });
    EXPECT_FALSE(stats.stopped);
    Checked checked = CheckTracks(text, grid, c.params.contourRange);
    EXPECT_TRUE(checked.problems.empty()) << checked.problems.front();
    EXPECT_EQ(checked.segments, stats.segments);
    EXPECT_EQ(c.tracks, stats.segments > 0) << stats.segments;
    EXPECT_EQ(stats.erasing, c.params.eraseRange >= 1);
    if (stats.segments > 0) {
      EXPECT_GT(checked.points, stats.segments);
    }
  }
}

TEST(HgtContours, SeaIsErasedAndCarriesNoContour) {
  HgtGrid grid = MakeGrid(41, Coast, {0, 0});
  std::string text;
  HgtContourStats stats = WriteHgtContours(grid, {3, 6, 20}, [&text](std::string_view t) {
    text.append(t);
    return true;
  });
  // Every sea cell but the column beside the coast is erased at level 0.
  EXPECT_EQ(stats.erased, 41L * 19);
  Checked checked = CheckTracks(text, grid, 6);
  EXPECT_TRUE(checked.problems.empty());
  // Only the sea cells next to the land and the first land column lie in level 0's band.
  EXPECT_EQ(checked.levels.count(0), 1u);
}

TEST(HgtContours, RefusedInputs) {
  TempDir dir;
  std::string tile = TileBytes(MakeGrid(kHgtSide, Ramp));
  dir.Write("short.hgt", tile.substr(0, 1000));
  dir.Write("big.hgt", tile + "xx");
  dir.Write("empty.hgt", "");
  dir.Write("N01E001.hgt", tile);
  const std::string notTile = "Error the source file is not an SRTM 3 arc-second tile (2,884,802 bytes)\n";
  struct Case {
    std::string source;
    std::string destination;
    std::string message;
  } cases[] = {
      {"", dir.File("o.gpx"), "Please choose a source file."},
      {dir.File("short.hgt"), "", "Please select an output GPX track file."},
      {dir.File("none.hgt"), dir.File("o.gpx"), "Error can't open source file\n" + dir.File("none.hgt")},
      {dir.File("short.hgt"), dir.File("o.gpx"), notTile + dir.File("short.hgt")},
      {dir.File("big.hgt"), dir.File("o.gpx"), notTile + dir.File("big.hgt")},
      {dir.File("empty.hgt"), dir.File("o.gpx"), notTile + dir.File("empty.hgt")},
      {dir.File("N01E001.hgt"), dir.File("no/such/dir/o.gpx"),
       "Error can't open destination file\n" + dir.File("no/such/dir/o.gpx")},
  };
  for (const Case& c : cases) {
    ConverterResult result = ConvertHgtToGpx({c.source, c.destination, {}, {}});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.Texts(), std::vector<std::string>{c.message});
    EXPECT_FALSE(FileExists(dir.File("o.gpx")));
  }
}

TEST(HgtContours, CommandLine) {
  TempDir dir;
  HgtGrid grid = MakeGrid(kHgtSide, Cone, {42, 1});
  dir.Write("N42E001.hgt", TileBytes(grid));
  auto r = RunCliCapture({"convert", "hgt-gpx", dir.File("N42E001.hgt"), dir.File("c.gpx"), "--step", "200", "--range",
                          "300"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.rfind("Step 1 of 2.\n\nErasedCount ", 0), 0u);
  EXPECT_NE(r.out.find("Contour extraction is complete.\n"), std::string::npos);
  Checked checked = CheckTracks(dir.Read("c.gpx"), grid, 300);
  EXPECT_TRUE(checked.problems.empty());
  EXPECT_EQ(checked.levels, (std::set<int>{0, 200, 400, 600, 800}));

  if (std::system("command -v xmllint >/dev/null 2>&1") == 0) {
    EXPECT_EQ(std::system(("xmllint --noout " + dir.File("c.gpx") + " 2>&1").c_str()), 0);
  }
  dir.Write("short.hgt", "abc");
  r = RunCliCapture({"convert", "hgt-gpx", dir.File("short.hgt"), dir.File("s.gpx")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("2,884,802 bytes"), std::string::npos);
}

// The number boxes read as atoi reads them, kept to a height's range; an
// existing GPX file is replaced only when the user says Yes.
TEST(HgtContours, DialogNumbersAndOverwriteQuestion) {
  HgtToGpxDialog model;
  model.eraseRange = " 7m";
  model.contourRange = "abc";
  model.step = "99999999999";
  HgtContourParams params = model.Params();
  EXPECT_EQ(params.eraseRange, 7);
  EXPECT_EQ(params.contourRange, 0);
  EXPECT_EQ(params.step, 32767);

  TempDir dir;
  dir.Write("N42E001.hgt", TileBytes(MakeGrid(kHgtSide, FlatSea, {42, 1})));
  dir.Write("c.gpx", "old");
  testing::FakePrompt prompt;
  HgtToGpxDialog dialog;
  dialog.source = dir.File("N42E001.hgt");
  dialog.destination = dir.File("c.gpx");
  prompt.QueueAnswer(MsgResult::No);
  EXPECT_FALSE(dialog.Convert(prompt));
  EXPECT_EQ(dir.Read("c.gpx"), "old");
  EXPECT_TRUE(dialog.Convert(prompt));
  EXPECT_NE(dir.Read("c.gpx"), "old");
  ASSERT_GE(prompt.Texts().size(), 2u);
  EXPECT_EQ(prompt.Texts()[0], "The output GPX file all ready exists.\n\nOverwrite Yes/No ?");
  EXPECT_EQ(prompt.Texts()[1], prompt.Texts()[0]);
}

}  // namespace
}  // namespace rovex::converters
