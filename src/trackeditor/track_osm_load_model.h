#pragma once

#include <cstddef>
#include <string>

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

class TrackOsmLoadModel {
 public:
  static constexpr const char* kTitle = "Load OSM file";
  static constexpr const char* kSourceLabel = "&OSM source file.";
  static constexpr const char* kBrowseFilter = "OSM files (*.osm)|*.osm|XML (*.xml)|*.xml|Any (*.*)|*.*||";
  static constexpr const char* kHint1 = "Loads an  OSM file.   The tracks will be displayed but can not be edited.";
  static constexpr const char* kHint2 =
      "Select an OSM file and click the Load OSM file button.  Large files may take a few minutes to load.  You can "
      "repeat the process to load several files.  When finished click OK to close the dialog window .";
  // A description holds at most this many characters.
  static constexpr std::size_t kDescriptionLimit = 498;

  TrackOsmLoadModel(TrackEditor* map, UserPrompt* prompt) : m_map(map), m_prompt(prompt) {}

  std::string source;

  // "&Load OSM file": reads source into the map; false when nothing was added.
  bool Load(const LoadProgress& progress = {});
  // Entries added by every Load so far.
  std::size_t Added() const { return m_added; }

 private:
  void Message(const std::string& text);

  TrackEditor* m_map;
  UserPrompt* m_prompt;
  std::size_t m_added = 0;
};

}  // namespace rovex::trackeditor
