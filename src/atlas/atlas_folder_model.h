#pragma once

#include <string>

// The rules of "Default Trekbuddy atlas folder" (`CAtlasFolder`): the folder
// box filled from `AtlasFolder`; OK (and "Apply and view map") stores it.

namespace rovex {
class RegistrySettings;
}

namespace rovex::atlas {

struct AtlasFolderModel {
  explicit AtlasFolderModel(RegistrySettings& settings);
  void Ok();

  RegistrySettings& settings;
  std::string folder;
  bool applyAndView = false;  // closed with "Apply and view map"
};

}  // namespace rovex::atlas
