#pragma once

#include <string>

#include "converters/converter_result.h"

// Splits a GPX file with several track segments (as JOSM exports it) into
// one made-up NMEA log per segment and a track editor map file listing them,
// so that the segments can be opened and edited in the track editor.

namespace rovex::converters {

struct JosmOptions {
  std::string source;
  std::string destination;  // the base name; a ".txt" ending is dropped
  ProgressFunction progress;
};

// The base name the files are named from: the destination without a ".txt"
// ending (any case), made absolute so the map finds its logs from anywhere.
std::string JosmBaseName(const std::string& destination);
// base + ".txt", the map file that the caller may have to confirm replacing.
std::string JosmMapFileName(const std::string& destination);
// base + "-Track" + six-digit section number + ".txt".
std::string JosmSectionFileName(const std::string& base, unsigned long section);

// Writes the section logs and then the map file, replacing any that exist.
ConverterResult ConvertJosmToMapProject(const JosmOptions& options);

}  // namespace rovex::converters
