#include "settings/start_up_plan.h"

#include "settings/start_times.h"

namespace rovex {
namespace {

// A time value: a missing one is told by its reader.
std::optional<std::string> ReadTime(RegistrySettings& settings, const std::string& name) {
  std::optional<std::string> text = settings.TryReadText(name, 9);
  if (!text) settings.ReadTextSetting(name, 9);
  return text;
}

bool InWindow(RegistrySettings& settings, const std::string& now, const std::string& startName,
              const std::string& endName) {
  std::optional<std::string> start = ReadTime(settings, startName);
  std::optional<std::string> end = ReadTime(settings, endName);
  return start && end && InTimeWindow(now, NormaliseTime(*start), NormaliseTime(*end));
}

}  // namespace

std::optional<StartTimerChoice> ChooseStartTimer(RegistrySettings& settings, const std::string& now) {
  for (int timer : {1, 2}) {
    const std::string n = std::to_string(timer);
    if (settings.ReadFlagSetting("StartTimerEnable" + n) != 1) continue;
    if (!InWindow(settings, now, "StartTimerStartTime" + n, "StartTimerEndTime" + n)) continue;
    const std::string fileName = "StartTimerFilename" + n;
    std::optional<std::string> file = settings.TryReadText(fileName, 299);
    if (!file) {
      settings.ReadTextSetting(fileName, 299);
      continue;
    }
    return StartTimerChoice{timer, *file};
  }
  return std::nullopt;
}

void UseStartTimer(RegistrySettings& settings, const StartTimerChoice& choice) {
  settings.WriteTextSetting("RouteName", choice.file);
  settings.WriteNumberSetting("AutoStartRoute", 1);
}

bool NightTimerApplies(RegistrySettings& settings, const std::string& now) {
  return settings.ReadFlagSetting("NightTimerEnable") == 1 &&
         InWindow(settings, now, "NightTimerStartTime", "NightTimerEndTime");
}

std::vector<std::string> StartUpSteps(RegistrySettings& settings, const std::string& now) {
  std::vector<std::string> steps;
  if (settings.ReadFlagSetting("AutoStartGPS") == 1) steps.push_back("gps start");
  if (settings.ReadFlagSetting("AutoStartLog") == 1) steps.push_back("log start");
  if (std::optional<StartTimerChoice> timer = ChooseStartTimer(settings, now)) {
    steps.push_back("timer " + std::to_string(timer->timer) + " " + timer->file);
    steps.push_back("write RouteName " + timer->file);
    steps.push_back("write AutoStartRoute 1");
    steps.push_back("route " + timer->file);
  } else if (settings.ReadFlagSetting("AutoStartRoute") == 1) {
    if (std::optional<std::string> route = settings.TryReadText("RouteName", 299)) {
      steps.push_back("route " + *route);
    } else {
      settings.ReadTextSetting("RouteName", 299);
    }
  }
  steps.push_back(NightTimerApplies(settings, now) ? "colours night" : "colours day");
  if (settings.ReadFlagSetting("AutoStartTrail") == 1) {
    steps.push_back("trail " + settings.TryReadText("TrailName", 299).value_or(""));
  }
  return steps;
}

}  // namespace rovex
