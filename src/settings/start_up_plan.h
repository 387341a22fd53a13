#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/registry_settings.h"

// The choices start-up makes from the settings and the time of day: which
// start timer gives the route, and whether the night timer's window holds the
// time. `now` is the local time as "%H:%M". Missing values are told by their
// readers and the timer is skipped.

namespace rovex {

struct StartTimerChoice {
  int timer = 0;     // 1 or 2
  std::string file;  // its route file
};

// Timer 1, then timer 2: the first enabled one whose window holds now and
// whose route file can be read.
std::optional<StartTimerChoice> ChooseStartTimer(RegistrySettings& settings, const std::string& now);
// The timer's route becomes the route, and route auto-start stays on for later runs.
void UseStartTimer(RegistrySettings& settings, const StartTimerChoice& choice);

bool NightTimerApplies(RegistrySettings& settings, const std::string& now);

// What start-up would do at that time, one step a line, without doing it:
// "gps start", "log start", "timer K FILE", "write NAME VALUE", "route FILE",
// "colours night" or "colours day", "trail FILE".
std::vector<std::string> StartUpSteps(RegistrySettings& settings, const std::string& now);

}  // namespace rovex
