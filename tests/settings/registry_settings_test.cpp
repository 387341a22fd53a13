#include <gtest/gtest.h>

#include "platform/memory_settings_store.h"
#include "settings/colour.h"
#include "settings/registry_settings.h"
#include "settings/settings_table.h"
#include "support/fake_prompt.h"

namespace rovex {
namespace {

using testing::FakePrompt;

class RegistrySettingsTest : public ::testing::Test {
 protected:
  void WithKey() { store.CreateKey(kRovexKey); }
  void Put(const std::string& name, SettingValue v) { store.Write(kRovexKey, name, v); }

  MemorySettingsStore store;
  FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
};

TEST_F(RegistrySettingsTest, FlagIsOnOnlyForExactlyOne) {
  WithKey();
  for (auto [stored, expected] : std::vector<std::pair<uint32_t, int>>{{1, 1}, {0, 0}, {2, 0}, {0xffffffffu, 0}}) {
    Put("LogTrack", SettingValue::Number(stored));
    EXPECT_EQ(settings.ReadFlagSetting("LogTrack"), expected) << stored;
  }
  Put("LogTrack", SettingValue::Text("1"));  // wrong kind reads as missing
  EXPECT_EQ(settings.ReadFlagSetting("LogTrack"), 0);
  EXPECT_EQ(settings.ReadFlagSetting("AutoStartGPS"), 0);
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(RegistrySettingsTest, NumberFallbacksDependOnKeyOrValue) {
  // No key at all.
  EXPECT_EQ(settings.ReadMapScale(), 4000u);
  EXPECT_EQ(settings.ReadTrackLength(), 5000u);
  EXPECT_EQ(settings.ReadShutdownSeconds(), 5u);
  EXPECT_EQ(settings.ReadSpeedUnits(), 0u);
  EXPECT_LT(settings.ReadVersion(), 11u);
  EXPECT_EQ(settings.ReadTimeZoneSetting(), 1);
  // Key there, values missing.
  WithKey();
  EXPECT_EQ(settings.ReadMapScale(), 0u);
  EXPECT_EQ(settings.ReadTrackLength(), 5000u);
  EXPECT_EQ(settings.ReadShutdownSeconds(), 5u);
  EXPECT_EQ(settings.ReadTimeZoneSetting(), 1);
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(RegistrySettingsTest, TrackLengthWithinTheRingLimitsAndTimeZoneByAtoi) {
  WithKey();
  for (auto [stored, expected] : std::vector<std::pair<uint32_t, uint32_t>>{{100, 500}, {9000, 5000}, {1234, 1234}}) {
    Put("TrackLength", SettingValue::Number(stored));
    EXPECT_EQ(settings.ReadTrackLength(), expected) << stored;
  }
  for (auto [stored, expected] : std::vector<std::pair<std::string, int>>{{"-5", -5}, {"+1", 1}, {"x", 0}, {"3h", 3}}) {
    Put("TimeZone", SettingValue::Text(stored));
    EXPECT_EQ(settings.ReadTimeZoneSetting(), expected) << stored;
  }
}

TEST_F(RegistrySettingsTest, ColoursReadAndWriteInTheirTextForm) {
  Colour c;
  EXPECT_TRUE(ParseColour("00 FF 80 FF", &c));  // only the first three count
  EXPECT_EQ(c, (Colour{0, 255, 128}));
  EXPECT_FALSE(ParseColour("red", &c));
  EXPECT_EQ(c, (Colour{0, 0, 0}));
  EXPECT_EQ(settings.ReadColourSetting("DayTimeBackGround"), (Colour{0, 0, 0}));  // missing: black
  ASSERT_TRUE(settings.WriteColourSetting("DayTimeBackGround", {1, 2, 255}));
  EXPECT_EQ(store.Read(kRovexKey, "DayTimeBackGround").value.text, "01 02 ff");
  EXPECT_EQ(settings.ReadColourSetting("DayTimeBackGround"), (Colour{1, 2, 255}));
}

TEST_F(RegistrySettingsTest, MissingTextValuesTellTheUserButMissingKeysDoNot) {
  EXPECT_EQ(settings.ReadTextSetting("CameraFile"), "");
  EXPECT_TRUE(prompt.shown.empty());  // no key: silent

  WithKey();
  // Which values tell the user when missing, and their texts: a sample across the kinds.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Port", "Unable read the comm port name from the registry.\nPlease check the port settings ?"},
      {"CameraFile", "Unable read the camera file name from the registry."},
      {"RoutePick9", "Unable read the RoutePick file name from the registry."},
      {"StartTimerStartTime1", "Unable read the StartTimerStartTime1 time from the registry."},
  };
  for (const auto& [name, message] : cases) {
    prompt.shown.clear();
    EXPECT_EQ(settings.ReadTextSetting(name), "");
    ASSERT_EQ(prompt.shown.size(), 1u) << name;
    EXPECT_EQ(prompt.shown[0].text, message);
  }
  for (const char* silent : {"StartTimerFilename2", "TrailName"}) {
    prompt.shown.clear();
    EXPECT_EQ(settings.ReadTextSetting(silent), "");
    EXPECT_TRUE(prompt.shown.empty()) << silent;
  }
}

TEST_F(RegistrySettingsTest, TextIsCutToTheCallersBuffer) {
  Put("Port", SettingValue::Text("ttyUSB0-with-a-long-name"));
  EXPECT_EQ(settings.ReadTextSetting("Port", 8), "ttyUSB0");
  EXPECT_EQ(*settings.TryReadText("Port", 1), "");
}

TEST_F(RegistrySettingsTest, WriterFailuresShowTheirMessages) {
  store.SetWritesFail(true);
  EXPECT_FALSE(settings.WriteMapScaleSetting(2000));
  EXPECT_EQ(prompt.shown.back().text,
            "0x5\nAn error occurred writing the map scale setting to the registry.\nHKEY_CURRENT_USER\n"
            "Software\\ROVEX\\MapScale");
  size_t before = prompt.shown.size();
  EXPECT_FALSE(settings.WriteTextSetting("Port", "Com2"));  // others ignore failures
  EXPECT_EQ(prompt.shown.size(), before);
}

}  // namespace
}  // namespace rovex
