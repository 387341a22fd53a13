#include "trackeditor/map_file.h"

#include <cstdio>

#include "nmea/c_number.h"
#include "trackeditor/line_pieces.h"

namespace rovex::trackeditor {

namespace {

bool StartsWith(std::string_view line, std::string_view keyword) { return line.substr(0, keyword.size()) == keyword; }

}  // namespace

MapReadResult ParseMapText(std::string_view text) {
  MapReadResult result;
  LinePieces lines(text, kLineLimit);
  std::string_view line;
  if (!lines.Next(&line)) {
    result.status = MapReadStatus::NoFirstLine;
    return result;
  }
  result.map = std::make_unique<TrackEditor>();
  TrackEditor& map = *result.map;
  auto fail = [&](MapReadStatus status, std::string_view bad) {
    result.status = status;
    result.badLine = std::string(bad);
    return std::move(result);
  };
  // Compared without its line end, so a file written with CR LF reads everywhere.
  if (TrimLineEnd(line) != kMapHeader) return fail(MapReadStatus::BadFirstLine, line);

  if (!lines.Next(&line)) return fail(MapReadStatus::NoDescription, {});
  if (!StartsWith(line, "MapDesc:")) return fail(MapReadStatus::BadDescription, line);
  if (std::string_view desc = TrimLineEnd(line); desc.size() > 8) map.description = std::string(desc.substr(8));

  if (!lines.Next(&line)) return fail(MapReadStatus::NoZoom, {});
  if (!StartsWith(line, "zoom:")) return fail(MapReadStatus::BadZoom, line);
  map.zoom = line.size() < 6 ? 10 : CAtoi(std::string(line.substr(5)).c_str());

  bool previousEmpty = false;
  while (!previousEmpty && lines.Next(&line)) {
    line = TrimLineEnd(line);
    previousEmpty = line.empty();
    if (StartsWith(line, "TrkDesc:")) {
      TrackEntry& entry = map.TracksMem.emplace_back();
      if (line.size() > 8) entry.description = std::string(line.substr(8));
    } else if (StartsWith(line, "TrkPath:")) {
      if (map.TracksMem.empty() || map.TracksMem.back().path) map.TracksMem.emplace_back();
      if (line.size() >= 9) map.TracksMem.back().path = std::string(line.substr(8));
    }
  }
  return result;
}

std::string MapReadMessage(MapReadStatus status) {
  switch (status) {
    case MapReadStatus::Read: return {};
    case MapReadStatus::NoFirstLine: return "Error can't read from file";
    case MapReadStatus::BadFirstLine:
      return "Error expected ';ROVEX Track Editor'\nas the first line of the\ntrack map file.\n\nClick OK to see the line "
             "that was read.";
    case MapReadStatus::NoDescription: return "Error can't read map description from file";
    case MapReadStatus::BadDescription:
      return "Error expected 'MapDesc:'\nas the start of the second line of the\ntrack map file.\n\nClick OK to see the "
             "line that was read.";
    case MapReadStatus::NoZoom: return "Error can't read zoom from file";
    case MapReadStatus::BadZoom:
      return "Error expected 'zoom:'\nas the start of the third line of the\ntrack map file.\n\nClick OK to see the line "
             "that was read.";
  }
  return {};
}

bool OffersBadLine(MapReadStatus status) {
  return status == MapReadStatus::BadFirstLine || status == MapReadStatus::BadDescription ||
         status == MapReadStatus::BadZoom;
}

std::string PathTooLongMessage(const std::string& path) {
  return "Error the track path/name is too long.\nA track map file holds paths of at most " +
         std::to_string(kMaxTrackPath) + " characters:\n" + path;
}

bool FormatMapText(const TrackEditor& map, std::string* text, std::string* error) {
  std::string out = std::string(kMapHeader) + "\n";
  out += "MapDesc:";
  out += map.description ? map.description->substr(0, kMaxMapDescription) : std::string("No description");
  out += "\n";
  char zoom[32];
  // A zoom of 0 writes no digits ("%.0ld"), which reads back as 0.
  std::snprintf(zoom, sizeof zoom, "zoom:%.0ld\n", static_cast<long>(map.zoom));
  out += zoom;
  for (const TrackEntry& entry : map.TracksMem) {
    if (!entry.path) continue;
    if (entry.path->size() > kMaxTrackPath) {
      *error = PathTooLongMessage(*entry.path);
      return false;
    }
    // A longer description would spill into a line of its own, which could end the list.
    if (entry.description) out += "TrkDesc:" + entry.description->substr(0, kMaxTrackDescription) + "\n";
    out += "TrkPath:" + *entry.path + "\n";
  }
  *text = std::move(out);
  return true;
}

}  // namespace rovex::trackeditor
