#include "converters/camera_converters.h"

#include <cstdio>

#include "converters/camera_csv_line.h"
#include "converters/input_file.h"
#include "converters/output_file.h"
#include "converters/ov2_reader.h"
#include "converters/text_encoding.h"
#include "converters/text_line_reader.h"
#include "platform/c_format.h"

namespace rovex::converters {

namespace {

enum class Rules { PocketGps, Garmin, Multi };

constexpr unsigned kLinesPerProgress = 4096;

const char* kWriteError = "Error writing to output file.\nAborting save.";

std::string CountMessage(const char* format, long count) {
  char text[96];
  std::snprintf(text, sizeof text, format, count);
  return text;
}

std::string Coordinate(float value) { return FormatFixed(static_cast<double>(value), 6); }

std::string Text(const std::string& raw) { return FieldText(ToUtf8(raw)); }

// Reads the first bytes of a file to tell OV2 from text.
bool IsOv2File(std::FILE* file) {
  int c = std::fgetc(file);
  std::rewind(file);
  return c != EOF && c <= 3;
}

struct Job {
  Rules rules;
  bool typePrefix = false;
  OutputFile* out = nullptr;
  ConverterResult* result = nullptr;
  const ProgressFunction* progress = nullptr;
  long lines = 0;
  bool stop = false;  // a write failed or the user cancelled: nothing more is converted
};

bool Progress(Job& job, uint64_t done, uint64_t total) {
  if (*job.progress && !(*job.progress)(done, total)) {
    job.result->Error(kCancelledMessage);
    job.stop = true;
    return false;
  }
  return true;
}

bool Write(Job& job, const std::string& text) {
  if (job.out->Write(text)) return true;
  job.result->Error(kWriteError);
  job.stop = true;
  return false;
}

void ConvertCsv(Job& job, InputFile& input) {
  TextLineReader reader(input.get());
  std::string_view line;
  bool header = job.rules != Rules::Garmin;
  while (reader.Next(&line)) {
    ++job.lines;
    if (reader.LineNumber() % kLinesPerProgress == 0 && !Progress(job, reader.BytesRead(), input.Size())) return;
    if (header) {
      header = false;
      continue;
    }
    // A blank line (often the last of a file) has no camera; the lines after it still do.
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    CameraRecord record = job.rules == Rules::Multi ? CameraFromMultiCsvLine(line, job.typePrefix)
                                                    : CameraFromCsvLine(line);
    if (!Write(job, CameraFileLine(record))) return;
  }
}

std::string Ov2Line(const Ov2Record& record, bool multi, bool typePrefix) {
  std::string line = Coordinate(record.latitude) + "," + Coordinate(record.longitude) + ",";
  if (record.type == 3) {
    return line + Text(record.name) + "," + Text(record.second) + ",," + Text(record.third) + ",,\n";
  }
  if (!multi) return line + Text(record.name) + ",,," + Text(record.name) + ",,\n";
  std::string name = MultiOv2Name(record.name, typePrefix);
  std::size_t at = name.find('@');
  std::string speed = at == std::string::npos ? std::string() : name.substr(at + 1);
  return line + Text(name) + ",,," + Text(name) + ",," + Text(speed) + "\n";
}

void ConvertOv2(Job& job, const std::string& path, InputFile& input) {
  std::string bytes;
  if (!ReadAll(input.get(), &bytes)) {
    job.result->Error(std::string("Error can't open source file\n") + path);
    return;
  }
  unsigned written = 0;
  Ov2ReadSummary summary = ReadOv2(bytes, [&](const Ov2Record& record) {
    if (!Write(job, Ov2Line(record, job.rules == Rules::Multi, job.typePrefix))) return false;
    ++job.lines;
    if (++written % kLinesPerProgress == 0) return Progress(job, record.offset, bytes.size());
    return true;
  });
  if (job.stop) return;
  if (summary.outOfRange > 0) {
    job.result->Warning(CountMessage("%ld OV2 records with coordinates out of range were skipped.",
                                     static_cast<long>(summary.outOfRange)));
  }
  if (!summary.ok) job.result->Error(summary.error + "\n" + path);
}

// Converts one source into the open destination. Problems with the source are
// reported and the caller goes on with the next one.
void ConvertSource(Job& job, const std::string& source) {
  if (SameFile(source, job.out->Path())) {
    job.result->Error("The source and destination file names can not be the same.");
    return;
  }
  InputFile input(source);
  if (!input) {
    job.result->Error(std::string("Error can't open source file\n") + source);
    return;
  }
  if (IsOv2File(input.get())) {
    ConvertOv2(job, source, input);
  } else {
    ConvertCsv(job, input);
  }
}

bool OpenDestination(OutputFile& out, const std::string& path, bool append, ConverterResult& result) {
  if (!out.Open(path, append ? OutputFile::Mode::Append : OutputFile::Mode::Replace)) {
    result.Error(std::string("Error can't open destination file\n") + path);
    return false;
  }
  return true;
}

ConverterResult ConvertSingle(const CameraConvertOptions& options, Rules rules) {
  ConverterResult result;
  OutputFile out;
  if (!OpenDestination(out, options.destination, options.append, result)) return result;
  Job job{rules, false, &out, &result, &options.progress};
  ConvertSource(job, options.source);
  if (job.stop || !result.ok) {
    out.Abandon();
    return result;
  }
  if (!out.Commit()) {
    result.Error(kWriteError);
    return result;
  }
  result.Info(CountMessage("%ld lines processed.\n\nConversion complete.", job.lines));
  return result;
}

}  // namespace

std::string MultiOv2Name(const std::string& name, bool typePrefix) {
  std::string kept;
  for (char c : name) {
    if (c == '-') kept.clear();
    else if (c != 't' && c != 'p') kept += c;
  }
  if (typePrefix) {
    for (const char* word : {"GATSO", "TRUVELO", "MONITRON", "SPECS", "MOBILE", "REDLIGHT", "REDSPEED"}) {
      std::size_t found = kept.find(word);
      if (found == std::string::npos) continue;
      std::size_t end = found + std::char_traits<char>::length(word);
      std::size_t at = kept.find('@', end);
      if (at != std::string::npos) kept.erase(end, at - end);
    }
  }
  return kept;
}

ConverterResult ConvertPocketGpsCameras(const CameraConvertOptions& options) {
  return ConvertSingle(options, Rules::PocketGps);
}

ConverterResult ConvertGarminCameras(const CameraConvertOptions& options) {
  return ConvertSingle(options, Rules::Garmin);
}

ConverterResult ConvertMultiPocketGpsCameras(const MultiCameraConvertOptions& options) {
  ConverterResult result;
  if (options.sources.empty()) {
    result.Error("Nothing to convert\nPlease select a source file(s)\nand try again.");
    return result;
  }
  if (options.destination.empty()) {
    result.Error("Please choose a destination file");
    return result;
  }
  OutputFile out;
  if (!OpenDestination(out, options.destination, options.append, result)) return result;
  Job job{Rules::Multi, options.typePrefix, &out, &result, &options.progress};
  for (const std::string& source : options.sources) {
    ConvertSource(job, source);
    if (job.stop) {
      out.Abandon();
      return result;
    }
  }
  // A source that could not be read was reported; what the others gave is kept.
  if (!out.Commit()) {
    result.Error(kWriteError);
    return result;
  }
  result.Info(CountMessage("%ld lines processed.\n\nConversion complete.", job.lines));
  return result;
}

}  // namespace rovex::converters
