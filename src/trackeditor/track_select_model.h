#pragma once

#include <string>
#include <vector>

#include "trackeditor/track_rows.h"

// "Select track to edit" (CDialog_TrackSelect): one track of the map chosen
// from the list; OK reads its points into the edited track.

namespace rovex {
class UserPrompt;
}

namespace rovex::trackeditor {

class TrackSelectModel {
 public:
  TrackSelectModel(TrackEditor* map, TrackPoints* edited, UserPrompt* prompt);

  std::string Title() const { return TrackDialogTitle("Select track to edit - ", m_map); }
  const std::vector<TrackRow>& Rows() const { return m_rows; }

  // A double click or "&Select track" copies the row into the two boxes.
  void Choose(std::size_t row);
  void Ok();

  std::string description;  // "Track description."
  std::string path;         // "Track path/name."

 private:
  TrackEditor* m_map;
  TrackPoints* m_edited;
  UserPrompt* m_prompt;
  std::vector<TrackRow> m_rows;
};

}  // namespace rovex::trackeditor
