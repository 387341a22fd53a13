#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "converters/converter_result.h"
#include "trackeditor/height_tile.h"

// SRTM 3-arc-second height tiles to GPX 1.0 contour tracks: a simple
// neighbour walk whose output is rough, meant as a background map for the
// track editor. The erased and visited marks of the walk are kept beside the
// heights, never written into them, so every height keeps its meaning and
// every walk ends whatever the contour range.

namespace rovex::converters {

inline constexpr int kHgtSide = trackeditor::kHeightTileSide;  // samples along each edge of a tile
inline constexpr uint64_t kHgtFileBytes = 2884802;  // 1201 x 1201 big-endian int16

struct HgtOrigin {
  double latitude = 50.0;
  double longitude = -2.0;
};

// The south-west corner from a name such as N42E001.hgt or S29W072.hgt (the
// last 11 characters of the path); 50, -2 when the name has no "E" or "W".
HgtOrigin HgtOriginFromPath(const std::string& path);

// A square grid of heights, row 0 at the north edge, column 0 at the west.
struct HgtGrid {
  int side = 0;
  std::vector<int16_t> heights;  // side * side, row by row
  HgtOrigin origin;
};

// The samples of a whole tile; false (grid untouched) unless the bytes are
// exactly one 3-arc-second tile.
bool ParseHgtTile(std::string_view bytes, HgtGrid* grid);

// The lowest height above -200 and the highest not above 32000 (30000 and
// -30000 when no cell counts).
struct HgtHeightRange {
  int minimum = 30000;
  int maximum = -30000;
};
HgtHeightRange HgtRange(const std::vector<int16_t>& heights);

// floor(minimum / step) * step, then each step up, while below
// floor(maximum / step) * step. A step below 1 counts as 20.
std::vector<int> HgtLevels(const HgtHeightRange& range, int step);

struct HgtContourParams {
  int eraseRange = 3;    // below 1: no flat space is erased
  int contourRange = 6;  // the half width of a contour band; negative counts as 5
  int step = 20;         // below 1 counts as 20
};

// Where the walk's text goes, in pieces; false stops the walk.
using HgtSink = std::function<bool(std::string_view text)>;

struct HgtContourStats {
  bool erasing = false;  // step 1 ran
  long erased = 0;
  long segments = 0;
  bool stopped = false;  // the sink refused or progress cancelled
};

// Steps 1 and 2 over a grid: erases flat space, then walks each level and
// writes its track segments (not the document frame). Progress is called once
// a level with levels done and twice the number of levels.
HgtContourStats WriteHgtContours(const HgtGrid& grid, const HgtContourParams& params, const HgtSink& sink,
                                 const ProgressFunction& progress = {});

struct HgtToGpxOptions {
  std::string source;
  std::string destination;
  HgtContourParams params;
  ProgressFunction progress;
};

// The whole conversion: reads the tile (refusing a file that is not one whole
// tile), writes the GPX document and its contours and puts it in place.
ConverterResult ConvertHgtToGpx(const HgtToGpxOptions& options);

}  // namespace rovex::converters
