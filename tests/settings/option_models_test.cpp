#include <gtest/gtest.h>

#include "platform/memory_settings_store.h"
#include "settings/colour_picker_model.h"
#include "settings/colours_model.h"
#include "settings/map_scale_model.h"
#include "settings/settings_reset.h"
#include "settings/settings_table.h"
#include "settings/speed_setup_model.h"
#include "settings/time_zone_model.h"
#include "settings/tracking_options_model.h"
#include "support/fake_prompt.h"

namespace rovex {
namespace {

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
  auto v = TrackingOptionsModel::Open(settings);
  EXPECT_TRUE(v.logTrack);
  EXPECT_TRUE(v.displayTrack);
  EXPECT_EQ(v.recordLength, "5000");
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
  store.SetWritesFail(true);
  EXPECT_FALSE(MapScaleModel::Ok(settings, 1));
  EXPECT_NE(prompt.shown.back().text.find("An error occurred writing the map scale setting"), std::string::npos);
}

TEST_F(OptionModels, ColourFieldsKeepTheirLowByteAndAreWrittenInOrder) {
  auto f = ColoursModel::Open(settings);
  EXPECT_EQ(f[ColoursModel::DayBack], (std::array<std::string, 3>{"0", "229", "152"}));
  EXPECT_EQ(f[ColoursModel::NightFont], (std::array<std::string, 3>{"0", "232", "157"}));
  f[ColoursModel::DayBack] = {"300", "-1", "12abc"};
  EXPECT_EQ(ColoursModel::ColourOf(f, ColoursModel::DayBack), (Colour{44, 255, 12}));
  ColoursModel::Ok(settings, f);
  EXPECT_EQ(store.Read(kRovexKey, "DayTimeBackGround").value.text, "2c ff 0c");
  EXPECT_EQ(settings.ReadColourSetting("NightTimeForeGround"), (Colour{0, 232, 157}));
}

TEST(ColourPicker, RgbAndHsvFollowEachOther) {
  ColourPickerModel m;
  m.SetRgb({255, 0, 0});
  m.Set(ColourPickerModel::H, 120);
  EXPECT_EQ(m.Rgb(), (Colour{0, 255, 0}));
  m.Set(ColourPickerModel::V, 50);
  EXPECT_EQ(m.Rgb(), (Colour{0, 128, 0}));
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

}  // namespace
}  // namespace rovex
