#include "osm/osm_ways.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <osmium/memory/buffer.hpp>
#include <osmium/osm/location.hpp>
#include <osmium/osm/node.hpp>
#include <osmium/osm/way.hpp>

namespace rovex::osm {
namespace {

// Node positions by id, 16 bytes a node in blocks of a fixed size, so the
// store never doubles and copies itself as a growing array would (that copy
// is what decides the peak memory on a big extract). OSM files list nodes in
// id order before the first way, so lookups are a binary search over what was
// appended; a file out of order (JOSM's negative ids count down) is sorted
// once, at the first lookup after the disorder.
class NodeStore {
 public:
  void Set(int64_t id, osmium::Location location) {
    if (m_count % kBlock == 0) {
      m_blocks.push_back(std::make_unique<Entry[]>(kBlock));
    }
    if (m_count > 0 && id <= m_lastId) {
      m_sorted = false;
    }
    m_lastId = id;
    m_blocks.back()[m_count % kBlock] = Entry{id, location.x(), location.y()};
    ++m_count;
  }

  osmium::Location Get(int64_t id) {
    if (!m_sorted) {
      Sort();
    }
    if (m_count == 0) {
      return osmium::Location();
    }
    // The last block whose first id is not above id, then the id within it.
    std::size_t low = 0;
    std::size_t high = m_blocks.size();
    while (high - low > 1) {
      const std::size_t mid = (low + high) / 2;
      (m_blocks[mid][0].id <= id ? low : high) = mid;
    }
    const Entry* first = m_blocks[low].get();
    const Entry* last = first + BlockSize(low);
    const Entry* it = std::lower_bound(first, last, id, [](const Entry& e, int64_t key) { return e.id < key; });
    if (it == last || it->id != id) {
      return osmium::Location();
    }
    return osmium::Location(it->x, it->y);
  }

 private:
  struct Entry {
    int64_t id;
    int32_t x;
    int32_t y;
  };
  static constexpr std::size_t kBlock = 1 << 16;

  std::size_t BlockSize(std::size_t block) const {
    return block + 1 < m_blocks.size() ? kBlock : m_count - block * kBlock;
  }

  void Sort() {
    std::vector<Entry> all;
    all.reserve(m_count);
    for (std::size_t b = 0; b < m_blocks.size(); ++b) {
      all.insert(all.end(), m_blocks[b].get(), m_blocks[b].get() + BlockSize(b));
    }
    // Stable, so a node given twice answers with the position read last.
    std::stable_sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
      if (kept > 0 && all[kept - 1].id == all[i].id) {
        all[kept - 1] = all[i];
      } else {
        all[kept++] = all[i];
      }
    }
    m_blocks.clear();
    m_count = 0;
    for (std::size_t i = 0; i < kept; ++i) {
      Set(all[i].id, osmium::Location(all[i].x, all[i].y));
    }
    m_sorted = true;
  }

  std::vector<std::unique_ptr<Entry[]>> m_blocks;
  std::size_t m_count = 0;
  int64_t m_lastId = 0;
  bool m_sorted = true;
};

OsmPoint PointOf(const osmium::Location& location) { return OsmPoint{location.lat(), location.lon()}; }

bool Inside(const OsmBox& box, const osmium::Location& location) {
  return location.valid() && box.Contains(location.lat(), location.lon());
}

// One reading of the file (or of the bytes); the second of two starts where
// the first's progress ended.
using Reading = std::function<OsmReadResult(osmium::osm_entity_bits::type, const std::function<void(osmium::memory::Buffer&)>&,
                                            const OsmProgress&)>;

OsmWaysStats Read(const Reading& read, const OsmWaysOptions& options, const std::function<bool(const OsmWay&)>& onWay,
                  const std::function<bool(const OsmTaggedNode&)>& onNode) {
  OsmWaysStats stats;
  const bool nodesToo = options.taggedNodes && onNode;
  const int readings = nodesToo ? 2 : 1;
  int reading = 0;
  // Progress over both readings; also the way a callback's "stop" ends a reading.
  const OsmProgress progress = [&](uint64_t done, uint64_t total) {
    if (stats.stopped) {
      return false;
    }
    return !options.progress || options.progress(total * reading + done, total * readings);
  };

  NodeStore nodes;
  OsmWay way;
  stats.read = read(
      osmium::osm_entity_bits::node | osmium::osm_entity_bits::way,
      [&](osmium::memory::Buffer& buffer) {
        for (const osmium::OSMObject& object : buffer.select<osmium::OSMObject>()) {
          if (stats.stopped) {
            return;
          }
          ++stats.objects;
          if (object.type() == osmium::item_type::node) {
            const auto& node = static_cast<const osmium::Node&>(object);
            if (Inside(options.box, node.location())) {
              nodes.Set(node.id(), node.location());
              ++stats.nodesKept;
            }
            continue;
          }
          const auto& osmWay = static_cast<const osmium::Way&>(object);
          way.points.clear();
          way.references = 0;
          for (const osmium::NodeRef& ref : osmWay.nodes()) {
            ++way.references;
            const osmium::Location location = nodes.Get(ref.ref());
            if (location.valid()) {
              way.points.push_back(PointOf(location));
            }
          }
          stats.references += way.references;
          if (way.points.empty()) {
            continue;
          }
          way.id = osmWay.id();
          way.tags = OsmTagString(osmWay.tags());
          if (!onWay(way)) {
            stats.stopped = true;
          }
        }
      },
      progress);
  if (!stats.read.ok || !nodesToo) {
    stats.read.cancelled = stats.read.cancelled && !stats.stopped;
    return stats;
  }

  ++reading;
  OsmTaggedNode tagged;
  stats.read = read(
      osmium::osm_entity_bits::node,
      [&](osmium::memory::Buffer& buffer) {
        for (const osmium::Node& node : buffer.select<osmium::Node>()) {
          if (stats.stopped) {
            return;
          }
          ++stats.objects;
          if (node.tags().empty() || !Inside(options.box, node.location())) {
            continue;
          }
          tagged.tags = OsmTagString(node.tags());
          if (tagged.tags.empty()) {
            continue;
          }
          tagged.id = node.id();
          tagged.point = PointOf(node.location());
          if (!onNode(tagged)) {
            stats.stopped = true;
          }
        }
      },
      progress);
  stats.read.cancelled = stats.read.cancelled && !stats.stopped;
  return stats;
}

}  // namespace

OsmWaysStats ReadOsmWays(const std::string& path, const OsmWaysOptions& options,
                         const std::function<bool(const OsmWay&)>& onWay,
                         const std::function<bool(const OsmTaggedNode&)>& onNode) {
  return Read(
      [&](osmium::osm_entity_bits::type entities, const std::function<void(osmium::memory::Buffer&)>& visit,
          const OsmProgress& progress) { return ReadOsmFile(path, entities, visit, progress); },
      options, onWay, onNode);
}

OsmWaysStats ReadOsmWaysFromBytes(std::string_view bytes, const std::string& format, const OsmWaysOptions& options,
                                  const std::function<bool(const OsmWay&)>& onWay,
                                  const std::function<bool(const OsmTaggedNode&)>& onNode) {
  return Read(
      [&](osmium::osm_entity_bits::type entities, const std::function<void(osmium::memory::Buffer&)>& visit,
          const OsmProgress& progress) { return ReadOsmBytes(bytes, format, entities, visit, progress); },
      options, onWay, onNode);
}

}  // namespace rovex::osm
