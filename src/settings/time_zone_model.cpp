#include "settings/time_zone_model.h"

#include <cstdlib>

namespace rovex {

std::string TimeZoneModel::Open(const RegistrySettings& settings) {
  return settings.TryReadText("TimeZone", 51).value_or("");
}

std::string TimeZoneModel::Stored(const std::string& typed) {
  int hours = std::atoi(typed.c_str());
  if (hours < -12) return "-12";
  if (hours > 12) return "12";
  return typed;
}

void TimeZoneModel::Ok(RegistrySettings& settings, const std::string& typed) {
  settings.WriteTextSetting("TimeZone", Stored(typed));
}

}  // namespace rovex
