#include <gtest/gtest.h>

#include "platform/file_settings_store.h"
#include "platform/memory_settings_store.h"
#include "settings/registry_settings.h"
#include "settings/settings_reset.h"
#include "settings/settings_table.h"
#include "support/fake_prompt.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

using testing::FakePrompt;

const char* kComplete =
    "Registry check complete.\nThis programs settings are now reset to default values.\n\nYou may need to use the "
    "Options menu and set your com port.";

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
  EXPECT_TRUE(store.Values(kPoiFilesKey).empty());
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{kComplete});
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
  EXPECT_EQ(prompt.shown[0].buttons, MsgButtons::OkCancel);
  EXPECT_EQ(prompt.shown[0].text.rfind("Setup registry values?\n\n", 0), 0u);
  EXPECT_EQ(prompt.shown[1].text.rfind("Some parts of the ROVEX program will not operate properly", 0), 0u);
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
  EXPECT_EQ(texts[0], "An error occurred creating the registry key\nHKEY_CURRENT_USER\nSoftware\\ROVEX");
  EXPECT_EQ(texts[1], "An error occurred creating the registry key\nHKEY_CURRENT_USER\nSoftware\\ROVEX\\POIFiles");
  EXPECT_EQ(texts[2], kComplete);
}

TEST(SettingsResetFile, ResetWritesOneCompleteFile) {
  testing::TempDir dir;
  FileSettingsStore store(dir.File("settings.conf"));
  FakePrompt prompt;
  SettingsReset(store, prompt, "/data").CheckRegistry(false);
  FileSettingsStore again(dir.File("settings.conf"));
  EXPECT_EQ(again.Values(kRovexKey).size(), 73u);
  EXPECT_EQ(RegistrySettings(again, nullptr).ReadVersion(), 11u);
  EXPECT_TRUE(again.KeyExists(kPoiFilesKey));
}

}  // namespace
}  // namespace rovex
