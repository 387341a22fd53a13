#include "converters/josm_converter.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "converters/converter_files.h"
#include "converters/gpx_points_reader.h"
#include "converters/input_file.h"
#include "converters/output_file.h"
#include "converters/synthetic_nmea.h"
#include "converters/text_encoding.h"
#include "nmea/c_number.h"
#include "platform/atomic_file.h"
#include "trackeditor/map_file.h"

namespace rovex::converters {

namespace {

constexpr std::size_t kMapDescSourceChars = 250;
constexpr uint64_t kFirstPointMilliseconds = 1000;
constexpr uint64_t kPointStepMilliseconds = 1000;

class Sections final : public GpxPointsHandler {
 public:
  Sections(const std::string& base, ConverterResult& result) : m_base(base), m_result(result) {}

  bool Begin() {
    char description[32];
    std::snprintf(description, sizeof description, "Track%.6lu", m_section);
    std::string path = JosmSectionFileName(m_base, m_section);
    trackeditor::TrackEntry& entry = m_map.TracksMem.emplace_back();
    entry.description = description;
    entry.path = path;
    if (!m_out.Open(path, OutputFile::Mode::Replace)) {
      Fail(CantOpenDestinationMessage(path));
      return false;
    }
    return true;
  }

  bool End() {
    if (m_failed) return false;
    if (!m_out.Commit()) {
      Fail(kWriteErrorMessage);
      return false;
    }
    return true;
  }

  void Point(const GpxPoint& point) override {
    if (m_failed || point.kind != GpxPointKind::TrackPoint) return;
    double latitude = CAtof(point.latitude.c_str());
    double longitude = CAtof(point.longitude.c_str());
    m_out.Write(SyntheticGga(m_time, latitude, longitude));
    if (!m_out.Write(SyntheticRmc(m_time, latitude, longitude))) {
      Fail(kWriteErrorMessage);
      return;
    }
    m_time += kPointStepMilliseconds;
    ++m_points;
  }

  void SegmentEnd(std::size_t) override {
    if (m_failed || !End()) return;
    ++m_section;
    Begin();
  }

  void MissingCoordinate(std::size_t line) override {
    if (!m_failed) m_result.Warning(MissingCoordinateMessage(line));
  }

  bool Failed() const { return m_failed; }
  trackeditor::TrackEditor& Map() { return m_map; }
  unsigned long Points() const { return m_points; }

 private:
  void Fail(std::string text) {
    m_failed = true;
    m_out.Abandon();
    m_result.Error(std::move(text));
  }

  std::string m_base;
  ConverterResult& m_result;
  OutputFile m_out;
  trackeditor::TrackEditor m_map;
  unsigned long m_section = 1;
  uint64_t m_time = kFirstPointMilliseconds;  // runs on across sections
  unsigned long m_points = 0;
  bool m_failed = false;
};

bool EndsWithTxt(const std::string& name) {
  if (name.size() <= 4) return false;
  std::string tail = name.substr(name.size() - 4);
  for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return tail == ".txt";
}

}  // namespace

std::string JosmBaseName(const std::string& destination) {
  std::string base = EndsWithTxt(destination) ? destination.substr(0, destination.size() - 4) : destination;
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(base, ec);
  return ec ? base : absolute.lexically_normal().string();
}

std::string JosmMapFileName(const std::string& destination) { return JosmBaseName(destination) + ".txt"; }

std::string JosmSectionFileName(const std::string& base, unsigned long section) {
  char tail[48];
  std::snprintf(tail, sizeof tail, "-Track%.6lu.txt", section);
  return base + tail;
}

ConverterResult ConvertJosmToMapProject(const JosmOptions& options) {
  ConverterResult result;
  if (options.source.empty()) {
    result.Error("Please choose a JOSM gpx track file.");
    return result;
  }
  if (options.destination.empty()) {
    result.Error("Please choose a destination map file name.");
    return result;
  }
  std::string text;
  if (!ReadSourceText(options.source, &text, result)) return result;
  std::string base = JosmBaseName(options.destination);
  std::string mapFile = base + ".txt";
  if (SameFile(options.source, mapFile)) {
    result.Error("The source and destination file names can not be the same.");
    return result;
  }

  Sections sections(base, result);
  if (!sections.Begin()) return result;
  GpxScanSummary summary = ReadGpxPoints(text, sections, options.progress);
  if (summary.cancelled) {
    result.Error(kCancelledMessage);
    return result;
  }
  // The part after the last segment end is a section of its own, empty when
  // the file ends there.
  if (!sections.End()) return result;

  trackeditor::TrackEditor& project = sections.Map();
  project.description = "JOSM Convert: " + FieldText(ToUtf8(CutText(options.source, kMapDescSourceChars)));
  project.zoom = 1;
  std::string map, error;
  if (!trackeditor::FormatMapText(project, &map, &error)) {
    result.Error(error);
    return result;
  }
  if (!WriteFileAtomically(mapFile, map, &error)) {
    result.Error("Error can't open the tracks map file.\n" + mapFile);
    return result;
  }
  char message[160];
  std::snprintf(message, sizeof message, "Input %zu lines processed.\nOutput %lu lines processed.\n\nConversion complete.",
                summary.lines, sections.Points());
  result.Info(message);
  return result;
}

}  // namespace rovex::converters
