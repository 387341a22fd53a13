#pragma once

#include <string>
#include <vector>

#include "trackeditor/track_map.h"

// The rows that the track dialogs list: one per track that has a description
// or a path, each remembering which track of the map it shows, because tracks
// with neither are not listed and row numbers are then not track numbers.

namespace rovex::trackeditor {

struct TrackRow {
  std::string visible;  // "Yes" or "No" in the visible-tracks dialog
  std::string description;
  std::string path;
  int entry = -1;  // index into TracksMem; -1 for the "List is empty." and missing-map rows
};

std::vector<TrackRow> TrackRows(const TrackEditor* map);

// "Add/Remove Tracks - ", "Select track(s) to display - " or "Select track to edit - " and the map's name.
std::string TrackDialogTitle(const std::string& prefix, const TrackEditor* map);

inline constexpr const char* kEmptyList = "List is empty.";
inline constexpr const char* kNoMapRow = "Null pointer passed to dialog";

}  // namespace rovex::trackeditor
