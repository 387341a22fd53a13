#pragma once

#include <string>

#include "converters/converter_result.h"

// Reformats a GPX file written on one long line into one element a line, for
// readers and people who take GPX a line at a time: a line end goes after
// each "</trkpt>", "<trk>", "</name>", "<trkseg>", "</trkseg>", "</trk>",
// "</wpt>" and "/>".

namespace rovex::converters {

struct AddNewLinesOptions {
  std::string source;
  std::string destination;
  ProgressFunction progress;
};

// Replaces the destination; whether it may is the caller's question.
ConverterResult AddNewLines(const AddNewLinesOptions& options);

// The same on text in memory.
std::string AddNewLinesToText(const std::string& text);

}  // namespace rovex::converters
