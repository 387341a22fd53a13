#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "osm/osm_input.h"

// The ways of an OSM file as lines of points, and its tagged nodes as single
// points: what the OSM to GPX converters write as tracks and the track editor
// loads as a background map. Node positions are kept in a location index as
// they are read (OSM files list nodes before ways), so each way is resolved as
// soon as it is read and nothing but the index grows with the file.

namespace rovex::osm {

struct OsmPoint {
  double latitude = 0.0;
  double longitude = 0.0;
};

// An area, edges included. The default keeps everything.
struct OsmBox {
  double top = 91.0;
  double bottom = -91.0;
  double left = -181.0;
  double right = 181.0;
  bool Contains(double latitude, double longitude) const {
    return latitude >= bottom && latitude <= top && longitude >= left && longitude <= right;
  }
};

struct OsmWay {
  int64_t id = 0;
  std::string tags;             // OsmTagString of the way
  std::vector<OsmPoint> points;  // the referenced nodes found inside the box, in way order
  uint64_t references = 0;      // node references of the way, found or not
};

struct OsmTaggedNode {
  int64_t id = 0;
  std::string tags;  // never empty
  OsmPoint point;
};

struct OsmWaysOptions {
  OsmBox box;                // nodes outside are not kept: ways are cut to their inside points
  bool taggedNodes = false;  // also report the tagged nodes inside the box, after every way
  OsmProgress progress;      // over both readings when taggedNodes is set
};

struct OsmWaysStats {
  OsmReadResult read;       // ok, cancelled or the error that ended the reading
  uint64_t objects = 0;     // nodes and ways read (in both readings)
  uint64_t nodesKept = 0;   // nodes inside the box
  uint64_t references = 0;  // node references of every way
  bool stopped = false;     // a callback returned false
};

// Calls onWay for every way with at least one point, in file order; with
// taggedNodes, then onNode for every node inside the box whose tag string is
// not empty, in file order. A callback returning false ends the reading.
OsmWaysStats ReadOsmWays(const std::string& path, const OsmWaysOptions& options,
                         const std::function<bool(const OsmWay&)>& onWay,
                         const std::function<bool(const OsmTaggedNode&)>& onNode = {});

// The same over bytes in memory, in a format libosmium names ("osm", "pbf"...).
OsmWaysStats ReadOsmWaysFromBytes(std::string_view bytes, const std::string& format, const OsmWaysOptions& options,
                                  const std::function<bool(const OsmWay&)>& onWay,
                                  const std::function<bool(const OsmTaggedNode&)>& onNode = {});

}  // namespace rovex::osm
