#include "converters/osm_cameras.h"

#include <filesystem>

#include <osmium/memory/buffer.hpp>
#include <osmium/osm/node.hpp>

#include "converters/input_file.h"
#include "converters/output_file.h"
#include "osm/osm_input.h"
#include "platform/c_format.h"

namespace rovex::converters {
namespace {

constexpr std::size_t kTypeLimit = 299;
// More digits than this no longer fit a double exactly; no speed has them.
constexpr int kMaxspeedDigits = 15;

}  // namespace

std::string SpeedcamType(const char* note) {
  if (note == nullptr) return kSpeedcamDefaultType;
  std::string type(std::string_view(note).substr(0, kTypeLimit));
  for (char& c : type) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    } else if (c == ',') {
      c = ';';
    } else if (c == '\n' || c == '\r') {
      c = ' ';
    }
  }
  return type;
}

double SpeedcamMaxspeed(const char* value) {
  if (value == nullptr) return 0.0;
  while (*value == ' ' || *value == '\t') ++value;
  double speed = 0.0;
  int digits = 0;
  for (; *value >= '0' && *value <= '9'; ++value) {
    if (++digits > kMaxspeedDigits) return 0.0;
    speed = speed * 10 + (*value - '0');
  }
  return speed;
}

int IgoTypeCode(std::string_view type) {
  static constexpr struct {
    const char* word;
    int code;
  } kCodes[] = {{"REDLIGHT", 3}, {"COMBINED", 2}, {"SPECS", 4}, {"SECTION", 4}, {"MOBILE", 5}};
  for (const auto& entry : kCodes) {
    if (type.find(entry.word) != std::string_view::npos) return entry.code;
  }
  return 1;
}

std::string RovexCameraLine(double latitude, double longitude, const std::string& type, uint64_t counter,
                            double maxspeed) {
  const std::string count = std::to_string(counter);
  const std::string speed = FormatFixed(maxspeed, 0);
  return FormatFixed(latitude, 6) + ',' + FormatFixed(longitude, 6) + ',' + type + ',' + count + ",," + type + ':' +
         count + '@' + speed + ",," + speed + '\n';
}

std::string IgoCameraLine(double latitude, double longitude, const std::string& type, double maxspeed) {
  return FormatFixed(longitude, 6) + ',' + FormatFixed(latitude, 6) + ',' + std::to_string(IgoTypeCode(type)) + ',' +
         FormatFixed(maxspeed, 0) + ",0,0\n";
}

void OsmCameraExtractor::Extract(const osmium::memory::Buffer& buffer, std::string* out) {
  for (const osmium::Node& node : buffer.select<osmium::Node>()) {
    const osmium::TagList& tags = node.tags();
    const char* highway = tags.get_value_by_key("highway");
    if (highway == nullptr || std::string_view(highway) != "speed_camera") continue;
    ++m_counter;
    const osmium::Location location = node.location();
    // A node without a position reads as 0, 0, which the camera file skips.
    const double latitude = location.is_defined() ? location.lat_without_check() : 0.0;
    const double longitude = location.is_defined() ? location.lon_without_check() : 0.0;
    const std::string type = SpeedcamType(tags.get_value_by_key("note"));
    const double maxspeed = SpeedcamMaxspeed(tags.get_value_by_key("maxspeed"));
    *out += m_output == SpeedcamOutput::Rovex ? RovexCameraLine(latitude, longitude, type, m_counter, maxspeed)
                                              : IgoCameraLine(latitude, longitude, type, maxspeed);
  }
}

ConverterResult ExtractOsmCameras(const OsmCamerasOptions& options) {
  ConverterResult result;
  if (options.source.empty()) {
    result.Error(
        "Please select an OSM source file.\n\nThis is the file that contains the OSM XML data that you want to "
        "extract an area of.");
    return result;
  }
  if (options.destination.empty()) {
    result.Error(
        "The destination file name is empty.\n\nThis is the file that the OSM XML data that you extract will be "
        "written to.");
    return result;
  }
  // Replacing the source with its own cameras would lose it.
  if (SameFile(options.source, options.destination)) {
    result.Error("The source and destination file names can not be the same.");
    return result;
  }
  const std::string cantOpen = "Error can't open the source file\n" + options.source;
  {
    std::error_code ec;
    InputFile input(options.source);
    if (!input || std::filesystem::is_directory(options.source, ec)) {
      result.Error(cantOpen);
      return result;
    }
  }
  OutputFile out;
  if (!out.Open(options.destination, OutputFile::Mode::Replace)) {
    result.Error("Error: Unable to open the output gpx file.");
    return result;
  }
  if (options.output == SpeedcamOutput::Igo) out.Write(kIgoHeader);

  OsmCameraExtractor extractor(options.output);
  std::string lines;
  bool cancelled = false;
  const osm::OsmReadResult read = osm::ReadOsmFile(
      options.source, osmium::osm_entity_bits::node,
      [&](osmium::memory::Buffer& buffer) {
        extractor.Extract(buffer, &lines);
        out.Write(lines);
        lines.clear();
      },
      [&](uint64_t done, uint64_t total) {
        if (options.progress && !options.progress(done, total)) cancelled = true;
        return !cancelled && !out.Failed();
      });
  if (cancelled) {
    out.Abandon();
    result.Error(kCancelledMessage);
    return result;
  }
  if (out.Failed() || (read.ok && !out.Commit())) {
    out.Abandon();
    result.Error("Error: Unable to write to the file.");
    return result;
  }
  if (!read.ok) {
    out.Abandon();
    result.Error("Error can't read the source file\n" + options.source + "\n" + read.error);
    return result;
  }
  result.Info("Done");
  return result;
}

}  // namespace rovex::converters
