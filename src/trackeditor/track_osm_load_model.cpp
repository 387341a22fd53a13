#include "trackeditor/track_osm_load_model.h"

#include <cstdio>
#include <memory>
#include <new>

#include "osm/osm_ways.h"
#include "platform/user_prompt.h"

namespace rovex::trackeditor {

bool TrackOsmLoadModel::Load(const LoadProgress& progress) {
  if (source.empty()) {
    Message("Please choose a osm file.");
    return false;
  }
  if (!m_map) return false;
  if (std::FILE* probe = std::fopen(source.c_str(), "rb")) {
    std::fclose(probe);
  } else {
    Message("Error can't open source file\n" + source);
    return false;
  }
  osm::OsmWaysOptions options;
  options.progress = progress;
  std::size_t added = 0;
  osm::OsmWaysStats stats;
  bool outOfMemory = false;
  try {
    stats = osm::ReadOsmWays(source, options, [&](const osm::OsmWay& way) {
      char id[32];
      std::snprintf(id, sizeof id, "%.0f", static_cast<double>(way.id));
      TrackEntry entry;
      entry.points = std::make_unique<TrackPoints>();
      entry.points->points.reserve(way.points.size());
      for (const osm::OsmPoint& p : way.points) entry.points->points.push_back({p.latitude, p.longitude});
      entry.description = ("OSM:" + std::string(id) + ":" + way.tags).substr(0, kDescriptionLimit);
      entry.background = true;
      m_map->TracksMem.push_back(std::move(entry));
      ++added;
      return true;
    });
  } catch (const std::bad_alloc&) {
    outOfMemory = true;
  }
  m_added += added;
  if (outOfMemory) {
    Message("Error out of memory.\nCan't allocate memory for struct OsmTracks\nin function OnTrackLoadOsm().");
  } else if (stats.read.ok) {
    // Objects rather than lines are counted: a compressed or PBF file has no lines.
    char text[200];
    std::snprintf(text, sizeof text,
                  "Input %llu nodes and ways processed.\nOutput %llu node references processed.\n\nOSM load complete.",
                  static_cast<unsigned long long>(stats.objects), static_cast<unsigned long long>(stats.references));
    Message(text, MsgIcon::Information);
  } else if (!stats.read.cancelled) {
    Message("Error can't read source file\n" + source + "\n" + stats.read.error);
  }
  return added > 0;
}

}  // namespace rovex::trackeditor
