#include "atlas/atlas_layer.h"

#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace rovex::atlas {
namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Digits ending just before end (exclusive); the start of the digits, or npos when none or too many.
size_t DigitsBefore(const std::string& s, size_t end, long* value) {
  size_t start = end;
  while (start > 0 && s[start - 1] >= '0' && s[start - 1] <= '9') --start;
  if (start == end || end - start > 9) return std::string::npos;
  *value = std::stol(s.substr(start, end - start));
  return start;
}

}  // namespace

std::optional<TileName> SplitTileName(const std::string& file) {
  const size_t dot = file.rfind('.');
  if (dot == std::string::npos || dot == 0) return std::nullopt;
  TileName t;
  t.file = file;
  t.extension = file.substr(dot);
  const size_t yStart = DigitsBefore(file, dot, &t.y);
  if (yStart == std::string::npos || yStart == 0 || file[yStart - 1] != '_') return std::nullopt;
  const size_t xStart = DigitsBefore(file, yStart - 1, &t.x);
  if (xStart == std::string::npos) return std::nullopt;
  t.prefix = file.substr(0, xStart);
  return t;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::vector<std::string> SortedListing(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return names;
  while (dirent* e = readdir(dir)) {
    std::string name = e->d_name;
    if (name != "." && name != "..") names.push_back(std::move(name));
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

std::string FindLayerFolder(const std::string& atlasFolder, int zoom) {
  if (atlasFolder.empty() || zoom < 0) return std::string();
  char digits[16];
  std::snprintf(digits, sizeof digits, "%02d", zoom);
  for (const std::string& name : SortedListing(atlasFolder)) {
    if (EndsWith(name, digits)) return JoinPath(atlasFolder, name);
  }
  return std::string();
}

AtlasLayer::AtlasLayer(std::string folder) : m_folder(std::move(folder)) {
  if (m_folder.empty()) return;
  for (const std::string& name : SortedListing(m_folder)) {
    if (m_mapFile.empty() && EndsWith(name, ".map")) m_mapFile = JoinPath(m_folder, name);
  }
  m_setFolder = JoinPath(m_folder, "set");
  for (const std::string& name : SortedListing(m_setFolder)) {
    std::optional<TileName> tile = SplitTileName(name);
    if (!tile) continue;
    if (!m_first && name.find("0_0.") != std::string::npos) m_first = tile;
    m_tiles[{tile->x, tile->y}].push_back(std::move(*tile));
  }
}

std::string AtlasLayer::FirstTilePath() const { return m_first ? JoinPath(m_setFolder, m_first->file) : std::string(); }

std::string AtlasLayer::TilePath(long x, long y) const {
  auto it = m_tiles.find({x, y});
  if (it == m_tiles.end()) return std::string();
  return JoinPath(m_setFolder, it->second.front().file);
}

bool AtlasLayer::Exists(const std::string& prefix, long x, long y, const std::string& extension) const {
  auto it = m_tiles.find({x, y});
  if (it == m_tiles.end()) return false;
  for (const TileName& t : it->second) {
    if (t.prefix == prefix && t.extension == extension) return true;
  }
  return false;
}

int AtlasLayer::Count(int tileSize, bool columns) const {
  if (!m_first || tileSize <= 0) return 0;
  int count = 1;
  long index = 0;
  long step = 256;
  for (int probe = 0; probe < 10; ++probe) {
    const long offset = index * tileSize;
    const bool found = index >= 0 && index <= std::numeric_limits<long>::max() / tileSize &&
                       Exists(m_first->prefix, columns ? offset : 0, columns ? 0 : offset, m_first->extension);
    if (found) {
      count = static_cast<int>(index + 1);
      index += step;
    } else {
      index -= step;
    }
    step /= 2;
  }
  return count;
}

}  // namespace rovex::atlas
