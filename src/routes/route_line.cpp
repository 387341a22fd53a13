#include "routes/route_line.h"

#include <cerrno>
#include <string>

#include "nmea/c_number.h"

namespace rovex {

bool RouteLineReader::Next(std::string* line) {
  line->clear();
  int c = 0;
  bool any = false;
  while (line->size() < kRouteLineLimit && (c = std::getc(m_file)) != EOF) {
    any = true;
    if (c == '\n') break;
    line->push_back(static_cast<char>(c));
  }
  if (c == EOF && std::ferror(m_file)) {
    m_failed = true;
    return false;
  }
  if (!any) return false;
  // The line end goes, and only the line end: a CR before it too, so that
  // files written on Windows compare like any other.
  if (!line->empty() && line->back() == '\r') line->pop_back();
  std::size_t nul = line->find('\0');
  if (nul != std::string::npos) line->resize(nul);
  return true;
}

RouteLineKind KindOfRouteLine(std::string_view line) {
  if (!line.empty() && line[0] == ';') return RouteLineKind::Comment;
  if (!line.empty() && line[0] == ':') return RouteLineKind::Exclude;
  return RouteLineKind::Point;
}

std::string_view CommentText(std::string_view line) { return line.empty() ? line : line.substr(1); }

std::string_view ExcludeName(std::string_view line) {
  std::size_t first = line.find_first_not_of(": ");
  if (first == std::string_view::npos) return {};
  std::size_t last = line.find_last_not_of(": ");
  return line.substr(first, last - first + 1);
}

bool FirstTwoNumbers(std::string_view line, double* first, double* second) {
  double values[2] = {};
  int found = 0;
  std::size_t i = 0;
  while (found < 2 && i < line.size()) {
    if (line[i] == ',') {
      ++i;
      continue;
    }
    std::size_t end = line.find(',', i);
    if (end == std::string_view::npos) end = line.size();
    values[found++] = CAtof(std::string(line.substr(i, end - i)).c_str());
    i = end;
  }
  if (found < 2) return false;
  *first = values[0];
  *second = values[1];
  return true;
}

bool AcceptsPointLine(std::string_view line) {
  double longitude = 0.0, latitude = 0.0;
  return FirstTwoNumbers(line, &longitude, &latitude) && longitude != 0.0 && latitude != 0.0;
}

std::vector<std::string_view> SplitRouteFields(std::string_view line) {
  // Every field ends at a comma: the line is read as if one were appended.
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (start < line.size()) {
    std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) comma = line.size();
    std::size_t quote = line.find('"', start);
    if (quote < comma) {
      std::size_t closing = line.find('"', quote + 1);
      if (closing != std::string_view::npos) {
        comma = line.find(',', closing + 1);
        if (comma == std::string_view::npos) comma = line.size();
      }
    }
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
  return fields;
}

}  // namespace rovex
