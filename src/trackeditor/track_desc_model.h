#pragma once

#include <string>

#include "trackeditor/track_map.h"

// "Tracks Map Description" (CDialogTrackDesc): one line that describes the map.

namespace rovex {
class UserPrompt;
}

namespace rovex::trackeditor {

class TrackDescModel {
 public:
  static constexpr const char* kTitle = "Tracks Map Description";
  static constexpr const char* kHint = "Enter a single line description for the new tracks map file and click OK .";

  TrackDescModel(TrackEditor* map, UserPrompt* prompt);
  // False (after a message) when the dialog must stay open.
  bool Ok();

  std::string text;  // the edit box

 private:
  TrackEditor* m_map;
  UserPrompt* m_prompt;
};

}  // namespace rovex::trackeditor
