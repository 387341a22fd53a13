#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "trackeditor/track_map.h"

// The track editor map file: ";ROVEX Track Editor", "MapDesc:", "zoom:", then
// optional "TrkDesc:" and "TrkPath:" lines per track up to the end or the
// first empty line. One reader and one writer for every program that uses it.

namespace rovex::trackeditor {

inline constexpr const char* kMapHeader = ";ROVEX Track Editor";
// The writer keeps this much of the map description.
inline constexpr std::size_t kMaxMapDescription = 288;
// ... and of a track's description, so that its line reads back whole.
inline constexpr std::size_t kMaxTrackDescription = kLineLimit - 9;

enum class MapReadStatus { Read, NoFirstLine, BadFirstLine, NoDescription, BadDescription, NoZoom, BadZoom };

struct MapReadResult {
  MapReadStatus status = MapReadStatus::Read;
  // What was read up to the failure (null only when not even the first line could be read).
  std::unique_ptr<TrackEditor> map;
  // The line that failed its keyword test, as read.
  std::string badLine;
};

MapReadResult ParseMapText(std::string_view text);

// The message box text of a failure; the keyword failures offer to show the line after it.
std::string MapReadMessage(MapReadStatus status);
bool OffersBadLine(MapReadStatus status);

// The file's text, or false with a message when a track path would not read back whole.
bool FormatMapText(const TrackEditor& map, std::string* text, std::string* error);

// The message that refuses a track path too long for the file.
std::string PathTooLongMessage(const std::string& path);

}  // namespace rovex::trackeditor
