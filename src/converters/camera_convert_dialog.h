#pragma once

#include <string>

#include "converters/camera_converters.h"
#include "platform/user_prompt.h"

// The rules of the "Pocket GPS camera to CSV file" and "Garmin to CSV file"
// dialogs: their starting values, and what Convert does.

namespace rovex::converters {

class CameraConvertDialog {
 public:
  enum class List { PocketGps, Garmin };

  static constexpr const char* kBrowseFilter = "All files (*.*)|*.*||";

  explicit CameraConvertDialog(List list);

  const char* Title() const;

  std::string source;       // DataPath("pocketgps_uk_sc.csv") or DataPath("Speed_Cam_Uk.csv")
  std::string destination;  // DataPath("ROVEXCamera.txt")
  bool append = false;

  // Converts and shows the messages; true when the dialog closes (a
  // conversion that went through).
  bool Convert(UserPrompt& prompt, const ProgressFunction& progress = {});

 private:
  List m_list;
};

}  // namespace rovex::converters
