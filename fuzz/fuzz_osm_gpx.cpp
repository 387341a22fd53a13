// OSM bytes through the way reader and the GPX writer, in memory: any input
// must read without a fault, and whatever it yields must be written as one
// well-formed track per way or node: valid UTF-8 (or, translated, ASCII and
// Latin-1 bytes only), no markup character inside a name.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "converters/osm_gpx_converter.h"
#include "osm/osm_ways.h"
#include "osm/osm_xml_chunks.h"

namespace {

using namespace rovex;
using namespace rovex::converters;

bool ValidUtf8(std::string_view text) {
  std::string again;
  AppendXmlText(again, text, false);
  return again == text;
}

void CheckDocument(const std::string& text, uint64_t tracks, bool latin1) {
  size_t opened = 0;
  for (size_t at = text.find("<trk>"); at != std::string::npos; at = text.find("<trk>", at + 1)) ++opened;
  if (opened != tracks) std::abort();
  for (size_t at = text.find("<name>"); at != std::string::npos; at = text.find("<name>", at + 1)) {
    size_t end = text.find("</name>", at);
    if (end == std::string::npos) std::abort();
    std::string_view name(text.data() + at + 6, end - at - 6);
    if (name.find_first_of("<>\"\n") != std::string_view::npos) std::abort();
    if (!latin1) {
      // Escaped names change under escaping only by their "&"s.
      std::string plain(name);
      for (char& c : plain) c = c == '&' ? 'x' : c;
      if (!ValidUtf8(plain)) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t mode = data[0];
  std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  OsmGpxSettings settings;
  settings.variant = static_cast<OsmGpxVariant>(mode % 3);
  settings.translate = (mode & 0x10) != 0;
  settings.exclusions = {"highway", "addr:"};
  osm::OsmWaysOptions options;
  options.taggedNodes = (mode & 0x20) != 0;
  if (mode & 0x40) options.box = {50, -50, -100, 100};
  std::string text;
  OsmGpxWriter writer(settings, [&](std::string_view piece) {
    text.append(piece);
    return true;
  });
  writer.Begin();
  osm::OsmWaysStats stats = osm::ReadOsmWaysFromBytes(
      bytes, (mode & 0x80) ? "pbf" : "osm", options, [&](const osm::OsmWay& way) { return writer.Way(way); },
      [&](const osm::OsmTaggedNode& node) { return writer.Node(node); });
  if (stats.stopped || !writer.End()) std::abort();
  CheckDocument(text, writer.Tracks(), settings.translate);

  // Where a big file would be cut: always before a "<" past the starting point.
  const size_t from = mode % 7;
  const size_t cut = osm::XmlCutPoint(bytes, from);
  if (cut != std::string_view::npos && (cut < from || cut >= bytes.size() || bytes[cut] != '<')) std::abort();
  const size_t root = osm::XmlRootEnd(bytes);
  if (root != std::string_view::npos && (root > bytes.size() || bytes[root - 1] != '>')) std::abort();
  return 0;
}
