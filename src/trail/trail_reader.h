#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "trail/track_list.h"

// The GPX subset a trail is read from, line by line without an XML parser.
// The reader is outside until an opening "<rte", "<trk>" or "<trkseg>" tag;
// inside, every trkpt, rtept or wpt element with both a lat and a lon
// attribute gives a point, in the order they stand, however many share a
// line; "</rte>" and "</trkseg>" append a break and leave again. Empty lines
// and lines starting with ";" are skipped.

namespace rovex {

class TrailReader {
 public:
  explicit TrailReader(TrackList& list) : m_list(list) {}

  // One line, its line end already removed or not.
  void ReadLine(std::string_view line);
  // Every line of an open file, the last one also when it has no line end. False on a read error.
  bool ReadStream(std::FILE* file);

 private:
  // The element starting at the '<' at pos; returns where scanning goes on.
  std::size_t ReadTag(std::string_view line, std::size_t pos);
  void ReadPoint(std::string_view attributes);

  TrackList& m_list;
  bool m_inside = false;
};

enum class TrailReadResult { Read, CannotOpen, ReadError };

// Appends what the file holds to the list; on CannotOpen the list is untouched.
TrailReadResult ReadTrailFile(const std::string& path, TrackList* list);

}  // namespace rovex
