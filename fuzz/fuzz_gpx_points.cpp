// The GPX point reader: any bytes must read without a fault; every point has
// both coordinates, names are UTF-8, line numbers stay within the text, and
// the reformatting tool keeps every byte of its input.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "converters/add_new_lines.h"
#include "converters/gpx_points_reader.h"
#include "converters/text_encoding.h"

namespace {

class Checker final : public rovex::converters::GpxPointsHandler {
 public:
  explicit Checker(size_t lines) : m_lines(lines) {}
  void Point(const rovex::converters::GpxPoint& point) override {
    if (point.line == 0 || point.line > m_lines) std::abort();
    if (!rovex::converters::IsValidUtf8(point.name) || !rovex::converters::IsValidUtf8(point.description)) std::abort();
  }
  void MissingCoordinate(size_t line) override {
    if (line == 0 || line > m_lines) std::abort();
  }

 private:
  size_t m_lines;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  Checker checker(lines);
  rovex::converters::ReadGpxPoints(text, checker);
  std::string spread = rovex::converters::AddNewLinesToText(text);
  // Only line ends are added.
  size_t i = 0;
  for (char c : spread) {
    if (i < text.size() && c == text[i]) {
      ++i;
    } else if (c != '\n') {
      std::abort();
    }
  }
  if (i != text.size()) std::abort();
  return 0;
}
