#include "converters/nmea_gpx_writer.h"

#include <cstdio>

#include "converters/gpx_frame.h"

namespace rovex::converters {

namespace {

const char* UnableToCreate(GpxKind kind) {
  return kind == GpxKind::Track ? "Error: Unable to create the output GPX track file."
                                : "Error: Unable to create the output GPX route file.";
}

const char* EmptyOutputMessage(GpxKind kind) {
  return kind == GpxKind::Track ? "Please select an output GPX  track file." : "Please select an GPX output file.";
}

// The messages of a failed write.
void WriteFailed(ConverterResult& result, GpxKind kind) {
  result.Error(kGpxWriteErrorMessage);
  result.Error("An error occurrd while writing to the GPX output file.");
  result.Error(UnableToCreate(kind));
}

}  // namespace

bool NmeaGpxWriter::Add(const NmeaPointRow& row) {
  if (m_rows == 0) {
    m_out.Write(GpxHeader());
    if (m_kind == GpxKind::Track) {
      m_out.Write("<time>" + row.time + "</time>\n");
      m_out.Write("<trk>\n  <name>ACTIVE LOG</name>\n<trkseg>\n");
    } else {
      m_out.Write("<rte>\n  <name>New Route</name>\n");
    }
  }
  ++m_rows;
  std::string text;
  if (m_kind == GpxKind::Track) {
    text = "<trkpt lat=\"" + row.latitude + "\" lon=\"" + row.longitude + "\">\n";
    text += "  <ele>" + row.elevation + "</ele>\n";
    text += "<time>" + row.time + "</time>\n";
    text += "</trkpt>\n";
  } else {
    char name[48];
    std::snprintf(name, sizeof name, "<name>%5.5lu</name>\n</rtept>\n", m_rows);
    text = "<rtept lat=\"" + row.latitude + "\" lon=\"" + row.longitude + "\">\n";
    text += name;
  }
  return m_out.Write(text);
}

bool NmeaGpxWriter::Finish() {
  if (m_rows == 0) {
    m_out.Abandon();
    return false;
  }
  m_out.Write(m_kind == GpxKind::Track ? "</trkseg>\n</trk>\n" : "</rte>\n");
  m_out.Write(kGpxFooter);
  return m_out.Commit();
}

ConverterResult ConvertNmeaToGpx(const NmeaToGpxOptions& options) {
  ConverterResult result;
  if (options.log.empty()) {
    result.Error("Please select an NMEA log file.");
    return result;
  }
  if (options.output.empty()) {
    result.Error(EmptyOutputMessage(options.kind));
    return result;
  }
  NmeaGpxWriter writer(options.kind);
  if (!writer.Open(options.output)) {
    result.Error("Error: Unable to open the file.");
    result.Error(UnableToCreate(options.kind));
    return result;
  }
  bool writeFailed = false;
  ConverterResult read = ReadNmeaPoints(
      options.log, options.thinning,
      [&](const NmeaPointRow& row) {
        writeFailed = !writer.Add(row);
        return !writeFailed;
      },
      options.progress);
  if (!read.ok) {
    writer.Abandon();
    result.messages = read.messages;
    result.ok = false;
    if (read.Texts().back() != kCancelledMessage) result.Error("Error: Unable to create list of points.");
    return result;
  }
  if (writeFailed) {
    writer.Abandon();
    WriteFailed(result, options.kind);
    return result;
  }
  if (writer.Rows() == 0) {
    writer.Abandon();
    result.Error("Error: the points list is empty.");
    result.Error(UnableToCreate(options.kind));
    return result;
  }
  if (!writer.Finish()) {
    WriteFailed(result, options.kind);
    return result;
  }
  result.Info("The GPX output file has been created.");
  return result;
}

ConverterResult WriteGpxFromRows(const std::vector<NmeaPointRow>& rows, const std::string& output, GpxKind kind) {
  ConverterResult result;
  if (output.empty()) {
    result.Error(EmptyOutputMessage(kind));
    return result;
  }
  if (rows.empty()) {
    result.Error("Error: the points list is empty.");
    result.Error(UnableToCreate(kind));
    return result;
  }
  NmeaGpxWriter writer(kind);
  if (!writer.Open(output)) {
    result.Error("Error: Unable to open the file.");
    result.Error(UnableToCreate(kind));
    return result;
  }
  for (const NmeaPointRow& row : rows) {
    if (!writer.Add(row)) break;
  }
  if (!writer.Finish()) {
    WriteFailed(result, kind);
    return result;
  }
  result.Info("The GPX output file has been created.");
  return result;
}

}  // namespace rovex::converters
