// The SRTM tile reader and the contour walk: any bytes must read without a
// fault. The tile file is refused unless it is exactly one tile; the walk runs
// on a small grid made from the same bytes (side and parameters from the
// first bytes) and every point it writes must lie on the grid, within the band
// of its level, and on a cell not written before.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "converters/hgt_contours.h"
#include "fuzz_input_file.h"

namespace {

using namespace rovex::converters;

void CheckWalk(const uint8_t* data, size_t size) {
  if (size < 4) return;
  HgtGrid grid;
  grid.side = 1 + data[0] % 24;
  HgtContourParams params;
  params.eraseRange = static_cast<int8_t>(data[1]) % 8;
  params.contourRange = static_cast<int8_t>(data[2]) * 3;  // up to 381: past the old marker values
  params.step = 1 + data[3] % 64;
  grid.origin = {static_cast<double>(data[1] % 90), -static_cast<double>(data[2] % 180)};
  data += 4;
  size -= 4;
  grid.heights.resize(static_cast<size_t>(grid.side) * grid.side);
  for (size_t k = 0; k < grid.heights.size(); ++k) {
    // Big-endian pairs, repeated over the grid; small values so levels stay few.
    uint16_t u = size >= 2 ? static_cast<uint16_t>(data[(2 * k) % (size - size % 2)] << 8 |
                                                   data[(2 * k + 1) % (size - size % 2)])
                           : 0;
    grid.heights[k] = static_cast<int16_t>(static_cast<int16_t>(u) % 600);
  }
  const long r = params.contourRange < 0 ? 5 : params.contourRange;
  const double span = grid.side > 1 ? grid.side - 1 : 1;
  std::set<std::pair<long, long>> used;
  std::string pending;
  int level = 0;
  long segments = 0;
  auto line = [&](const std::string& text) {
    if (text.rfind("<name>GPX", 0) == 0) {
      // "GPX" level "-" segment, a level of 0 written as no digits.
      size_t dash = text.rfind('-');
      if (dash == std::string::npos || dash < 9) std::abort();
      level = dash == 9 ? 0 : std::atoi(text.substr(9, dash - 9).c_str());
      ++segments;
    } else if (text.rfind("<trkpt ", 0) == 0) {
      double lat = 0, lon = 0;
      if (std::sscanf(text.c_str(), "<trkpt lat=\"%lf\" lon=\"%lf\">", &lat, &lon) != 2) std::abort();
      long i = std::lround(span - (lat - grid.origin.latitude) * span);
      long j = std::lround((lon - grid.origin.longitude) * span);
      if (i < 0 || j < 0 || i >= grid.side || j >= grid.side) std::abort();
      long h = grid.heights[static_cast<size_t>(i) * grid.side + j];
      if (!(level - r < h && h < level + r)) std::abort();
      if (!used.insert({i, j}).second) std::abort();
    }
  };
  HgtContourStats stats = WriteHgtContours(grid, params, [&](std::string_view text) {
    pending.append(text);
    size_t start = 0;
    for (size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
      line(pending.substr(start, end - start));
    }
    pending.erase(0, start);
    return true;
  });
  if (!pending.empty() || stats.stopped || stats.segments != segments) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HgtGrid grid;
  bool parsed = ParseHgtTile(std::string_view(reinterpret_cast<const char*>(data), size), &grid);
  if (parsed != (size == kHgtFileBytes)) std::abort();
  if (parsed && grid.heights.size() != static_cast<size_t>(kHgtSide) * kHgtSide) std::abort();

  // The file converter refuses anything but a whole tile, leaving no output.
  static const std::string folder = rovex_fuzz::MakeFolder("hgt");
  const std::string source = folder + "/N42E001.hgt";
  const std::string destination = folder + "/out.gpx";
  if (size != kHgtFileBytes && rovex_fuzz::WriteInput(source, data, size)) {
    ConverterResult result = ConvertHgtToGpx({source, destination, {}, {}});
    if (result.ok) std::abort();
    if (std::FILE* f = std::fopen(destination.c_str(), "rb")) {
      std::fclose(f);
      std::abort();
    }
  }

  std::string name(reinterpret_cast<const char*>(data), size < 40 ? size : 40);
  HgtOrigin origin = HgtOriginFromPath(name);
  if (!std::isfinite(origin.latitude) || !std::isfinite(origin.longitude)) std::abort();

  CheckWalk(data, size);
  return 0;
}
