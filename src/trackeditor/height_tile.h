#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// An SRTM tile of 3-arc-second heights: 1201 rows of 1201 big-endian 16-bit
// samples, the first row the northern edge. The track editor shades with it.

namespace rovex::trackeditor {

inline constexpr int kHeightTileSide = 1201;
inline constexpr std::size_t kHeightTileCells = std::size_t{kHeightTileSide} * kHeightTileSide;

// Up to count samples from the bytes, each two bytes with the high byte first,
// as unsigned values. Cells past the end of the bytes are 0, so a short file
// never leaves over what an earlier tile held; an odd last byte is ignored.
std::vector<int32_t> ReadBigEndianSamples(std::string_view bytes, std::size_t count);

struct HeightTile {
  std::vector<int32_t> cells = std::vector<int32_t>(kHeightTileCells, 0);  // row-major

  int32_t At(int row, int column) const { return cells[std::size_t(row) * kHeightTileSide + std::size_t(column)]; }
};

// Reads a tile file; false when it cannot be opened or read.
bool ReadHeightTile(const std::string& path, HeightTile* tile);

}  // namespace rovex::trackeditor
