#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include <osmium/osm/entity_bits.hpp>

namespace osmium {
class TagList;
namespace memory {
class Buffer;
}
}  // namespace osmium

// Reading OpenStreetMap files of every form users download or JOSM saves:
// .osm (XML, double or single quotes), .osm.gz, .osm.bz2 and .osm.pbf. The
// form is taken from the name and, for a name libosmium does not know (.xml,
// .txt), from the first bytes of the file.

namespace rovex::osm {

// The file box filter of every dialog that opens an OSM file: the labels users
// know, with the compressed and PBF forms under the first.
inline constexpr const char* kOsmFileFilter =
    "OSM files (*.osm)|*.osm;*.osm.gz;*.osm.bz2;*.osm.pbf|XML (*.xml)|*.xml|Any (*.*)|*.*||";

// Called now and then with the bytes of the file read so far and its size.
// Returning false stops the reading.
using OsmProgress = std::function<bool(uint64_t done, uint64_t total)>;

struct OsmReadResult {
  bool ok = false;         // the whole file was read
  bool cancelled = false;  // progress asked to stop
  std::string error;       // why not, when neither ok nor cancelled
};

// Hands every buffer of the wanted entities, in file order, to visit. Errors
// in the file (bad XML, a broken PBF block, a truncated archive) end the
// reading with the parser's message; buffers visited before stay visited.
OsmReadResult ReadOsmFile(const std::string& path, osmium::osm_entity_bits::type entities,
                          const std::function<void(osmium::memory::Buffer&)>& visit, const OsmProgress& progress = {});

// The same over bytes already in memory (tests, fuzzing); format as libosmium
// names it ("osm", "osm.gz", "pbf"...).
OsmReadResult ReadOsmBytes(std::string_view bytes, const std::string& format, osmium::osm_entity_bits::type entities,
                           const std::function<void(osmium::memory::Buffer&)>& visit,
                           const OsmProgress& progress = {});

// The format string libosmium should read a file with: from the name when it
// names one, else from the content ("osm.gz", "osm.bz2", "pbf" or "osm").
std::string OsmFormatOf(const std::string& path);

// The tag string that names tracks and background entries: for each tag whose
// key does not begin with "created_by", the key, "-", the value and ":".
std::string OsmTagString(const osmium::TagList& tags);

}  // namespace rovex::osm
