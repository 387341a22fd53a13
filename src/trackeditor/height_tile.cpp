#include "trackeditor/height_tile.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace rovex::trackeditor {

std::vector<int32_t> ReadBigEndianSamples(std::string_view bytes, std::size_t count) {
  std::vector<int32_t> samples(count, 0);
  const std::size_t available = std::min(count, bytes.size() / 2);
  for (std::size_t i = 0; i < available; ++i) {
    const auto high = static_cast<unsigned char>(bytes[2 * i]);
    const auto low = static_cast<unsigned char>(bytes[2 * i + 1]);
    samples[i] = static_cast<int32_t>((high << 8) | low);
  }
  return samples;
}

bool ReadHeightTile(const std::string& path, HeightTile* tile) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return false;
  // Anything past a whole tile is not the tile's.
  std::string bytes(kHeightTileCells * 2, '\0');
  const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file.get());
  if (std::ferror(file.get())) return false;
  bytes.resize(read);
  tile->cells = ReadBigEndianSamples(bytes, kHeightTileCells);
  return true;
}

}  // namespace rovex::trackeditor
