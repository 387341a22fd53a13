#include <filesystem>

#include <gtest/gtest.h>

#include "platform/memory_settings_store.h"
#include "settings/colour.h"
#include "settings/colour_picker_model.h"
#include "settings/colours_model.h"
#include "settings/demo_seed.h"
#include "settings/map_scale_model.h"
#include "settings/registry_settings.h"
#include "settings/settings_reset.h"
#include "settings/settings_table.h"
#include "settings/speed_setup_model.h"
#include "settings/time_zone_model.h"
#include "settings/tracking_options_model.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"

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
}

TEST_F(RegistrySettingsTest, NumberFallbacksDependOnKeyOrValue) {
  // No key at all.
  EXPECT_EQ(settings.ReadMapScale(), 4000u);
  EXPECT_EQ(settings.ReadTrackLength(), 5000u);
  EXPECT_EQ(settings.ReadTimeZoneSetting(), 1);
  EXPECT_EQ(settings.ReadColourSetting("DayTimeBackGround"), (Colour{0, 0, 0}));
  // Key there, values missing.
  WithKey();
  EXPECT_EQ(settings.ReadMapScale(), 0u);
  EXPECT_EQ(settings.ReadTimeZoneSetting(), 1);
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(RegistrySettingsTest, TrackLengthWithinTheRingLimits) {
  WithKey();
  for (auto [stored, expected] : std::vector<std::pair<uint32_t, uint32_t>>{{100, 500}, {9000, 5000}, {1234, 1234}}) {
    Put("TrackLength", SettingValue::Number(stored));
    EXPECT_EQ(settings.ReadTrackLength(), expected) << stored;
  }
}

TEST_F(RegistrySettingsTest, MissingTextValuesTellTheUserButMissingKeysDoNot) {
  EXPECT_EQ(settings.ReadTextSetting("CameraFile"), "");
  EXPECT_TRUE(prompt.shown.empty());  // no key: silent

  WithKey();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Port", "Unable read the comm port name from the registry.\nPlease check the port settings ?"},
      {"RoutePick9", "Unable read the RoutePick file name from the registry."},
  };
  for (const auto& [name, message] : cases) {
    prompt.shown.clear();
    EXPECT_EQ(settings.ReadTextSetting(name), "");
    ASSERT_EQ(prompt.shown.size(), 1u) << name;
    EXPECT_EQ(prompt.shown[0].text, message);
  }
  prompt.shown.clear();
  EXPECT_EQ(settings.ReadTextSetting("TrailName"), "");
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(RegistrySettingsTest, TextIsCutToTheCallersBuffer) {
  Put("Port", SettingValue::Text("ttyUSB0-with-a-long-name"));
  EXPECT_EQ(settings.ReadTextSetting("Port", 8), "ttyUSB0");
  EXPECT_EQ(*settings.TryReadText("Port", 1), "");
}

TEST_F(RegistrySettingsTest, WriterFailuresShowTheirMessages) {
  store.SetWritesFail(true);
  EXPECT_FALSE(settings.WriteMapScaleSetting(2000));
  EXPECT_NE(prompt.shown.back().text.find("An error occurred writing the map scale setting"), std::string::npos);
  size_t before = prompt.shown.size();
  EXPECT_FALSE(settings.WriteTextSetting("Port", "Com2"));  // others ignore failures
  EXPECT_EQ(prompt.shown.size(), before);
}

class OptionModels : public ::testing::Test {
 protected:
  void SetUp() override { SettingsReset(store, prompt, "/data").CheckRegistry(false); }
  MemorySettingsStore store;
  testing::FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
};

TEST_F(OptionModels, TimeZoneKeepsTheTypedTextWithinTwelveHours) {
  for (auto [typed, stored, hours] : std::vector<std::tuple<std::string, std::string, int>>{
           {"13", "12", 12}, {"-13", "-12", -12}, {"+5", "+5", 5}, {"x", "x", 0}, {"-3", "-3", -3}, {"", "", 0}}) {
    TimeZoneModel::Ok(settings, typed);
    EXPECT_EQ(store.Read(kRovexKey, "TimeZone").value.text, stored) << typed;
    EXPECT_EQ(settings.ReadTimeZoneSetting(), hours) << typed;  // "x" reads 0: the clock shows UTC
  }
}

TEST_F(OptionModels, TrackingClampsTheRecordLength) {
  EXPECT_EQ(TrackingOptionsModel::Open(settings).recordLength, "5000");
  for (auto [typed, stored] : std::vector<std::pair<std::string, uint32_t>>{
           {"100", 500}, {"9000", 5000}, {"1234", 1234}, {"abc", 500}}) {
    TrackingOptionsModel::Ok(settings, {false, true, typed});
    EXPECT_EQ(store.Read(kRovexKey, "TrackLength").value.number, stored) << typed;
    EXPECT_EQ(TrackingOptionsModel::LengthAfterDialog(settings), stored);
  }
  store.Delete(kRovexKey, "TrackLength");
  EXPECT_EQ(TrackingOptionsModel::Open(settings).recordLength, "");
  EXPECT_EQ(TrackingOptionsModel::LengthAfterDialog(settings), 1000u);
}

TEST_F(OptionModels, SpeedUnitsAndMapScaleButtons) {
  EXPECT_EQ(SpeedSetupModel::Open(settings), SpeedSetupModel::Mph);
  SpeedSetupModel::Ok(settings, true, true, true);
  EXPECT_EQ(settings.ReadSpeedUnits(), 2u);
  SpeedSetupModel::Ok(settings, true, true, false);
  EXPECT_EQ(settings.ReadSpeedUnits(), 1u);
  store.Write(kRovexKey, "SpeedUnits", SettingValue::Number(7));
  EXPECT_FALSE(SpeedSetupModel::Open(settings).has_value());

  EXPECT_EQ(MapScaleModel::Open(settings), 3u);  // 4 km
  MapScaleModel::Ok(settings, 0);
  EXPECT_EQ(settings.ReadMapScale(), 500u);
  MapScaleModel::Ok(settings, std::nullopt);
  EXPECT_EQ(settings.ReadMapScale(), 5000u);
  EXPECT_FALSE(MapScaleModel::Open(settings).has_value());
}

TEST_F(OptionModels, ColourFieldsKeepTheirLowByteAndAreWrittenInOrder) {
  auto f = ColoursModel::Open(settings);
  EXPECT_EQ(f[ColoursModel::DayBack], (std::array<std::string, 3>{"0", "229", "152"}));
  f[ColoursModel::DayBack] = {"300", "-1", "12abc"};
  EXPECT_EQ(ColoursModel::ColourOf(f, ColoursModel::DayBack), (Colour{44, 255, 12}));
  ColoursModel::Ok(settings, f);
  EXPECT_EQ(store.Read(kRovexKey, "DayTimeBackGround").value.text, "2c ff 0c");
}

TEST(ColourPicker, RgbAndHsvFollowEachOther) {
  ColourPickerModel m;
  m.SetRgb({255, 0, 0});
  m.Set(ColourPickerModel::H, 120);
  EXPECT_EQ(m.Rgb(), (Colour{0, 255, 0}));
  m.Set(ColourPickerModel::V, 50);
  m.Set(ColourPickerModel::S, 0);
  EXPECT_EQ(m.Rgb(), (Colour{128, 128, 128}));
  EXPECT_EQ(m.Hue(), 120);  // grey keeps the hue the user chose
  // Every colour survives the trip through hue, saturation and value within rounding.
  for (int r = 0; r < 256; r += 51) {
    for (int g = 0; g < 256; g += 51) {
      for (int b = 0; b < 256; b += 51) {
        ColourPickerModel p({uint8_t(r), uint8_t(g), uint8_t(b)});
        Colour before = p.Rgb();
        p.Set(ColourPickerModel::H, p.Hue());
        EXPECT_NEAR(p.Rgb().red, before.red, 3);
        EXPECT_NEAR(p.Rgb().green, before.green, 3);
        EXPECT_NEAR(p.Rgb().blue, before.blue, 3);
      }
    }
  }
}



class SettingsResetTest : public ::testing::Test {
 protected:
  MemorySettingsStore store;
  FakePrompt prompt;
  SettingsReset reset{store, prompt, "/data"};
};

TEST_F(SettingsResetTest, FirstRunOffersTheResetAndCreatesEveryValue) {
  int stopped = 0, reloaded = 0;
  reset.SetBeforeReset([&] { ++stopped; });
  reset.SetAfterReset([&] {
    ++reloaded;
    // The view reloads its copies after all values exist.
    EXPECT_EQ(RegistrySettings(store, nullptr).ReadMapScale(), 4000u);
  });
  EXPECT_TRUE(reset.RunVersionCheck());
  ASSERT_EQ(prompt.confirmTitles, std::vector<std::string>{"Reset ROVEX options"});
  EXPECT_EQ(stopped, 1);
  EXPECT_EQ(reloaded, 1);
  auto values = store.Values(kRovexKey);
  ASSERT_EQ(values.size(), 73u);
  auto table = SettingsTable("/data");
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(values[i].first, table[i].name);
    EXPECT_EQ(values[i].second, table[i].defaultValue) << table[i].name;
  }
  EXPECT_TRUE(store.KeyExists(kPoiFilesKey));
  ASSERT_EQ(prompt.Texts().size(), 1u);
  EXPECT_EQ(prompt.Texts()[0].rfind("Registry check complete.", 0), 0u);
  // Neither is offered again.
  EXPECT_FALSE(reset.RunVersionCheck());
  reset.RunFirstRunQuestion();
  EXPECT_EQ(prompt.confirmTitles.size(), 1u);
}

TEST_F(SettingsResetTest, CancelledResetThenFirstRunQuestion) {
  prompt.QueueConfirm(false);
  EXPECT_TRUE(reset.RunVersionCheck());
  EXPECT_FALSE(store.KeyExists(kRovexKey));
  EXPECT_TRUE(prompt.shown.empty());
  // The question follows; Cancel explains, writes nothing.
  prompt.QueueAnswer(MsgResult::Cancel);
  reset.RunFirstRunQuestion();
  ASSERT_EQ(prompt.shown.size(), 2u);
  EXPECT_FALSE(store.KeyExists(kRovexKey));
  // OK runs the reset from its dialog.
  prompt.QueueAnswer(MsgResult::Ok);
  reset.RunFirstRunQuestion();
  EXPECT_TRUE(store.KeyExists(kRovexKey));
}

TEST_F(SettingsResetTest, OldVersionOffersTheReset) {
  store.Write(kRovexKey, "Version", SettingValue::Number(10));
  prompt.QueueConfirm(false);
  EXPECT_TRUE(reset.RunVersionCheck());
  store.Write(kRovexKey, "Version", SettingValue::Number(11));
  EXPECT_FALSE(reset.RunVersionCheck());
}

TEST_F(SettingsResetTest, ExistingConfigurationIsOverwrittenButPoiFilesKept) {
  store.Write(kRovexKey, "Port", SettingValue::Text("ttyUSB0"));
  store.Write(kRovexKey, "RoutePick3", SettingValue::Text("/home/me/work.csv"));
  store.Write(kRovexKey, "MapScale", SettingValue::Text("wrong kind"));
  store.Write(kRovexKey, "Unknown", SettingValue::Number(7));
  store.Write(kPoiFilesKey, "POIFile1", SettingValue::Text("/poi/pubs.csv"));
  EXPECT_TRUE(reset.CheckRegistry());
  EXPECT_EQ(store.Read(kRovexKey, "Port").value.text, "Com1");
  EXPECT_EQ(store.Read(kRovexKey, "RoutePick3").value.text, "");
  EXPECT_EQ(store.Read(kRovexKey, "MapScale").value, SettingValue::Number(4000));
  EXPECT_EQ(store.Read(kPoiFilesKey, "POIFile1").value.text, "/poi/pubs.csv");
  EXPECT_EQ(store.Read(kRovexKey, "Unknown").status, ReadStatus::Ok);  // the reset does not delete
}

TEST_F(SettingsResetTest, StoreThatCannotBeWrittenIsReportedNotClaimedDone) {
  store.SetWritesFail(true);
  reset.CheckRegistry();
  auto texts = prompt.Texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].rfind("An error occurred creating the registry key", 0), 0u);
}

namespace fs = std::filesystem;

class DemoSeedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(share.Path() + "/demo");
    fs::create_directories(share.Path() + "/Voice");
    share.Write("demo/ROVEXCamera.txt", "51.39,-1.33,A339,,,GATSO,Yes,30\n");
    share.Write("demo/demo_drive.txt", "$GPGGA\r\n");
    share.Write("demo/demo_route.csv", ";Demo\n");
    share.Write("demo/demo_poi.csv", "-1.3,51.3,Cafe\n");
    share.Write("Voice/1500.wav", "RIFF");
    share.Write("Voice/.made", "");
  }
  testing::TempDir share;
  testing::TempDir home;
};

TEST_F(DemoSeedTest, FirstRunSeedsFilesAndDefaultsThatPointAtThem) {
  MemorySettingsStore store;
  std::string error;
  DemoSeed seed(share.Path(), home.Path());
  ASSERT_TRUE(seed.SeedFirstRun(store, &error)) << error;
  RegistrySettings settings(store, nullptr);
  EXPECT_EQ(settings.ReadTextSetting("CameraFile"), seed.Files().cameraFile);
  EXPECT_EQ(settings.ReadTextSetting("VoiceFolder"), seed.Files().voiceFolder);
  EXPECT_EQ(home.Read("ROVEXCamera.txt"), "51.39,-1.33,A339,,,GATSO,Yes,30\n");
  EXPECT_EQ(home.Read("Voice/1500.wav"), "RIFF");
  EXPECT_TRUE(fs::exists(seed.Files().log));
  // A second start finds settings and seeds nothing.
  EXPECT_FALSE(seed.SeedFirstRun(store, &error));
}

TEST_F(DemoSeedTest, NeverOverwritesTheUsersFiles) {
  home.Write("ROVEXCamera.txt", "my own cameras\n");
  MemorySettingsStore store;
  std::string error;
  DemoSeed seed(share.Path(), home.Path());
  ASSERT_TRUE(seed.SeedFirstRun(store, &error)) << error;
  EXPECT_EQ(home.Read("ROVEXCamera.txt"), "my own cameras\n");
}

TEST_F(DemoSeedTest, IncompleteShareFolderIsReportedAndWritesNoSettings) {
  fs::remove(share.File("demo/demo_drive.txt"));
  MemorySettingsStore store;
  std::string error;
  EXPECT_FALSE(DemoSeed(share.Path(), home.Path()).SeedFirstRun(store, &error));
  EXPECT_NE(error.find("demo_drive.txt"), std::string::npos);
  EXPECT_FALSE(store.KeyExists(kRovexKey));
}

}  // namespace
}  // namespace rovex
