#pragma once

#include <string>
#include <vector>

#include "trackeditor/track_rows.h"

// "Add/Remove Tracks" (CDialogTrackAdd): the map's tracks in a list, a
// description and a path box to add one, and removal of the selected rows.
// Changes are made at once; OK and Cancel only close.

namespace rovex {
class UserPrompt;
}

namespace rovex::trackeditor {

class TrackAddModel {
 public:
  static constexpr const char* kDescriptionHint = "Type a description for the track.";
  static constexpr const char* kPathHint =
      "Choose the NMEA log file that you would like to add to the current track map file.";
  static constexpr const char* kNoRowsSelected =
      "No rows selected.\nSelect the rows that you want to remove\nby clicking them in the left column\nof the "
      "list before clicking\nthe 'Remove' button.\n\nMuliple rows can be selected\nby holding the 'Ctrl' key while "
      "clicking.";

  TrackAddModel(TrackEditor* map, UserPrompt* prompt);

  std::string Title() const { return TrackDialogTitle("Add/Remove Tracks - ", m_map); }
  const std::vector<TrackRow>& Rows() const { return m_rows; }

  // A double click copies the row into the two boxes.
  void Choose(std::size_t row);
  void Browse();
  // False when nothing was added.
  bool Add();
  // The selected rows, in any order; false when nothing was removed.
  bool Remove(std::vector<std::size_t> rows);

  std::string description;  // the boxes
  std::string path;

 private:
  TrackEditor* m_map;
  UserPrompt* m_prompt;
  std::vector<TrackRow> m_rows;
};

}  // namespace rovex::trackeditor
