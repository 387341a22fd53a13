#pragma once

#include <string>
#include <vector>

#include "converters/camera_converters.h"
#include "platform/user_prompt.h"

// The rules of the "Convert multi PocketGPS file(s) to CSV file" dialog: the
// list of sources ("Source files." column), the destination and the two
// check boxes.

namespace rovex::converters {

class MultiCameraConvertDialog {
 public:
  static constexpr const char* kSourceColumn = "Source files.";
  static constexpr int kSourceColumnWidth = 530;

  MultiCameraConvertDialog();

  // The add-files button: each chosen name joined to the folder it was chosen in.
  void AddFiles(const std::string& folder, const std::vector<std::string>& names);
  // The remove button: drops the rows at these indexes (any order, out-of-range ignored).
  void RemoveRows(std::vector<std::size_t> rows);

  std::vector<std::string> sources;
  std::string destination;  // DataPath("ROVEXCamera.txt")
  std::string browseFolder;  // where the destination browse starts: DataRoot()
  bool append = false;
  bool typePrefix = false;

  // The convert button; the dialog stays open whatever happens.
  void Convert(UserPrompt& prompt, const ProgressFunction& progress = {});
};

}  // namespace rovex::converters
