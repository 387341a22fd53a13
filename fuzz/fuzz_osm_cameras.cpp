// OSM bytes through libosmium and the speed-camera extraction: any input must
// read without a fault, and every line written must keep the shape of its
// file whatever the tags hold: eight fields of the camera file numbered from
// 1 in order, or six of the iGO file, one camera a line.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <osmium/memory/buffer.hpp>

#include "converters/osm_cameras.h"
#include "osm/osm_input.h"

namespace {

using namespace rovex::converters;

std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

void Check(std::string_view text, SpeedcamOutput output, uint64_t count) {
  uint64_t lines = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    if (end == std::string_view::npos) std::abort();
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    if (line.find('\r') != std::string_view::npos) std::abort();
    ++lines;
    const std::vector<std::string> f = Fields(line);
    if (output == SpeedcamOutput::Rovex) {
      if (f.size() != 8 || f[3] != std::to_string(lines) || !f[4].empty() || !f[6].empty()) std::abort();
      if (f[5] != f[2] + ":" + f[3] + "@" + f[7]) std::abort();
    } else {
      if (f.size() != 6 || f[2].size() != 1 || f[4] != "0" || f[5] != "0") std::abort();
    }
  }
  if (lines != count) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (SpeedcamOutput output : {SpeedcamOutput::Rovex, SpeedcamOutput::Igo}) {
    OsmCameraExtractor extractor(output);
    std::string text;
    rovex::osm::ReadOsmBytes(bytes, "osm", osmium::osm_entity_bits::node,
                             [&](osmium::memory::Buffer& buffer) { extractor.Extract(buffer, &text); });
    Check(text, output, extractor.Count());
  }
  return 0;
}
