#include "trackeditor/track_add_model.h"

#include <algorithm>

#include "platform/data_root.h"
#include "platform/user_prompt.h"
#include "trackeditor/map_file.h"

namespace rovex::trackeditor {

TrackAddModel::TrackAddModel(TrackEditor* map, UserPrompt* prompt)
    : m_map(map), m_prompt(prompt), m_rows(TrackRows(map)) {}

void TrackAddModel::Choose(std::size_t row) {
  if (row >= m_rows.size() || m_rows[row].entry < 0) return;
  description = m_rows[row].description;
  path = m_rows[row].path;
}

void TrackAddModel::Browse() {
  if (!m_prompt) return;
  if (auto chosen = m_prompt->OpenFile("Open", "ROVEX NMEA log file (*.txt)|*.txt|All files (*.*)|*.*||",
                                       DataPath("Log"))) {
    path = *chosen;
  }
}

bool TrackAddModel::Add() {
  if (!m_map) {
    if (m_prompt) m_prompt->MessageBox("Program error\nAdd Track dialog was passed a NULL pointer.");
    return false;
  }
  if (path.empty()) return false;
  if (path.size() > kMaxTrackPath) {
    if (m_prompt) m_prompt->MessageBox(PathTooLongMessage(path));
    return false;
  }
  TrackEntry& entry = m_map->TracksMem.emplace_back();
  if (!description.empty()) entry.description = description;
  entry.path = path;
  m_map->modified = true;
  m_rows = TrackRows(m_map);
  return true;
}

bool TrackAddModel::Remove(std::vector<std::size_t> rows) {
  if (rows.empty()) {
    if (m_prompt) m_prompt->MessageBox(kNoRowsSelected);
    return false;
  }
  if (!m_map) return false;
  std::vector<int> entries;
  for (std::size_t row : rows) {
    if (row < m_rows.size() && m_rows[row].entry >= 0) entries.push_back(m_rows[row].entry);
  }
  // From the last track back, so that the numbers of those still to go stay valid.
  std::sort(entries.begin(), entries.end());
  entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
  for (auto e = entries.rbegin(); e != entries.rend(); ++e) m_map->TracksMem.erase(m_map->TracksMem.begin() + *e);
  if (entries.empty()) return false;
  m_map->modified = true;
  m_rows = TrackRows(m_map);
  return true;
}

}  // namespace rovex::trackeditor
