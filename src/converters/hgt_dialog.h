#pragma once

#include <string>

#include "converters/hgt_contours.h"
#include "platform/user_prompt.h"

// The rules of the "Converts a SRTM 3arc  Topology file to a GPX track file."
// dialog (`CDlgConvertHGT_GPX`): its texts and starting values, and Convert.

namespace rovex::converters {

class HgtToGpxDialog {
 public:
  static constexpr const char* kTitle = "Converts a SRTM 3arc  Topology file to a GPX track file.";
  static constexpr const char* kCurio =
      "This is my failed attempt to extract contour lines from SRTM files.  The results are weird.  I've left it in "
      "as a sort of curio.";
  static constexpr const char* kHint =
      "Erase flat space is the area within the contour that is removed (good for removing the sea).  Contour height "
      "range defines the width of the contour.  Contour step is the height between each contour e.g. 50 would give "
      "contours at 0, 50, 100,150 etc.";
  static constexpr const char* kSourceFilter = "SRTM files *.hgt|*.hgt|Any (*.*)|*.*||";
  static constexpr const char* kDestinationFilter = "GPX files *.gpx|*.gpx|Any (*.*)|*.*||";

  std::string source;
  std::string destination;
  // The number boxes as typed; read as atoi reads them.
  std::string eraseRange = "3";
  std::string contourRange = "6";
  std::string step = "20";

  HgtContourParams Params() const;

  // "&Convert": the overwrite question, the conversion and its messages.
  bool Convert(UserPrompt& prompt, const ProgressFunction& progress = {});
};

}  // namespace rovex::converters
