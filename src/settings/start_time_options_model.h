#pragma once

#include <functional>
#include <string>

#include "platform/user_prompt.h"
#include "settings/registry_settings.h"

// "Start Time Options" (CDlgStartTimeOptions): the two route start timers and
// the night timer. The texts are kept exactly as typed; start-up normalises them.

namespace rovex {

class StartTimeOptionsModel {
 public:
  static constexpr const char* kTitle = "Start Time Options";
  static constexpr const char* kHeading = "Actions that take place when ROVEX is started between specified times.";
  static constexpr const char* kRouteFilter = "Route file (*.csv)|*.csv||";

  struct Timer {
    std::string start, end, file;
    bool enable = false;
  };
  struct Values {
    Timer timers[2];
    std::string nightStart, nightEnd;
    bool nightEnable = false;
  };

  // pickSlot shows the route picker and answers the slot chosen (1..9), 0 for none.
  StartTimeOptionsModel(RegistrySettings& settings, UserPrompt* prompt, std::function<int()> pickSlot)
      : m_settings(settings), m_prompt(prompt), m_pickSlot(std::move(pickSlot)) {}

  // All eleven values; the readers tell of missing texts.
  void Open();
  Values& Fields() { return m_values; }
  // "&Browse" / "B&rowse" of timer 0 or 1: a route file chosen goes into its field.
  void Browse(int timer);
  // "&Picker" / "P&icker": the picked slot's RoutePick file goes into the field.
  void Picker(int timer);
  void Ok();

 private:
  RegistrySettings& m_settings;
  UserPrompt* m_prompt;
  std::function<int()> m_pickSlot;
  Values m_values;
};

}  // namespace rovex
