#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "converters/converter_result.h"

// Finds the points of a GPX file: waypoints, route points and track points
// with their coordinates and names, and the ends of track segments. GPS
// programs write GPX in every layout (one element a line, the whole file on
// one line, attributes in any order, CDATA, comments), so this reads the
// markup itself rather than lines. It is no validating parser: anything that
// is not a point, a point's name or description, or a segment end is passed
// over, and broken markup never stops it.

namespace rovex::converters {

enum class GpxPointKind { Waypoint, RoutePoint, TrackPoint };

struct GpxPoint {
  GpxPointKind kind = GpxPointKind::Waypoint;
  std::string latitude;   // the attribute's text as written
  std::string longitude;
  std::string name;       // UTF-8, entities decoded; empty when absent
  std::string description;
  bool hasName = false;
  bool hasDescription = false;
  std::size_t line = 0;   // 1-based line of the start tag
};

class GpxPointsHandler {
 public:
  virtual ~GpxPointsHandler() = default;
  // A point with both coordinates, at its end tag.
  virtual void Point(const GpxPoint& point) = 0;
  // A </trkseg>.
  virtual void SegmentEnd(std::size_t /*line*/) {}
  // A point element without a lat or lon attribute; it is dropped.
  virtual void MissingCoordinate(std::size_t /*line*/) {}
};

struct GpxScanSummary {
  std::size_t lines = 0;  // lines of the text, a last one without line end included
  bool cancelled = false;
};

// progress (may be empty) is called every 64 KiB of text.
GpxScanSummary ReadGpxPoints(std::string_view text, GpxPointsHandler& handler,
                             const ProgressFunction& progress = {});

// The message for a point without coordinates.
std::string MissingCoordinateMessage(std::size_t line);

}  // namespace rovex::converters
