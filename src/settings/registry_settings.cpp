#include "settings/registry_settings.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "settings/settings_table.h"

namespace rovex {
namespace {

// Messages shown when a text value is missing from an existing key.
const std::map<std::string, std::string>& MissingTextMessages() {
  static const std::map<std::string, std::string> messages = [] {
    std::map<std::string, std::string> m = {
        {"Port", "Unable read the comm port name from the registry.\nPlease check the port settings ?"},
        {"CameraFile", "Unable read the camera file name from the registry."},
        {"MarkFile", "Unable read the mark file name from the registry."},
        {"VoiceFolder", "Unable read the voice folder file name from the registry."},
        {"LogFolder", "Unable read the log folder file name from the registry."},
        {"POIFolder", "Unable read the POI folder file name from the registry."},
        {"RouteName", "Unable read the route file name from the registry."},
        {"MSAgentACS", "Unable read the msagent .acs file name from the registry."},
        {"NightTimerStartTime", "Unable read the NightTimerStartTime time from the registry."},
        {"NightTimerEndTime", "Unable read the NightTimerEndTime time from the registry."},
        {"StartTimerFilename1", "Unable read the StartTimerFilename1 file name from the registry."},
        {"StartTimerStartTime1", "Unable read the StartTimerStartTime1 time from the registry."},
        {"StartTimerEndTime1", "Unable read the StartTimerEndTime1 time from the registry."},
    };
    for (int i = 1; i <= 9; ++i) {
      m["RoutePick" + std::to_string(i)] = "Unable read the RoutePick file name from the registry.";
    }
    return m;
  }();
  return messages;
}

struct NumberFallback {
  uint32_t keyMissing;
  uint32_t valueMissing;
};

NumberFallback FallbackFor(const std::string& name) {
  if (name == "MapScale") return {4000, 0};
  if (name == "TrackLength") return {5000, 5000};
  if (name == "ShutdownSeconds") return {5, 5};
  return {0, 0};  // SpeedUnits (mph), Version (below 11, so the reset is offered), others
}

std::string KeyPath(const std::string& name) { return std::string(kRovexKey) + "\\" + name; }

}  // namespace

bool RegistrySettings::KeyExists() const { return m_store.KeyExists(kRovexKey); }

void RegistrySettings::Tell(const std::string& text) {
  if (m_prompt) m_prompt->MessageBox(text, MsgIcon::Warning, MsgButtons::Ok);
}

std::optional<std::string> RegistrySettings::TryReadText(const std::string& name, size_t capacity) const {
  SettingRead r = m_store.Read(kRovexKey, name);
  if (r.status != ReadStatus::Ok || r.value.kind != SettingValue::Kind::Text) return std::nullopt;
  std::string text = r.value.text;
  if (capacity > 0 && text.size() > capacity - 1) text.resize(capacity - 1);
  return text;
}

std::string RegistrySettings::ReadTextSetting(const std::string& name, size_t capacity) {
  if (auto text = TryReadText(name, capacity)) return *text;
  if (KeyExists()) {
    const auto& messages = MissingTextMessages();
    if (auto m = messages.find(name); m != messages.end()) Tell(m->second);
  }
  return {};
}

int RegistrySettings::ReadFlagSetting(const std::string& name) const {
  auto n = TryReadNumber(name);
  return n && *n == 1 ? 1 : 0;
}

std::optional<uint32_t> RegistrySettings::TryReadNumber(const std::string& name) const {
  SettingRead r = m_store.Read(kRovexKey, name);
  if (r.status != ReadStatus::Ok || r.value.kind != SettingValue::Kind::Number) return std::nullopt;
  return r.value.number;
}

uint32_t RegistrySettings::ReadNumberSetting(const std::string& name) const {
  SettingRead r = m_store.Read(kRovexKey, name);
  NumberFallback fallback = FallbackFor(name);
  uint32_t value;
  if (r.status == ReadStatus::KeyMissing) {
    value = fallback.keyMissing;
  } else if (r.status != ReadStatus::Ok || r.value.kind != SettingValue::Kind::Number) {
    value = fallback.valueMissing;
  } else {
    value = r.value.number;
  }
  if (name == "TrackLength") {
    // The ring is sized from this: keep it within what the tracking dialog allows.
    if (value < 500) value = 500;
    if (value > 5000) value = 5000;
  }
  return value;
}

int RegistrySettings::ReadTimeZoneSetting() const {
  auto text = TryReadText("TimeZone", 50);
  return text ? std::atoi(text->c_str()) : 1;
}

Colour RegistrySettings::ReadColourSetting(const std::string& name) const {
  Colour c;
  if (auto text = TryReadText(name, 50)) ParseColour(*text, &c);
  return c;
}

bool RegistrySettings::WriteTextSetting(const std::string& name, const std::string& text) {
  return m_store.Write(kRovexKey, name, SettingValue::Text(text));
}

bool RegistrySettings::WriteNumberSetting(const std::string& name, uint32_t number) {
  return m_store.Write(kRovexKey, name, SettingValue::Number(number));
}

bool RegistrySettings::WriteColourSetting(const std::string& name, Colour colour) {
  if (!m_store.CreateKey(kRovexKey)) {
    Tell(std::string("An error occurred creating or opening the registry key\n") + "HKEY_CURRENT_USER\n" + kRovexKey);
    return false;
  }
  if (!m_store.Write(kRovexKey, name, SettingValue::Text(FormatColour(colour)))) {
    Tell(std::string("An error occurred setting the registry value\n") + "HKEY_CURRENT_USER\n" + KeyPath(name));
    return false;
  }
  return true;
}

bool RegistrySettings::WriteMapScaleSetting(uint32_t metres) {
  if (WriteNumberSetting("MapScale", metres)) return true;
  char code[16];
  std::snprintf(code, sizeof code, "0x%x", static_cast<unsigned>(m_store.LastErrorCode()));
  Tell(std::string(code) + "\nAn error occurred writing the map scale setting to the registry.\n" +
       "HKEY_CURRENT_USER\n" + KeyPath("MapScale"));
  return false;
}

bool RegistrySettings::WriteSpeedUnitsSetting(uint32_t units) {
  if (WriteNumberSetting("SpeedUnits", units)) return true;
  char code[16];
  std::snprintf(code, sizeof code, "0x%x", static_cast<unsigned>(m_store.LastErrorCode()));
  Tell(std::string(code) + "\nAn error occurred writing the speed setting to the registry.\n" +
       "HKEY_CURRENT_USER\n" + KeyPath("SpeedUnits"));
  return false;
}

}  // namespace rovex
