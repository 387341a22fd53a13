#pragma once

#include <cstddef>
#include <string>

#include "trackeditor/background_load.h"
#include "trackeditor/track_map.h"

// The rules of the "Load JOSM GPX track" dialog (`CDlgTrackJosmLoad`): each
// track section of a GPX file becomes a background entry of the open map,
// named by the last <name> read before its first point. Load may be pressed
// again for more files.

namespace rovex {
class UserPrompt;
}

namespace rovex::trackeditor {

class TrackJosmLoadModel : public BackgroundLoadModel {
 public:
  static constexpr const char* kTitle = "Load JOSM GPX track";
  static constexpr const char* kSourceLabel = "JOSM GPX track source file.";
  static constexpr const char* kBrowseFilter = "All files *.*|*.*||";
  static constexpr const char* kHint =
      "Loads a multi section JOSM GPX or other GPX track file into the track editor.  The tracks will be displayed "
      "but can not be edited.  Select a file and then click 'Load GPX' to load it.  Click 'OK' to close the dialog.";

  TrackJosmLoadModel(TrackEditor* map, UserPrompt* prompt) : BackgroundLoadModel(map, prompt) {}

  // "&Load GPX": reads source into the map; false when nothing could be read.
  bool Load(const LoadProgress& progress = {});
};

}  // namespace rovex::trackeditor
