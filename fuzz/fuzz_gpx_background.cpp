// The track editor's GPX background loader: any bytes must load without a
// fault, every entry it adds is a background entry with points and no path,
// and what the drawing takes from a description (icon, node name) is sane.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_input_file.h"
#include "trackeditor/node_labels.h"
#include "trackeditor/track_josm_load_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace rovex::trackeditor;
  static const std::string path = rovex_fuzz::MakeFolder("gpx-background") + "/in.gpx";
  if (!rovex_fuzz::WriteInput(path, data, size)) return 0;
  TrackEditor map;
  TrackJosmLoadModel model(&map, nullptr);
  model.source = path;
  const bool added = model.Load();
  if (added != !map.TracksMem.empty() || model.Added() != map.TracksMem.size()) std::abort();
  for (const TrackEntry& e : map.TracksMem) {
    if (!e.background || e.path || !e.points || e.points->points.empty() || !e.description) std::abort();
    if (NodeName(*e.description).size() > 298) std::abort();
    (void)IconPicture(IconCode(*e.description));
  }
  return 0;
}
