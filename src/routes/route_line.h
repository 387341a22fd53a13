#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The lines of a route file: how they are read and what each kind means.
// A point line is "longitude,latitude,desc1,desc2"; ";" starts a comment (the
// route's title), ":" names a camera type to ignore while the route is loaded.

namespace rovex {

// A physical line longer than this is read as several lines.
inline constexpr std::size_t kRouteLineLimit = 298;

// Reads a route file line by line, the line end (LF, CR LF, or none at the
// end of the file) removed. A line holding a NUL ends there.
class RouteLineReader {
 public:
  explicit RouteLineReader(std::FILE* file) : m_file(file) {}
  bool Next(std::string* line);
  bool Failed() const { return m_failed; }

 private:
  std::FILE* m_file;
  bool m_failed = false;
};

enum class RouteLineKind { Comment, Exclude, Point };
RouteLineKind KindOfRouteLine(std::string_view line);

// The text after ";" of a comment line.
std::string_view CommentText(std::string_view line);

// The camera type an exclude line names: the line without its leading and
// trailing ":" and spaces. Empty when it names nothing.
std::string_view ExcludeName(std::string_view line);

// The first two non-empty comma-separated tokens read as numbers (a numeric
// prefix, 0 for none); false when there are fewer than two.
bool FirstTwoNumbers(std::string_view line, double* first, double* second);

// A point line is stored when both of its first two numbers are non-zero.
bool AcceptsPointLine(std::string_view line);

// The fields of a point line: the texts between commas, except that a field
// in which a double quote is followed by a second one later on runs to the
// first comma after that second quote. The quotes stay in the text.
std::vector<std::string_view> SplitRouteFields(std::string_view line);

}  // namespace rovex
