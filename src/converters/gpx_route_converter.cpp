#include "converters/gpx_route_converter.h"

#include <cstdio>

#include "converters/converter_files.h"
#include "converters/gpx_points_reader.h"
#include "converters/output_file.h"
#include "converters/text_encoding.h"

namespace rovex::converters {

namespace {

// Collects the route file's lines as the points come.
class RouteLines final : public GpxPointsHandler {
 public:
  RouteLines(OutputFile& out, ConverterResult& result, bool track) : m_out(out), m_result(result), m_track(track) {}

  void Point(const GpxPoint& point) override {
    if (m_failed) return;
    bool wanted = m_track ? point.kind == GpxPointKind::TrackPoint : point.kind != GpxPointKind::TrackPoint;
    if (!wanted) return;
    std::string line = FieldText(point.longitude) + "," + FieldText(point.latitude);
    if (m_track) {
      ++m_points;
      char number[64];
      std::snprintf(number, sizeof number, ",P%3.3u,Trk%3.3u\n", m_points, m_points);
      line += number;
    } else {
      // A point with a name and a description gives both; with one of them,
      // that one followed by an empty field; with neither, no text at all.
      line += ",";
      if (point.hasName) {
        line += FieldText(point.name) + ",";
        if (point.hasDescription) line += FieldText(point.description);
      } else if (point.hasDescription) {
        line += FieldText(point.description) + ",";
      }
      line += "\n";
      ++m_points;
    }
    if (!m_out.Write(line)) {
      m_failed = true;
      m_result.Error(kWriteErrorMessage);
    }
  }

  void MissingCoordinate(std::size_t line) override {
    if (!m_failed) m_result.Warning(MissingCoordinateMessage(line));
  }

  bool Failed() const { return m_failed; }
  unsigned Points() const { return m_points; }

 private:
  OutputFile& m_out;
  ConverterResult& m_result;
  bool m_track;
  bool m_failed = false;
  unsigned m_points = 0;
};

ConverterResult Convert(const GpxToRouteOptions& options, bool track) {
  ConverterResult result;
  if (!CheckSourceAndDestination(options.source, options.destination, result)) return result;
  std::string text;
  if (!ReadSourceText(options.source, &text, result)) return result;
  OutputFile out;
  const OutputFile::Mode mode = options.append ? OutputFile::Mode::Append : OutputFile::Mode::Replace;
  if (!OpenDestinationFile(out, options.destination, mode, result)) return result;
  RouteLines lines(out, result, track);
  GpxScanSummary summary = ReadGpxPoints(text, lines, options.progress);
  if (summary.cancelled) {
    result.Error(kCancelledMessage);
    return result;  // the destination is left as it was
  }
  if (lines.Failed()) return result;
  if (!CommitDestination(out, result)) return result;
  char message[160];
  if (track) {
    std::snprintf(message, sizeof message, "Input %zu lines processed.\nOutput %u lines processed.\n\nConversion complete.",
                  summary.lines, lines.Points());
  } else {
    std::snprintf(message, sizeof message, "%zu lines processed.\n\nConversion complete.", summary.lines);
  }
  result.Info(message);
  return result;
}

}  // namespace

ConverterResult ConvertGpxRouteToCsv(const GpxToRouteOptions& options) { return Convert(options, false); }

ConverterResult ConvertGpxTrackToCsv(const GpxToRouteOptions& options) { return Convert(options, true); }

}  // namespace rovex::converters
