#include <filesystem>

#include <gtest/gtest.h>

#include "platform/memory_settings_store.h"
#include "settings/demo_seed.h"
#include "settings/registry_settings.h"
#include "settings/settings_table.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

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
  EXPECT_FALSE(fs::exists(home.File("Voice/.made")));
  EXPECT_TRUE(fs::exists(seed.Files().log));
  // A second start finds settings and seeds nothing.
  EXPECT_FALSE(seed.SeedFirstRun(store, &error));
}

TEST_F(DemoSeedTest, NeverOverwritesTheUsersFilesOrSettings) {
  home.Write("ROVEXCamera.txt", "my own cameras\n");
  MemorySettingsStore store;
  std::string error;
  DemoSeed seed(share.Path(), home.Path());
  ASSERT_TRUE(seed.SeedFirstRun(store, &error)) << error;
  EXPECT_EQ(home.Read("ROVEXCamera.txt"), "my own cameras\n");

  MemorySettingsStore configured;
  configured.Write(kRovexKey, "CameraFile", SettingValue::Text("/elsewhere.txt"));
  EXPECT_FALSE(seed.SeedFirstRun(configured, &error));
  EXPECT_EQ(configured.Read(kRovexKey, "CameraFile").value.text, "/elsewhere.txt");
  EXPECT_EQ(configured.Values(kRovexKey).size(), 1u);
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
