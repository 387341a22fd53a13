#include "trackeditor/track_rows.h"

namespace rovex::trackeditor {

std::vector<TrackRow> TrackRows(const TrackEditor* map) {
  std::vector<TrackRow> rows;
  if (!map) {
    rows.push_back({"", kNoMapRow, "", -1});
    return rows;
  }
  for (std::size_t i = 0; i < map->TracksMem.size(); ++i) {
    const TrackEntry& e = map->TracksMem[i];
    if (!e.description && !e.path) continue;
    rows.push_back({e.Visible() ? "Yes" : "No", e.description.value_or("None"), e.path.value_or(""),
                    static_cast<int>(i)});
  }
  if (rows.empty()) rows.push_back({"", kEmptyList, "", -1});
  return rows;
}

std::string TrackDialogTitle(const std::string& prefix, const TrackEditor* map) {
  if (!map) return prefix;
  return prefix + (map->description ? *map->description : map->MapFile.value_or(""));
}

}  // namespace rovex::trackeditor
