#include "osm/osm_xml_chunks.h"

#include <cerrno>
#include <cstring>
#include <deque>
#include <fstream>
#include <malloc.h>
#include <mutex>
#include <future>
#include <utility>
#include <vector>

#include <osmium/memory/buffer.hpp>

namespace rovex::osm {
namespace {

bool IsNameEnd(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '>' || c == '/'; }

bool StartsTopLevelElement(std::string_view text, std::size_t at) {
  for (std::string_view name : {"node", "way", "relation", "changeset"}) {
    const std::size_t end = at + 1 + name.size();
    if (end < text.size() && text.compare(at + 1, name.size(), name) == 0 && IsNameEnd(text[end])) {
      return true;
    }
  }
  return false;
}

// The start of the comment or CDATA section that position lies in, or npos.
// OSM files seldom hold either, so one fast search for "<!" settles most cuts.
std::size_t EnclosingMarkup(std::string_view text, std::size_t position) {
  if (memmem(text.data(), position, "<!", 2) == nullptr) {
    return std::string_view::npos;
  }
  const std::string_view head = text.substr(0, position);
  for (auto [open, close] : {std::pair<std::string_view, std::string_view>{"<!--", "-->"}, {"<![CDATA[", "]]>"}}) {
    const std::size_t opened = head.rfind(open);
    if (opened == std::string_view::npos) {
      continue;
    }
    const std::size_t closed = head.rfind(close);
    if (closed == std::string_view::npos || closed < opened + open.size()) {
      return opened;
    }
  }
  return std::string_view::npos;
}

struct Parsed {
  std::vector<osmium::memory::Buffer> buffers;
  OsmReadResult result;
  uint64_t end = 0;  // file offset just past the piece
};

}  // namespace

std::size_t XmlCutPoint(std::string_view text, std::size_t from) {
  std::size_t at = text.size();
  while (at > from) {
    at = text.rfind('<', at - 1);
    if (at == std::string_view::npos || at < from) {
      return std::string_view::npos;
    }
    if (!StartsTopLevelElement(text, at)) {
      continue;
    }
    const std::size_t markup = EnclosingMarkup(text, at);
    if (markup == std::string_view::npos) {
      return at;
    }
    at = markup;
  }
  return std::string_view::npos;
}

std::size_t XmlRootEnd(std::string_view text) {
  std::size_t at = 0;
  while ((at = text.find("<osm", at)) != std::string_view::npos) {
    const std::size_t after = at + 4;
    if (after < text.size() && IsNameEnd(text[after]) && EnclosingMarkup(text, at) == std::string_view::npos) {
      const std::size_t close = text.find('>', after);
      return close == std::string_view::npos ? close : close + 1;
    }
    at = after;
  }
  return std::string_view::npos;
}

OsmReadResult ReadOsmXmlInPieces(const std::string& path, osmium::osm_entity_bits::type entities,
                                 const std::function<void(osmium::memory::Buffer&)>& visit,
                                 const OsmProgress& progress, std::size_t pieceBytes, unsigned workers) {
  // Every piece passes through blocks of megabytes (its text, the parser's
  // copy of it, the parsed objects) on several threads. glibc raises its mmap
  // threshold after such blocks are freed and then serves them from arenas it
  // keeps: the resident size grew past 300 MiB on a 1 GB file. A fixed
  // threshold gives each big block back at once (about 190 MiB then).
  static std::once_flag fixedThreshold;
  std::call_once(fixedThreshold, [] { mallopt(M_MMAP_THRESHOLD, 1 << 20); });
  OsmReadResult result;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    result.error = std::strerror(errno);
    return result;
  }
  const uint64_t total = static_cast<uint64_t>(in.tellg());
  in.seekg(0);

  const auto parse = [entities](std::string text, uint64_t end) {
    Parsed parsed;
    parsed.end = end;
    parsed.result = ReadOsmBytes(text, "osm", entities,
                                 [&](osmium::memory::Buffer& buffer) { parsed.buffers.push_back(std::move(buffer)); });
    return parsed;
  };
  std::deque<std::future<Parsed>> inFlight;
  // Hands over the oldest piece's objects; false ends the reading (result says why).
  const auto takeOldest = [&] {
    Parsed parsed = inFlight.front().get();
    inFlight.pop_front();
    if (!parsed.result.ok) {
      result.error = parsed.result.error;
      return false;
    }
    for (osmium::memory::Buffer& buffer : parsed.buffers) {
      visit(buffer);
    }
    if (progress && !progress(parsed.end, total)) {
      result.cancelled = true;
      return false;
    }
    return true;
  };
  const auto finish = [&] {
    for (auto& piece : inFlight) {
      piece.wait();
    }
    return result;
  };

  std::string pending;
  std::string prolog;  // up to and including the <osm ...> start tag
  uint64_t consumed = 0;
  bool eof = false;
  while (!eof) {
    const std::size_t had = pending.size();
    pending.resize(had + pieceBytes);
    in.read(pending.data() + had, static_cast<std::streamsize>(pieceBytes));
    pending.resize(had + static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
      result.error = std::strerror(errno);
      return finish();
    }
    eof = in.eof();
    std::size_t from = 0;
    if (prolog.empty()) {
      from = XmlRootEnd(pending);
      if (from == std::string::npos && !eof) {
        continue;
      }
      prolog = from == std::string::npos ? std::string() : pending.substr(0, from);
      from = prolog.size();
    }
    std::size_t cut = eof ? pending.size() : XmlCutPoint(pending, from);
    if (cut == std::string::npos || cut == 0) {
      continue;  // one element longer than a piece: read on
    }
    std::string text = consumed == 0 ? pending.substr(0, cut) : prolog + pending.substr(0, cut);
    if (!eof) {
      text += "</osm>\n";
    }
    consumed += cut;
    pending.erase(0, cut);
    inFlight.push_back(std::async(std::launch::async, parse, std::move(text), consumed));
    while (inFlight.size() > workers || (eof && !inFlight.empty())) {
      if (!takeOldest()) {
        return finish();
      }
    }
  }
  result.ok = true;
  return result;
}

}  // namespace rovex::osm
