#include "trail/trail_reader.h"

#include <cerrno>
#include <optional>

#include "nmea/c_number.h"

namespace rovex {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool EndsName(char c) { return IsSpace(c) || c == '/' || c == '>' || c == '='; }

// The value of the attribute with exactly this name in a start tag's text.
std::optional<std::string> Attribute(std::string_view attributes, std::string_view wanted) {
  std::size_t i = 0;
  const std::size_t n = attributes.size();
  while (i < n) {
    while (i < n && (IsSpace(attributes[i]) || attributes[i] == '/')) ++i;
    const std::size_t nameStart = i;
    while (i < n && !EndsName(attributes[i])) ++i;
    std::string_view name = attributes.substr(nameStart, i - nameStart);
    while (i < n && IsSpace(attributes[i])) ++i;
    if (i >= n || attributes[i] != '=') {
      if (i < n && name.empty()) ++i;  // a stray character: never stand still
      continue;
    }
    ++i;
    while (i < n && IsSpace(attributes[i])) ++i;
    std::string_view value;
    if (i < n && (attributes[i] == '"' || attributes[i] == '\'')) {
      const char quote = attributes[i++];
      const std::size_t end = attributes.find(quote, i);
      value = attributes.substr(i, end == std::string_view::npos ? n - i : end - i);
      i = end == std::string_view::npos ? n : end + 1;
    } else {
      const std::size_t start = i;
      while (i < n && !IsSpace(attributes[i])) ++i;
      value = attributes.substr(start, i - start);
    }
    if (name == wanted) return std::string(value);
  }
  return std::nullopt;
}

}  // namespace

void TrailReader::ReadLine(std::string_view line) {
  if (line.empty() || line[0] == ';') return;
  std::size_t pos = line.find('<');
  while (pos != std::string_view::npos) {
    pos = line.find('<', ReadTag(line, pos));
  }
}

std::size_t TrailReader::ReadTag(std::string_view line, std::size_t pos) {
  const std::string_view tag = line.substr(pos);
  if (StartsWith(tag, "</rte>") || StartsWith(tag, "</trkseg>")) {
    if (m_inside) m_list.AddBreak();
    m_inside = false;
    return pos + 1;
  }
  if (StartsWith(tag, "<rte") || StartsWith(tag, "<trk>") || StartsWith(tag, "<trkseg>")) m_inside = true;
  std::size_t nameEnd = 1;
  while (nameEnd < tag.size() && !EndsName(tag[nameEnd])) ++nameEnd;
  const std::string_view name = tag.substr(1, nameEnd - 1);
  std::size_t close = tag.find('>', nameEnd);
  if (close == std::string_view::npos) close = tag.size();
  if (m_inside && (name == "trkpt" || name == "rtept" || name == "wpt")) {
    ReadPoint(tag.substr(nameEnd, close - nameEnd));
  }
  return pos + close;
}

void TrailReader::ReadPoint(std::string_view attributes) {
  std::optional<std::string> lat = Attribute(attributes, "lat");
  std::optional<std::string> lon = Attribute(attributes, "lon");
  if (lat && lon) m_list.Add(CAtof(lat->c_str()), CAtof(lon->c_str()));
}

bool TrailReader::ReadStream(std::FILE* file) {
  std::string line;
  int c;
  while ((c = std::getc(file)) != EOF) {
    if (c == '\n') {
      ReadLine(line);
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  if (std::ferror(file)) return false;
  ReadLine(line);
  return true;
}

TrailReadResult ReadTrailFile(const std::string& path, TrackList* list) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return TrailReadResult::CannotOpen;
  // Build into a fresh list and hand it over only when the file was read whole.
  TrackList read = *list;
  TrailReader reader(read);
  const bool ok = reader.ReadStream(file);
  std::fclose(file);
  if (!ok) return TrailReadResult::ReadError;
  *list = std::move(read);
  return TrailReadResult::Read;
}

}  // namespace rovex
