#pragma once

#include <string>
#include <vector>

#include "converters/converter_result.h"
#include "converters/nmea_points.h"
#include "converters/output_file.h"

// Writes the kept points of an NMEA log as a GPX 1.0 track (with elevation
// and time) or route (numbered points), one row at a time so that a log of
// any length needs no more memory than one row. The file appears under its
// name only when it is complete.

namespace rovex::converters {

enum class GpxKind { Track, Route };

class NmeaGpxWriter {
 public:
  explicit NmeaGpxWriter(GpxKind kind) : m_kind(kind) {}

  // False when the file cannot be created.
  bool Open(const std::string& path) { return m_out.Open(path, OutputFile::Mode::Replace); }
  // False once a write has failed.
  bool Add(const NmeaPointRow& row);
  // Writes the end and puts the file in place; false when anything failed.
  // Nothing is written for an empty list (rows() == 0).
  bool Finish();
  void Abandon() { m_out.Abandon(); }

  unsigned long Rows() const { return m_rows; }

 private:
  GpxKind m_kind;
  OutputFile m_out;
  unsigned long m_rows = 0;
};

struct NmeaToGpxOptions {
  std::string log;
  std::string output;
  GpxKind kind = GpxKind::Track;
  NmeaThinning thinning;
  ProgressFunction progress;
};

// The whole conversion as the make-track and make-route buttons do it, without
// holding the points: the caller has already settled whether an existing
// output may be replaced.
ConverterResult ConvertNmeaToGpx(const NmeaToGpxOptions& options);

// Writes rows already made (the dialog's points list), with the same messages.
ConverterResult WriteGpxFromRows(const std::vector<NmeaPointRow>& rows, const std::string& output, GpxKind kind);

}  // namespace rovex::converters
