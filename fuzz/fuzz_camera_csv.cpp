// The comma-separated camera list rules: any line must give a camera-file
// line of exactly eight fields, in UTF-8, ended by one line end.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "converters/camera_csv_line.h"
#include "converters/text_encoding.h"

namespace {

void Check(const std::string& line) {
  if (line.empty() || line.back() != '\n') std::abort();
  if (std::count(line.begin(), line.end(), '\n') != 1) std::abort();
  if (std::count(line.begin(), line.end(), ',') != 7) std::abort();
  if (!rovex::converters::IsValidUtf8(line)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    Check(rovex::converters::CameraFileLine(rovex::converters::CameraFromCsvLine(line)));
    Check(rovex::converters::CameraFileLine(rovex::converters::CameraFromMultiCsvLine(line, true)));
    Check(rovex::converters::CameraFileLine(rovex::converters::CameraFromMultiCsvLine(line, false)));
    start = end + 1;
  }
  return 0;
}
