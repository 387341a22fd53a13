#pragma once

#include <string>

#include "platform/user_prompt.h"
#include "settings/registry_settings.h"

// "Route speech options" (CDlg_Route_MSAgent): the speech timing (motorway,
// country, town, one at a time) and whether route steps are spoken.

namespace rovex {

class RouteSpeechOptionsModel {
 public:
  static constexpr const char* kTitle = "Route speech options";

  enum class Timing { Motorway, Country, Town };

  RouteSpeechOptionsModel(RegistrySettings& settings, UserPrompt* prompt) : m_settings(settings), m_prompt(prompt) {}

  // Reads MSAgentACS (with its message when missing), the switch and the timing.
  void Open();
  // Ticking one timing box clears the other two.
  void TickTiming(Timing timing);
  // "&Enable route step speech": the switch is written at once, turned over from its stored value.
  void ClickEnable();
  // Writes MSAgentACS back as read, the three timings and the switch from the boxes.
  void Ok();

  bool motorway = false;
  bool country = false;
  bool town = false;
  bool enabled = false;

 private:
  RegistrySettings& m_settings;
  UserPrompt* m_prompt;
  std::string m_acs;
};

}  // namespace rovex
