#include "trackeditor/track_select_model.h"

#include "platform/user_prompt.h"
#include "trackeditor/track_reader.h"

namespace rovex::trackeditor {

TrackSelectModel::TrackSelectModel(TrackEditor* map, TrackPoints* edited, UserPrompt* prompt)
    : m_map(map), m_edited(edited), m_prompt(prompt), m_rows(TrackRows(map)) {}

void TrackSelectModel::Choose(std::size_t row) {
  if (row >= m_rows.size() || m_rows[row].entry < 0) return;
  description = m_rows[row].description;
  path = m_rows[row].path;
}

void TrackSelectModel::Ok() {
  if (!m_edited) {
    if (m_prompt) {
      m_prompt->MessageBox("Error can't passback selected track\n\ndialog was passed a NULL pointer\nin pTrackPoint");
    }
    return;
  }
  if (!description.empty()) m_edited->description = description;
  if (path.empty()) return;
  m_edited->sourcePath = path;
  if (!ReadTrackFile(path, m_edited) && m_prompt) m_prompt->MessageBox("Error: Unable to open the NMEA data file.");
}

}  // namespace rovex::trackeditor
