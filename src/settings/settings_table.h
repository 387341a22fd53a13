#pragma once

#include <string>
#include <vector>

#include "platform/settings_store.h"

// Every value under "Software\ROVEX" with its kind and default, in the order
// the reset writes them. Folder and file defaults live under the data root.

namespace rovex {

inline constexpr const char* kRovexKey = "Software\\ROVEX";
inline constexpr const char* kPoiFilesKey = "Software\\ROVEX\\POIFiles";
inline constexpr int kSettingsVersion = 11;

struct SettingDefinition {
  std::string name;
  SettingValue defaultValue;
};

// The 73 values. dataRoot stands for "C:\ROVEX".
std::vector<SettingDefinition> SettingsTable(const std::string& dataRoot);

// The entry for a name, or null.
const SettingDefinition* FindSetting(const std::vector<SettingDefinition>& table, const std::string& name);

}  // namespace rovex
