// The trail reader and everything that then works on what it read: any bytes
// must read without a fault, the count must be what was stored, and drawing
// the trail view over it must not fault either.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "trail/trail_reader.h"
#include "views/trail_view.h"

#include "fuzz_input_file.h"

namespace {

const std::string& FilePath() {
  static const std::string path = rovex_fuzz::MakeFolder("trail") + "/trail.gpx";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = FilePath();
  if (!rovex_fuzz::WriteInput(path, data, size)) return 0;

  rovex::TrackList trail;
  if (rovex::ReadTrailFile(path, &trail) != rovex::TrailReadResult::Read) std::abort();
  if (trail.Count() != trail.Points().size()) std::abort();
  // Every point stored took at least one tag of the input.
  if (!trail.Empty() && trail.Points().size() > size) std::abort();

  // The same bytes handed over line by line give the same trail.
  rovex::TrackList byLine;
  rovex::TrailReader reader(byLine);
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    reader.ReadLine(text.substr(start, end - start));
    start = end + 1;
  }
  if (byLine.Count() != trail.Count()) std::abort();

  rovex::GpsFix fix;
  fix.latitude = 51.5;
  fix.longitude = -1.0;
  for (double radius : {500.0, 64000.0}) {
    for (const auto& stroke : rovex::trail_view::TrailStrokes(trail, fix, radius)) {
      if (stroke.size() < 2) std::abort();
      for (const rovex::CanvasPoint& p : stroke) {
        if (p.x < 385 - 170 || p.x > 385 + 170 || p.y < 149 - 125 || p.y > 149 + 125) std::abort();
      }
    }
  }
  return 0;
}
