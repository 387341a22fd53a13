#pragma once

#include <string>

#include "converters/add_new_lines.h"
#include "platform/user_prompt.h"

// The rules of the "Add new line characters" dialog (`CDlgAddNewLine`).

namespace rovex::converters {

class AddNewLineDialog {
 public:
  static constexpr const char* kTitle = "Add new line characters";
  static constexpr const char* kBrowseFilter = "All files *.*|*.*||";
  static constexpr const char* kMarkersHint =
      "Adds a new line character pair after each </trkpt> <trk> </trk> </name> <trkseg> </trkseg> />";
  static constexpr const char* kUsageHint =
      "Select a source and destinaton file and click the Convert button.  When you are finished click the OK button "
      "to close the dialog.";

  std::string source;
  std::string destination;

  // "&Convert": the checks, the overwrite question, the conversion.
  bool Convert(UserPrompt& prompt, const ProgressFunction& progress = {});
};

}  // namespace rovex::converters
