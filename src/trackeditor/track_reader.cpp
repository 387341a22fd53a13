#include "trackeditor/track_reader.h"

#include <array>
#include <cctype>

#include "nmea/nmea_fields.h"
#include "platform/atomic_file.h"
#include "trackeditor/line_pieces.h"

namespace rovex::trackeditor {

namespace {

constexpr std::size_t kMaxField = 298;

// Fields 0 to 5: a field ends at a comma, an asterisk or the end of the line.
std::array<std::string_view, 6> FirstFields(std::string_view line) {
  std::array<std::string_view, 6> fields{};
  std::size_t pos = 0;
  for (std::size_t i = 0; i < fields.size() && pos <= line.size(); ++i) {
    std::size_t end = line.find_first_of(",*", pos);
    if (end == std::string_view::npos) end = line.size();
    fields[i] = line.substr(pos, std::min(end - pos, kMaxField));
    if (end >= line.size() || line[end] == '*') break;
    pos = end + 1;
  }
  return fields;
}

}  // namespace

bool IsGgaLine(std::string_view line) {
  static constexpr std::string_view kGga = "$GPGGA";
  if (line.size() < kGga.size()) return false;
  for (std::size_t i = 0; i < kGga.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(line[i])) != kGga[i]) return false;
  }
  return true;
}

std::optional<TrackPoint> GgaPosition(std::string_view line) {
  if (!IsGgaLine(line)) return std::nullopt;
  const auto fields = FirstFields(line);
  if (fields[2].empty() || fields[4].empty()) return std::nullopt;
  TrackPoint p;
  p.latitude = NmeaDegrees(fields[2], 2);
  if (!fields[3].empty() && fields[3][0] == 'S') p.latitude = -p.latitude;
  p.longitude = NmeaDegrees(fields[4], 3);
  if (!fields[5].empty() && fields[5][0] == 'W') p.longitude = -p.longitude;
  // 0.0 is "no value" throughout the system: a receiver without a fix writes zeros.
  if (p.latitude == 0.0 || p.longitude == 0.0) return std::nullopt;
  return p;
}

void ReadTrackText(std::string_view text, TrackPoints* points) {
  LinePieces lines(text, kLineLimit);
  std::string_view line;
  while (lines.Next(&line)) {
    if (auto p = GgaPosition(TrimLineEnd(line))) points->points.push_back(*p);
  }
}

bool ReadTrackFile(const std::string& path, TrackPoints* points) {
  std::string text;
  if (!ReadWholeFile(path, &text)) return false;
  ReadTrackText(text, points);
  return true;
}

}  // namespace rovex::trackeditor
