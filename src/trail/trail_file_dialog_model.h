#pragma once

#include <string>

#include "platform/user_prompt.h"
#include "settings/registry_settings.h"

// "Select default trail file" (CDlgTrailFile): the trail loaded at start-up
// when `AutoStartTrail` is 1, kept as `TrailName`. "Apply and load trail now"
// stores it as OK does and asks for the trail to be loaded at once.

namespace rovex {

class TrailFileDialogModel {
 public:
  static constexpr const char* kTitle = "Select default trail file";
  static constexpr const char* kNote = "Choose the default trail file to use when autostarting.";
  static constexpr const char* kApplyAndLoad = "Apply and load trail now";
  static constexpr const char* kFilter = "ROVEX Trail file (*.gpx;*.txt)|*.gpx; *.txt|All files (*.*)|*.*||";
  static constexpr const char* kDefaultExtension = "gpx,txt";
  static constexpr std::size_t kChosenNameLimit = 254;
  static constexpr std::size_t kFieldLimit = 500;

  TrailFileDialogModel(RegistrySettings& settings, UserPrompt* prompt) : m_settings(settings), m_prompt(prompt) {}

  // The field from TrailName; empty, after a message, when it cannot be read.
  void Open();
  void Browse();
  // Writes the field as TrailName.
  bool Ok();

  std::string path;
  bool loadNow = false;  // closed with "Apply and load trail now"

 private:
  RegistrySettings& m_settings;
  UserPrompt* m_prompt;
};

// "C:\ROVEX\Trails", where the default trail's chooser opens.
std::string TrailsFolder();

}  // namespace rovex
