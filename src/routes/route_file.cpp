#include "routes/route_file.h"

#include "routes/route_line.h"

namespace rovex {
namespace {

void AddComment(std::string_view text, Route* route) {
  std::string& title = route->spokenTitle;
  // Each comment line keeps its line end in the title: the voice pauses there.
  std::string piece = std::string(text) + "\n";
  if (title.size() < kRouteTitleLimit) title += piece.substr(0, kRouteTitleLimit - title.size());
  if (text.empty()) return;
  if (!route->name) route->name = std::string(text);
  route->lastComment = std::string(text);
}

void AddPoint(std::string_view line, Route* route) {
  if (!AcceptsPointLine(line)) return;
  std::vector<std::string_view> fields = SplitRouteFields(line);
  RoutePoint point;
  if (fields.size() > 0) point.longitude = fields[0];
  if (fields.size() > 1) point.latitude = fields[1];
  if (fields.size() > 2 && !fields[2].empty()) point.desc1 = std::string(fields[2]);
  if (fields.size() > 3 && !fields[3].empty()) point.desc2 = std::string(fields[3]);
  route->points.push_back(std::move(point));
}

}  // namespace

bool ReadRouteStream(std::FILE* file, Route* route) {
  RouteLineReader reader(file);
  std::string line;
  while (reader.Next(&line)) {
    switch (KindOfRouteLine(line)) {
      case RouteLineKind::Comment:
        AddComment(CommentText(line), route);
        break;
      case RouteLineKind::Exclude: {
        // A line of colons and spaces alone names no camera; kept, it would
        // match every camera whose type field is empty.
        std::string_view name = ExcludeName(line);
        if (!name.empty()) route->exclusions.emplace_back(name);
        break;
      }
      case RouteLineKind::Point:
        AddPoint(line, route);
        break;
    }
  }
  return !reader.Failed();
}

RouteReadResult ReadRouteFile(const std::string& path, Route* route) {
  *route = Route{};
  if (path.empty()) return RouteReadResult::CannotOpen;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return RouteReadResult::CannotOpen;
  Route fresh;
  bool complete = ReadRouteStream(file, &fresh);
  std::fclose(file);
  if (!complete) return RouteReadResult::CannotOpen;
  *route = std::move(fresh);
  return RouteReadResult::Read;
}

}  // namespace rovex
