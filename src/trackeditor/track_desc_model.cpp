#include "trackeditor/track_desc_model.h"

#include "platform/user_prompt.h"

namespace rovex::trackeditor {

TrackDescModel::TrackDescModel(TrackEditor* map, UserPrompt* prompt) : m_map(map), m_prompt(prompt) {
  if (map && map->description) text = *map->description;
}

bool TrackDescModel::Ok() {
  if (!m_map) {
    if (m_prompt) m_prompt->MessageBox("Program error.\n\nTrack description dialog was passed a NULL pointer.");
    return true;
  }
  m_map->description.reset();
  if (!text.empty()) m_map->description = text;
  return true;
}

}  // namespace rovex::trackeditor
