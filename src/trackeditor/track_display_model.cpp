#include "trackeditor/track_display_model.h"

#include "platform/user_prompt.h"
#include "trackeditor/track_reader.h"

namespace rovex::trackeditor {

TrackDisplayModel::TrackDisplayModel(TrackEditor* map, UserPrompt* prompt)
    : m_map(map), m_prompt(prompt), m_rows(TrackRows(map)) {}

void TrackDisplayModel::Toggle(std::size_t row) {
  if (row >= m_rows.size() || m_rows[row].entry < 0) return;
  m_rows[row].visible = m_rows[row].visible == "No" ? "Yes" : "No";
}

void TrackDisplayModel::All() {
  for (TrackRow& r : m_rows) {
    if (r.entry >= 0) r.visible = "Yes";
  }
}

void TrackDisplayModel::None() {
  for (TrackRow& r : m_rows) {
    if (r.entry >= 0) r.visible = "No";
  }
}

void TrackDisplayModel::Apply() {
  if (!m_map) return;
  for (const TrackRow& r : m_rows) {
    if (r.entry < 0 || static_cast<std::size_t>(r.entry) >= m_map->TracksMem.size()) continue;
    TrackEntry& e = m_map->TracksMem[static_cast<std::size_t>(r.entry)];
    const bool show = r.visible != "No";
    if (e.background) {
      e.hidden = !show;
    } else if (!show) {
      e.points.reset();
    } else if (!e.points && e.path) {
      auto points = std::make_unique<TrackPoints>();
      if (ReadTrackFile(*e.path, points.get())) e.points = std::move(points);
    }
  }
  if (m_prompt) m_prompt->MessageBox("Display settings have been applied", MsgIcon::Information);
}

}  // namespace rovex::trackeditor
