#pragma once

#include <cstddef>
#include <string>

#include "osm/osm_input.h"
#include "trackeditor/background_load.h"
#include "trackeditor/track_map.h"

// The rules of the "Load OSM file" dialog (`CDlgTrackOsmLoad`): each way of
// an OpenStreetMap file with at least one known node becomes a background
// entry of the open map, described by its id and tags so that it is drawn
// with the pen and labels they ask for. Load may be pressed again.

namespace rovex {
class UserPrompt;
}

namespace rovex::trackeditor {

class TrackOsmLoadModel : public BackgroundLoadModel {
 public:
  static constexpr const char* kTitle = "Load OSM file";
  static constexpr const char* kSourceLabel = "&OSM source file.";
  static constexpr const char* kBrowseFilter = osm::kOsmFileFilter;
  static constexpr const char* kHint1 = "Loads an  OSM file.   The tracks will be displayed but can not be edited.";
  static constexpr const char* kHint2 =
      "Select an OSM file and click the Load OSM file button.  Large files may take a few minutes to load.  You can "
      "repeat the process to load several files.  When finished click OK to close the dialog window .";
  // A description holds at most this many characters.
  static constexpr std::size_t kDescriptionLimit = 498;

  TrackOsmLoadModel(TrackEditor* map, UserPrompt* prompt) : BackgroundLoadModel(map, prompt) {}

  // "&Load OSM file": reads source into the map; false when nothing was added.
  bool Load(const LoadProgress& progress = {});
};

}  // namespace rovex::trackeditor
