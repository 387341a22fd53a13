#pragma once

#include <optional>
#include <string>
#include <vector>

// `rovex --snapshot PNG`: the program started without anyone at the screen, the
// start-up run with a prompt that answers and logs to standard error, optional
// steps (a route and a trail loaded, a mode, the test position, the first lines of a log replayed through
// the pipeline), then one drawing pass of the view saved as a picture.

namespace rovex {

struct SnapshotOptions {
  std::string picture;     // PNG file to write
  int mode = 0;            // view mode to enter
  std::string replayLog;   // NMEA log to replay, empty for none
  long lines = -1;         // replay only the first lines; -1 for all
  int width = 800;         // size of the view
  int height = 600;
  bool ondraw = false;     // run "Do a ondraw" first
  std::string route;       // route file to load, empty for the one loaded at start-up
  std::string trail;       // trail file to load, empty for the one loaded at start-up
  std::string trackMap;    // track editor map to open with all its tracks, the view fitted to them
  std::string osm;         // OSM file loaded as the track editor's background, the view fitted to it
  std::string hgt;         // SRTM height tile shaded behind the track editor's map
  bool icons = false;      // the track editor's icons and node names shown
  std::string atlas;       // atlas folder to show; the run then keeps its settings in memory
  int layer = -1;          // atlas zoom level; -1 for the atlas's first layer
  std::string printPdf;    // print the view (or, with --atlas in mode 7, the layer) to this PDF
};

// True when the arguments ask for a snapshot or a printed PDF.
bool WantsSnapshot(const std::vector<std::string>& args);

// The options, or an error text for a usage message.
std::optional<SnapshotOptions> ParseSnapshotArgs(const std::vector<std::string>& args, std::string* error);

inline constexpr const char* kSnapshotUsage =
    "usage: rovex --snapshot PNG [--mode N] [--ondraw] [--route FILE] [--trail FILE] [--trackmap MAP] [--osm OSM] [--hgt HGT] "
    "[--icons] [--replay LOG [--lines K]] [--size WxH] [--atlas ATLAS [--layer N]]\n"
    "       rovex --print-pdf PDF [--mode N] [--atlas ATLAS [--layer N]] [same options]";

// Needs a QApplication. Returns the process exit code.
int RunSnapshot(const SnapshotOptions& options);

}  // namespace rovex
