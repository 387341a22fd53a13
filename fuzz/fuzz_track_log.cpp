// The track reader of GGA positions and the trimming of a log: any bytes must
// read without a fault, every point must be a position the system accepts,
// a trim must copy whole lines of the log in order, and fitting and projecting
// the points must not fault.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "trackeditor/editor_view.h"
#include "trackeditor/track_reader.h"
#include "trackeditor/track_trim.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace rovex::trackeditor;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  TrackEditor map;
  TrackEntry& entry = map.TracksMem.emplace_back();
  entry.points = std::make_unique<TrackPoints>();
  ReadTrackText(text, entry.points.get());
  for (const TrackPoint& p : entry.points->points) {
    if (p.latitude == 0.0 || p.longitude == 0.0) std::abort();
  }
  // Each point took one GGA sentence of at least 10 bytes.
  if (entry.points->points.size() * 10 > size) std::abort();

  const double marks[][2] = {{0, 0}, {1, 3}, {2, 1e9}, {-1, 100}};
  for (const auto& m : marks) {
    const std::string cut = TrimTrackText(text, m[0], m[1]);
    if (cut.size() > size) std::abort();
    if (m[0] <= 0 && text.substr(0, cut.size()) != cut) std::abort();
  }
  if (TrimTrackText(text, 0, 1e18) != text) std::abort();

  EditorView view;
  view.FitToVisible(&map);
  TrackPoints edited = *entry.points;
  view.FitToTrack(edited);
  for (const TrackPoint& p : entry.points->points) (void)view.Project(p.latitude, p.longitude);
  std::string message;
  view.DoubleClick(MouseButton::Left, 300, 300, 800, 600, &edited);
  view.LeftDown(340, 120, 800, 600, &edited, &message);
  return 0;
}
