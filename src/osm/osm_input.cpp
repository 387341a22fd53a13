#include "osm/osm_input.h"

#include "osm/osm_xml_chunks.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <thread>

#include <osmium/io/any_input.hpp>
#include <osmium/io/reader.hpp>
#include <osmium/memory/buffer.hpp>
#include <osmium/osm/tag.hpp>

namespace rovex::osm {
namespace {

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The suffixes libosmium reads by name; anything else is told by its content.
bool NamedForm(const std::string& path) {
  for (const char* suffix : {".osm", ".osm.gz", ".osm.bz2", ".osm.pbf", ".pbf", ".osh", ".osh.gz", ".osh.bz2"}) {
    if (EndsWith(path, suffix)) {
      return true;
    }
  }
  return false;
}

std::string FormatFromContent(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char head[16] = {};
  in.read(head, sizeof head);
  const std::string_view bytes(head, static_cast<std::size_t>(in.gcount()));
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f && static_cast<unsigned char>(bytes[1]) == 0x8b) {
    return "osm.gz";
  }
  if (bytes.substr(0, 3) == "BZh") {
    return "osm.bz2";
  }
  // A PBF file begins with the length of its first block header, whose type is "OSMHeader".
  if (bytes.size() >= 13 && bytes.substr(6, 9).starts_with("OSMHeade")) {
    return "pbf";
  }
  return "osm";
}

template <class Make>
OsmReadResult ReadWith(const Make& makeFile, osmium::osm_entity_bits::type entities,
                       const std::function<void(osmium::memory::Buffer&)>& visit, const OsmProgress& progress,
                       uint64_t knownSize = 0) {
  OsmReadResult result;
  try {
    osmium::io::Reader reader(makeFile(), entities, osmium::io::read_meta::no);
    const uint64_t total = knownSize ? knownSize : reader.file_size();
    while (osmium::memory::Buffer buffer = reader.read()) {
      visit(buffer);
      if (progress && !progress(reader.offset(), total)) {
        result.cancelled = true;
        reader.close();
        return result;
      }
    }
    reader.close();
    result.ok = true;
  } catch (const std::exception& e) {
    result.error = e.what();
  }
  return result;
}

// Pieces pay off on big plain XML files and a machine with more than one core.
constexpr std::size_t kPieceBytes = std::size_t{4} << 20;
constexpr uint64_t kPiecesFrom = uint64_t{32} << 20;

bool ReadInPieces(const std::string& path, const std::string& format) {
  const bool plainXml = format.empty() ? EndsWith(path, ".osm") : format == "osm";
  std::error_code ec;
  if (!plainXml || std::thread::hardware_concurrency() < 2 || std::filesystem::file_size(path, ec) < kPiecesFrom || ec) {
    return false;
  }
  // Only an <osm> document is cut (an osmChange nests its nodes).
  std::ifstream in(path, std::ios::binary);
  std::string head(64 * 1024, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  return XmlRootEnd(head) != std::string::npos;
}

}  // namespace

std::string OsmFormatOf(const std::string& path) {
  if (NamedForm(path)) {
    return {};
  }
  return FormatFromContent(path);
}

OsmReadResult ReadOsmFile(const std::string& path, osmium::osm_entity_bits::type entities,
                          const std::function<void(osmium::memory::Buffer&)>& visit, const OsmProgress& progress) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    return OsmReadResult{false, false, "Is a directory"};
  }
  const std::string format = OsmFormatOf(path);
  if (ReadInPieces(path, format)) {
    return ReadOsmXmlInPieces(path, entities, visit, progress, kPieceBytes, std::thread::hardware_concurrency());
  }
  return ReadWith([&] { return osmium::io::File(path, format); }, entities, visit, progress);
}

OsmReadResult ReadOsmBytes(std::string_view bytes, const std::string& format, osmium::osm_entity_bits::type entities,
                           const std::function<void(osmium::memory::Buffer&)>& visit, const OsmProgress& progress) {
  return ReadWith([&] { return osmium::io::File(bytes.data(), bytes.size(), format); }, entities, visit, progress,
                  bytes.size());
}

std::string OsmTagString(const osmium::TagList& tags) {
  std::string text;
  for (const osmium::Tag& tag : tags) {
    if (std::string_view(tag.key()).starts_with("created_by")) {
      continue;
    }
    text += tag.key();
    text += '-';
    text += tag.value();
    text += ':';
  }
  return text;
}

}  // namespace rovex::osm
