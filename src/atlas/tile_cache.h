#pragma once

#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/canvas.h"

// Decoded tiles by path, at most a fixed number, the least recently used
// given up first. A tile that cannot be decoded is remembered as such, so a
// paint decodes only the tiles that came into view.

namespace rovex::atlas {

class TileCache {
 public:
  explicit TileCache(size_t capacity = 96) : m_capacity(capacity < 1 ? 1 : capacity) {}

  // The decoded tile, or null when it cannot be read; decodes at most once while cached.
  const CanvasImage* Get(CanvasFactory& factory, const std::string& path);
  size_t Size() const { return m_entries.size(); }
  // How many files were decoded (or tried) since the cache was made.
  long Decodes() const { return m_decodes; }
  void Clear();

 private:
  struct Entry {
    std::unique_ptr<CanvasImage> image;
    std::list<std::string>::iterator use;
  };
  size_t m_capacity;
  long m_decodes = 0;
  std::list<std::string> m_uses;  // most recent first
  std::unordered_map<std::string, Entry> m_entries;
};

}  // namespace rovex::atlas
