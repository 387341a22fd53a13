#pragma once

#include <string>

#include "converters/josm_converter.h"
#include "platform/user_prompt.h"

// The rules of the "Convert JOSM GPX to map project" dialog (`CDlgConvertJOSM`).

namespace rovex::converters {

class ConvertJosmDialog {
 public:
  static constexpr const char* kTitle = "Convert JOSM GPX to map project";
  static constexpr const char* kBrowseFilter = "All files *.*|*.*||";
  static constexpr const char* kHint =
      "Converts a multi section GPX track file that was exported from JOSM in to multiple files as a ROVEX track "
      "project.";

  std::string source;
  std::string destination;

  // "&Convert": the checks, the overwrite question for the map file, the conversion.
  bool Convert(UserPrompt& prompt, const ProgressFunction& progress = {});
};

}  // namespace rovex::converters
