#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/settings_store.h"
#include "platform/user_prompt.h"
#include "settings/colour.h"

// The small readers and writers through which every feature reads a setting at
// the moment it needs it and writes it back when a dialog is confirmed. Each
// reader has a fixed fallback for a missing key or value, and some tell the
// user when the value (not the key) is missing.

namespace rovex {

class RegistrySettings {
 public:
  // The prompt may be null: messages are then dropped (rovex-cli, tests of fallbacks).
  RegistrySettings(SettingsStore& store, UserPrompt* prompt) : m_store(store), m_prompt(prompt) {}

  SettingsStore& Store() { return m_store; }
  bool KeyExists() const;

  // Text cut to capacity - 1 characters, the size of the caller's buffer.
  // Empty optional when the key or value is missing or is not text. No message.
  std::optional<std::string> TryReadText(const std::string& name, size_t capacity = 300) const;
  // As above, empty text when missing; when only the value is missing, shows the
  // value's message if it has one.
  std::string ReadTextSetting(const std::string& name, size_t capacity = 300);

  // 1 only when the stored number is exactly 1.
  int ReadFlagSetting(const std::string& name) const;
  std::optional<uint32_t> TryReadNumber(const std::string& name) const;
  // A number with the table's fallback for that name (0 when it has none).
  uint32_t ReadNumberSetting(const std::string& name) const;
  uint32_t ReadSpeedUnits() const { return ReadNumberSetting("SpeedUnits"); }
  uint32_t ReadMapScale() const { return ReadNumberSetting("MapScale"); }
  uint32_t ReadTrackLength() const { return ReadNumberSetting("TrackLength"); }
  uint32_t ReadShutdownSeconds() const { return ReadNumberSetting("ShutdownSeconds"); }
  uint32_t ReadVersion() const { return ReadNumberSetting("Version"); }
  // atoi of the stored text; +1 when missing.
  int ReadTimeZoneSetting() const;
  // Black when missing or unreadable.
  Colour ReadColourSetting(const std::string& name) const;

  // Writers create the key when it is missing. Failures are ignored except
  // where a message is named: colours, the map scale and the speed units.
  bool WriteTextSetting(const std::string& name, const std::string& text);
  bool WriteNumberSetting(const std::string& name, uint32_t number);
  bool WriteColourSetting(const std::string& name, Colour colour);
  bool WriteMapScaleSetting(uint32_t metres);
  bool WriteSpeedUnitsSetting(uint32_t units);

 private:
  void Tell(const std::string& text);

  SettingsStore& m_store;
  UserPrompt* m_prompt;
};

}  // namespace rovex
