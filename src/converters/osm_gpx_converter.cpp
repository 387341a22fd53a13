#include "converters/osm_gpx_converter.h"

#include <charconv>
#include <cstdio>
#include <exception>

#include <osmium/io/any_input.hpp>
#include <osmium/io/reader.hpp>

#include "converters/converter_files.h"
#include "converters/gpx_frame.h"
#include "converters/input_file.h"
#include "converters/output_file.h"

namespace rovex::converters {
namespace {

constexpr size_t kChunk = 1 << 16;
// The track editor's name fields hold this much of a track name.
constexpr size_t kNameCut = 460;

// The fixed texts that tell the variants' files apart.
struct VariantTexts {
  const char* documentTime;
  const char* nameOpen;
  const char* pointTail;
  size_t nameCut;  // 0: whole
};

const VariantTexts& TextsOf(OsmGpxVariant variant) {
  static const VariantTexts normal{"<time>2008-00-00T01:01:07Z</time>\n", "<trk>\n  <name>",
                                   "\">\n  <ele>100</ele>\n<time>2008-00-00T01:01:07Z</time>\n</trkpt>\n", kNameCut};
  static const VariantTexts big{"<time>2008-01-01T01:01:07Z</time>\n", "<trk>\n  <name>",
                                "\">\n  <ele>100</ele>\n<time>2008-00-00T01:01:07Z</time>\n</trkpt>\n", kNameCut};
  static const VariantTexts fast{"<time>2008-01-01T01:01:07Z</time>\n", "<trk>\n<name>",
                                 "\">\n<ele>100</ele>\n<time>2014-00-00T01:01:07Z</time>\n</trkpt>\n", 0};
  switch (variant) {
    case OsmGpxVariant::Big: return big;
    case OsmGpxVariant::Fast: return fast;
    case OsmGpxVariant::Normal: break;
  }
  return normal;
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (cp & 0x3F));
}

template <class Number>
void AppendNumber(std::string& out, Number value) {
  char text[24];
  auto end = std::to_chars(text, text + sizeof text, value).ptr;
  out.append(text, end);
}

// At most limit bytes of text, never ending inside a UTF-8 sequence.
std::string_view Cut(std::string_view text, size_t limit) {
  if (limit == 0 || text.size() <= limit) return text;
  size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

std::string DocumentHeader(bool latin1) {
  std::string header = GpxHeader();
  if (latin1) {
    // The names hold ISO 8859-1 bytes: the declaration must say so for the file to stay XML.
    header.replace(0, header.find('\n') + 1, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n");
  }
  return header;
}

}  // namespace

void AppendXmlText(std::string& out, std::string_view text, bool latin1) {
  const size_t n = text.size();
  size_t i = 0;
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += (c < 0x20 || c == 0x7F) ? ' ' : static_cast<char>(c); break;
      }
      ++i;
      continue;
    }
    size_t length = 0;
    uint32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      cp = c & 0x07;
    }
    bool valid = length != 0 && i + length <= n;
    for (size_t k = 1; valid && k < length; ++k) {
      const unsigned char b = static_cast<unsigned char>(text[i + k]);
      valid = (b & 0xC0) == 0x80;
      cp = (cp << 6) | (b & 0x3F);
    }
    if (valid) {
      valid = !(length == 3 && cp < 0x800) && !(length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) &&
              !(cp >= 0xD800 && cp <= 0xDFFF);
    }
    if (!valid) length = 1;  // one stray byte
    if (!valid || cp == 0xFFFE || cp == 0xFFFF) cp = 0xFFFD;
    if (latin1 && cp <= 0xFF) {
      out += static_cast<char>(cp);
    } else if (latin1) {
      out += "&#";
      AppendNumber(out, cp);
      out += ';';
    } else {
      AppendUtf8(out, cp);
    }
    i += length;
  }
}

OsmGpxWriter::OsmGpxWriter(const OsmGpxSettings& settings, Sink sink)
    : m_settings(settings), m_sink(std::move(sink)) {
  m_buffer.reserve(kChunk + 4096);
}

bool OsmGpxWriter::Begin() {
  m_buffer += DocumentHeader(m_settings.translate);
  m_buffer += TextsOf(m_settings.variant).documentTime;
  return FlushIfFull();
}

bool OsmGpxWriter::Excluded(std::string_view name) const {
  for (const std::string& keyword : m_settings.exclusions) {
    if (!keyword.empty() && name.find(keyword) != std::string_view::npos) return true;
  }
  return false;
}

void OsmGpxWriter::AppendName(std::string_view name) {
  AppendXmlText(m_buffer, Cut(name, TextsOf(m_settings.variant).nameCut), m_settings.translate);
}

void OsmGpxWriter::AppendPoint(const osm::OsmPoint& point) {
  char number[32];
  m_buffer += "<trkpt lat=\"";
  m_buffer.append(number, std::to_chars(number, number + sizeof number, point.latitude, std::chars_format::fixed, 6).ptr);
  m_buffer += "\" lon=\"";
  m_buffer.append(number,
                  std::to_chars(number, number + sizeof number, point.longitude, std::chars_format::fixed, 6).ptr);
  m_buffer += TextsOf(m_settings.variant).pointTail;
}

bool OsmGpxWriter::Track(std::string_view prefix, int64_t id, const std::string& tags, const osm::OsmPoint* points,
                         size_t count, bool filtered) {
  if (m_failed) return false;
  if (count == 0) return true;
  m_name.assign(prefix);
  AppendNumber(m_name, id);
  m_name += ':';
  m_name += tags;
  if (filtered && Excluded(m_name)) return true;
  m_buffer += TextsOf(m_settings.variant).nameOpen;
  AppendName(m_name);
  m_buffer += "</name>\n<trkseg>\n";
  for (size_t k = 0; k < count; ++k) {
    AppendPoint(points[k]);
    if (!FlushIfFull()) return false;
  }
  m_buffer += "</trkseg>\n</trk>\n";
  ++m_tracks;
  return FlushIfFull();
}

bool OsmGpxWriter::Way(const osm::OsmWay& way) {
  return Track("GPX:", way.id, way.tags, way.points.data(), way.points.size(),
               m_settings.variant == OsmGpxVariant::Big);
}

bool OsmGpxWriter::Node(const osm::OsmTaggedNode& node) {
  if (m_settings.variant == OsmGpxVariant::Normal || node.tags.empty()) return !m_failed;
  return Track("Node:", node.id, node.tags, &node.point, 1, true);
}

bool OsmGpxWriter::End() {
  if (m_failed) return false;
  m_buffer += kGpxFooter;
  if (!m_sink(m_buffer)) m_failed = true;
  m_buffer.clear();
  return !m_failed;
}

bool OsmGpxWriter::FlushIfFull() {
  if (m_failed) return false;
  if (m_buffer.size() < kChunk) return true;
  if (!m_sink(m_buffer)) m_failed = true;
  m_buffer.clear();
  return !m_failed;
}

ConverterResult ConvertOsmToGpx(const OsmToGpxOptions& options) {
  ConverterResult result;
  const OsmGpxVariant variant = options.settings.variant;
  const bool normal = variant == OsmGpxVariant::Normal;
  const bool fast = variant == OsmGpxVariant::Fast;
  if (options.source.empty()) {
    result.Error(normal ? "Please choose a osm file."
                        : "Please select an OSM source file.\n\nThis is the file that contains the OSM XML data "
                          "that you want to extract an area of.");
    return result;
  }
  if (options.destination.empty()) {
    result.Error(normal ? "Please select an output GPX track file."
                 : fast ? "The destination file name is empty.\n\nThis is the file that the OSM XML data that you "
                          "extract will be written to."
                        : "The destination file name is empty.");
    return result;
  }
  if (SameFile(options.source, options.destination)) {
    result.Error("The source and destination file names can not be the same.");
    return result;
  }
  if (!InputFile(options.source)) {
    result.Error((fast ? "Error can't open the source file\n" : "Error can't open source file\n") + options.source);
    return result;
  }
  OutputFile out;
  if (!out.Open(options.destination, OutputFile::Mode::Replace)) {
    result.Error("Error: Unable to open the output gpx file.");
    return result;
  }
  OsmGpxWriter writer(options.settings, [&out](std::string_view text) { return out.Write(text); });
  osm::OsmWaysOptions read;
  if (!normal) {
    read.box = options.box;
    read.taggedNodes = options.includePoi;
  }
  read.progress = options.progress;
  writer.Begin();
  osm::OsmWaysStats stats = osm::ReadOsmWays(
      options.source, read, [&writer](const osm::OsmWay& way) { return writer.Way(way); },
      [&writer](const osm::OsmTaggedNode& node) { return writer.Node(node); });
  if (stats.read.cancelled) {
    out.Abandon();
    result.Error(kCancelledMessage);
    return result;
  }
  if (!stats.read.ok && !stats.stopped) {
    out.Abandon();
    result.Error("Error reading the OSM file\n" + options.source + "\n" + stats.read.error);
    return result;
  }
  if (fast && stats.nodesKept == 0 && !writer.Failed()) {
    out.Abandon();
    result.Error(
        "No nodes were found in your selected area.\n\nTry a different area or another OSM file that contains the "
        "area that you want.");
    return result;
  }
  if (!writer.End() || !out.Commit()) {
    out.Abandon();
    result.Error("An error occurrd while writing to the GPX output file.");
    return result;
  }
  char text[200];
  std::snprintf(text, sizeof text,
                "Input %llu lines processed.\nOutput %llu lines processed.\n\nThe GPX output file has been created.",
                static_cast<unsigned long long>(stats.objects), static_cast<unsigned long long>(stats.references));
  result.Info(text);
  return result;
}

OsmBoundsResult ReadOsmBounds(const std::string& path) {
  OsmBoundsResult result;
  if (!InputFile(path)) return result;
  result.opened = true;
  try {
    const std::string format = osm::OsmFormatOf(path);
    osmium::io::Reader reader(osmium::io::File(path, format), osmium::osm_entity_bits::nothing);
    const osmium::Box box = reader.header().box();
    reader.close();
    if (box.valid()) {
      result.bounds = OsmBounds{box.bottom_left().lat(), box.bottom_left().lon(), box.top_right().lat(),
                                box.top_right().lon()};
    }
  } catch (const std::exception&) {
    // A file libosmium cannot read has no bounds to offer.
  }
  return result;
}

}  // namespace rovex::converters
