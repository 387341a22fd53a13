#include "converters/add_new_lines.h"

#include <array>
#include <string_view>

#include "converters/converter_files.h"
#include "converters/input_file.h"
#include "converters/output_file.h"

namespace rovex::converters {

namespace {

constexpr std::array<std::string_view, 8> kMarkers = {"</trkpt>", "<trk>",     "</name>", "<trkseg>",
                                                      "</trkseg>", "</trk>", "</wpt>",  "/>"};

bool IsMarkerStart(std::string_view text) {
  for (std::string_view marker : kMarkers) {
    if (marker.starts_with(text)) return true;
  }
  return false;
}

bool IsMarker(std::string_view text) {
  for (std::string_view marker : kMarkers) {
    if (marker == text) return true;
  }
  return false;
}

// Matches the markers one character at a time, so that input of any length
// streams through.
class Splitter {
 public:
  void Feed(char c, std::string* out) {
    m_pending += c;
    if (IsMarker(m_pending)) {
      *out += m_pending;
      *out += '\n';
      m_pending.clear();
      return;
    }
    if (IsMarkerStart(m_pending)) return;
    // No marker goes on this way; the last character may still begin one.
    m_pending.pop_back();
    *out += m_pending;
    m_pending.clear();
    if (IsMarkerStart(std::string_view(&c, 1))) {
      m_pending += c;
    } else {
      *out += c;
    }
  }

  // The start of a marker that the input ended in is still text.
  void Finish(std::string* out) {
    *out += m_pending;
    m_pending.clear();
  }

 private:
  std::string m_pending;
};

}  // namespace

std::string AddNewLinesToText(const std::string& text) {
  Splitter splitter;
  std::string out;
  for (char c : text) splitter.Feed(c, &out);
  splitter.Finish(&out);
  return out;
}

ConverterResult AddNewLines(const AddNewLinesOptions& options) {
  ConverterResult result;
  if (!CheckSourceAndDestination(options.source, options.destination, result)) return result;
  InputFile input(options.source);
  if (!input) {
    result.Error(CantOpenSourceMessage(options.source));
    return result;
  }
  OutputFile out;
  if (!OpenDestinationFile(out, options.destination, OutputFile::Mode::Replace, result)) return result;
  Splitter splitter;
  char buffer[1 << 16];
  std::string text;
  uint64_t done = 0;
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, input.get())) > 0) {
    text.clear();
    for (std::size_t i = 0; i < n; ++i) splitter.Feed(buffer[i], &text);
    done += n;
    if (!out.Write(text)) break;
    if (options.progress && !options.progress(done, input.Size())) {
      result.Error(kCancelledMessage);
      return result;
    }
  }
  text.clear();
  splitter.Finish(&text);
  out.Write(text);
  if (std::ferror(input.get())) {
    result.Error(CantOpenSourceMessage(options.source));
    return result;
  }
  if (!CommitDestination(out, result)) return result;
  result.Info("Finished writing to output file.");
  return result;
}

}  // namespace rovex::converters
