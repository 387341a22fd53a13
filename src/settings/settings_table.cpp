#include "settings/settings_table.h"

#include "platform/data_root.h"

namespace rovex {

std::vector<SettingDefinition> SettingsTable(const std::string& dataRoot) {
  auto text = [](const char* name, std::string value) { return SettingDefinition{name, SettingValue::Text(std::move(value))}; };
  auto number = [](const char* name, uint32_t value) { return SettingDefinition{name, SettingValue::Number(value)}; };
  auto path = [&](const char* name, const char* relative) { return text(name, JoinPath(dataRoot, relative)); };

  std::vector<SettingDefinition> t = {
      text("Port", "Com1"),
      text("Speed", "4800"),
      text("Parity", "None"),
      text("StopBits", "1"),
      text("DataBits", "8"),
      number("SpeedUnits", 0),
      path("MapFile", "ROVEXMap.txt"),
      path("MarkFile", "MarkedSpots.txt"),
      path("TrafficFile", "ROVEXTraffic.txt"),
      path("CameraFile", "ROVEXCamera.txt"),
      path("VoiceFolder", "Voice"),
      path("LogFolder", "Log"),
      path("ImagesFolder", "Images"),
      path("POIFolder", "POI"),
      number("POIFileNameCount", 0),
      number("MapScale", 4000),
      number("LogTrack", 1),
      number("DisplayTrack", 1),
      number("TrackLength", 5000),
      number("AverageSpeed", 1),
      text("TimeZone", "+1"),
      text("DayTimeBackGround", "00 e5 98"),
      text("NightTimeBackGround", "00 13 7a"),
      text("DayTimeForeGround", "00 00 00"),
      text("NightTimeForeGround", "00 e8 9d"),
      text("NMEADayTimeBackGround", "00 00 00"),
      text("NMEANightTimeBackGround", "00 00 00"),
      text("NMEADayTimeForeGround", "00 FF FF FF"),
      text("NMEANightTimeForeGround", "00 FF FF FF"),
      number("Version", kSettingsVersion),
      text("RouteName", ""),
      path("RouteFolder", "Route"),
      number("DisplayRouteNumber", 1),
      number("DisplayRouteText1", 1),
      number("Exclude", 1),
      number("SayExcluded", 1),
      number("DisplayRouteText2", 1),
      number("RouteUseMSAgent", 1),
      text("MSAgentACS", "C:\\Windows\\msagent\\chars\\Merlin.acs"),
      number("MSAgentSound", 0),
      number("RouteMotorway", 0),
      number("RouteCountry", 1),
      number("RouteTown", 0),
      number("AutoStartSize", 1),
      number("AutoStartGPS", 0),
      number("AutoStartLog", 0),
      number("AutoStartRoute", 0),
  };
  for (int i = 1; i <= 9; ++i) t.push_back(text(("RoutePick" + std::to_string(i)).c_str(), ""));
  const std::vector<SettingDefinition> rest = {
      number("AutoStartTrail", 0),
      text("TrailName", ""),
      text("StartTimerStartTime1", ""),
      text("StartTimerEndTime1", ""),
      text("StartTimerFilename1", ""),
      number("StartTimerEnable1", 0),
      text("StartTimerStartTime2", ""),
      text("StartTimerEndTime2", ""),
      text("StartTimerFilename2", ""),
      number("StartTimerEnable2", 0),
      text("NightTimerStartTime", ""),
      text("NightTimerEndTime", ""),
      number("ShutdownSeconds", 5),
      number("DisableShutdown", 0),
      number("NightTimerEnable", 0),
      text("AtlasFolder", ""),
      number("AtlasZoom", 13),
  };
  t.insert(t.end(), rest.begin(), rest.end());
  return t;
}

const SettingDefinition* FindSetting(const std::vector<SettingDefinition>& table, const std::string& name) {
  for (const auto& d : table) {
    if (d.name == name) return &d;
  }
  return nullptr;
}

}  // namespace rovex
