#include "osm/osm_ways.h"

#include <osmium/index/map/flex_mem.hpp>
#include <osmium/memory/buffer.hpp>
#include <osmium/osm/location.hpp>
#include <osmium/osm/node.hpp>
#include <osmium/osm/way.hpp>

namespace rovex::osm {
namespace {

using LocationIndex = osmium::index::map::FlexMem<osmium::unsigned_object_id_type, osmium::Location>;

// Node positions by id. JOSM gives objects not yet uploaded negative ids, so
// those are kept in an index of their own under the id's magnitude. A sparse
// index must be sorted before lookups; OSM files list every node before the
// first way, so that happens once per file.
class NodeStore {
 public:
  void Set(int64_t id, osmium::Location location) {
    Index(id).set(Key(id), location);
    m_unsorted = true;
  }
  osmium::Location Get(int64_t id) {
    if (m_unsorted) {
      m_positive.sort();
      m_negative.sort();
      m_unsorted = false;
    }
    return Index(id).get_noexcept(Key(id));
  }

 private:
  LocationIndex& Index(int64_t id) { return id < 0 ? m_negative : m_positive; }
  static osmium::unsigned_object_id_type Key(int64_t id) {
    return id < 0 ? static_cast<osmium::unsigned_object_id_type>(-(id + 1)) + 1
                  : static_cast<osmium::unsigned_object_id_type>(id);
  }
  LocationIndex m_positive;
  LocationIndex m_negative;
  bool m_unsorted = false;
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
