#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "osm/osm_input.h"

// Plain OSM XML read in pieces parsed side by side. The XML parser is what
// bounds the reading of a big extract (a single thread does all of it), so a
// file is cut before top-level elements into pieces that each parse on their
// own (the file's prolog and <osm> start tag put in front, "</osm>" behind),
// the pieces are parsed on worker threads and their objects handed over in
// file order.

namespace rovex::osm {

// The offset of the last top-level start tag (<node, <way, <relation,
// <changeset) in text at or after from, outside comments and CDATA; npos when
// there is none.
std::size_t XmlCutPoint(std::string_view text, std::size_t from);

// The end of the <osm ...> start tag (one past its ">") when the text is an
// OSM document whose root has been read; npos otherwise.
std::size_t XmlRootEnd(std::string_view text);

// Reads a plain OSM XML file in pieces of about pieceBytes with up to workers
// pieces parsed at once. A parser error names the piece's own line.
OsmReadResult ReadOsmXmlInPieces(const std::string& path, osmium::osm_entity_bits::type entities,
                                 const std::function<void(osmium::memory::Buffer&)>& visit,
                                 const OsmProgress& progress, std::size_t pieceBytes, unsigned workers);

}  // namespace rovex::osm
