#include "atlas/tile_cache.h"

namespace rovex::atlas {

const CanvasImage* TileCache::Get(CanvasFactory& factory, const std::string& path) {
  auto it = m_entries.find(path);
  if (it != m_entries.end()) {
    m_uses.splice(m_uses.begin(), m_uses, it->second.use);
    return it->second.image.get();
  }
  if (m_entries.size() >= m_capacity) {
    m_entries.erase(m_uses.back());
    m_uses.pop_back();
  }
  ++m_decodes;
  m_uses.push_front(path);
  Entry& e = m_entries[path];
  e.image = factory.LoadImageFile(path);
  e.use = m_uses.begin();
  return e.image.get();
}

void TileCache::Clear() {
  m_entries.clear();
  m_uses.clear();
}

}  // namespace rovex::atlas
