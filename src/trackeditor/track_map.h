#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The open track editor map as its file lists it: a description, the zoom that
// is kept unchanged, and the tracks, each an NMEA log with an optional
// description and, when the track is visible, its points.

namespace rovex::trackeditor {

struct TrackPoint {
  double latitude = 0.0;
  double longitude = 0.0;
};

// The points of one track; the bounds and the two strings are used by the edited track only.
struct TrackPoints {
  double minLatitude = 0.0;
  double maxLatitude = 0.0;
  double minLongitude = 0.0;
  double maxLongitude = 0.0;
  std::optional<std::string> description;
  std::optional<std::string> sourcePath;
  std::vector<TrackPoint> points;
};

struct TrackEntry {
  std::unique_ptr<TrackPoints> points;  // loaded means visible
  std::optional<std::string> description;
  std::optional<std::string> path;
  uint8_t flag = 0;
  // Background map entries cannot be read back from their path: hiding keeps their points.
  bool background = false;
  bool hidden = false;

  bool Visible() const { return points && !hidden; }
};

struct TrackEditor {
  std::optional<std::string> description;
  int32_t zoom = 10;
  bool modified = false;
  std::optional<std::string> MapFile;
  std::vector<TrackEntry> TracksMem;
};

// Lines of the map file and of NMEA logs are read at most this many characters at a time.
inline constexpr std::size_t kLineLimit = 299;
// The longest path that reads back whole from a "TrkPath:" line.
inline constexpr std::size_t kMaxTrackPath = kLineLimit - 9;

}  // namespace rovex::trackeditor
