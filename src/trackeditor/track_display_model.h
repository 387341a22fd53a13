#pragma once

#include <string>
#include <vector>

#include "trackeditor/track_rows.h"

// "Select track(s) to display" (CDialogTrackDisplay): a Yes/No per track;
// Apply (and OK) loads the points of the "Yes" tracks and lets go of the others.

namespace rovex {
class UserPrompt;
}

namespace rovex::trackeditor {

class TrackDisplayModel {
 public:
  static constexpr const char* kNote = "Double click the first column of a row to change the display option.";

  TrackDisplayModel(TrackEditor* map, UserPrompt* prompt);

  std::string Title() const { return TrackDialogTitle("Select track(s) to display - ", m_map); }
  const std::vector<TrackRow>& Rows() const { return m_rows; }

  void Toggle(std::size_t row);
  void All();
  void None();
  void Apply();

 private:
  TrackEditor* m_map;
  UserPrompt* m_prompt;
  std::vector<TrackRow> m_rows;
};

}  // namespace rovex::trackeditor
