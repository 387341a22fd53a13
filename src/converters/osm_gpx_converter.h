#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "converters/converter_result.h"
#include "osm/osm_ways.h"

// OpenStreetMap ways (and, on request, tagged nodes) to GPX 1.0 tracks, the
// background maps of the track editor. Each way is written as soon as the
// reader hands it over, so memory does not grow with the output. The three
// Convert menu commands differ only in what they filter and in the fixed
// texts each writes.

namespace rovex::converters {

enum class OsmGpxVariant {
  Normal,  // every way, no area, no POI, no exclusions
  Big,     // area, POI, exclusions on every track
  Fast,    // area, POI, exclusions on tagged-node tracks only
};

struct OsmGpxSettings {
  OsmGpxVariant variant = OsmGpxVariant::Normal;
  // Letters up to U+00FF written as ISO 8859-1 bytes (the document says so
  // in its declaration); anything beyond as a character reference.
  bool translate = false;
  // A track whose name contains one of these is not written.
  std::vector<std::string> exclusions;
};

// Writes the document in pieces of about 64 KiB to the sink; false from the
// sink stops the writing.
class OsmGpxWriter {
 public:
  using Sink = std::function<bool(std::string_view text)>;

  OsmGpxWriter(const OsmGpxSettings& settings, Sink sink);

  bool Begin();  // the header and the document's time line
  bool Way(const osm::OsmWay& way);
  bool Node(const osm::OsmTaggedNode& node);
  bool End();  // the footer, and everything handed to the sink

  uint64_t Tracks() const { return m_tracks; }
  bool Failed() const { return m_failed; }

 private:
  bool Excluded(std::string_view name) const;
  void AppendName(std::string_view name);
  void AppendPoint(const osm::OsmPoint& point);
  bool Track(std::string_view prefix, int64_t id, const std::string& tags, const osm::OsmPoint* points, size_t count,
             bool filtered);
  bool FlushIfFull();

  OsmGpxSettings m_settings;
  Sink m_sink;
  std::string m_buffer;
  std::string m_name;
  uint64_t m_tracks = 0;
  bool m_failed = false;
};

// The text as XML character data in UTF-8 (latin1 false) or ISO 8859-1:
// markup characters as entities, broken UTF-8 as U+FFFD, control characters
// as a blank so that every name stays on its line.
void AppendXmlText(std::string& out, std::string_view text, bool latin1);

struct OsmToGpxOptions {
  std::string source;
  std::string destination;
  OsmGpxSettings settings;
  osm::OsmBox box;           // Big and Fast only
  bool includePoi = false;   // Big and Fast only
  ProgressFunction progress;
};

// The whole conversion. The caller has asked about replacing an existing
// destination; a failed or cancelled conversion leaves it as it was.
ConverterResult ConvertOsmToGpx(const OsmToGpxOptions& options);

// The area the file says it covers (its header's box); empty when it names none.
struct OsmBounds {
  double minLat = 0, minLon = 0, maxLat = 0, maxLon = 0;
};
struct OsmBoundsResult {
  bool opened = false;
  std::optional<OsmBounds> bounds;
};
OsmBoundsResult ReadOsmBounds(const std::string& path);

}  // namespace rovex::converters
