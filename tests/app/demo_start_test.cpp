#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include <QApplication>

#include "app/rovex_app.h"
#include "platform/memory_settings_store.h"
#include "settings/registry_settings.h"
#include "settings/settings_table.h"
#include "support/fake_prompt.h"
#include "support/fake_shell_opener.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

// The program started as `make run` starts it, by default on a machine that has
// never run ROVEX: the data root is seeded from the share folder beside the build's programs.
struct DemoStart {
  MemorySettingsStore store;
  testing::FakePrompt prompt;
  testing::FakeShellOpener shell;
  testing::TempDir home;
  std::unique_ptr<CROVEXApp> app;

  void Run(CROVEXApp::Demo demo, double speed = 50.0) {
    setenv("ROVEX_HOME", home.Path().c_str(), 1);
    Services services;
    services.store = &store;
    services.prompt = &prompt;
    services.shell = &shell;
    app = std::make_unique<CROVEXApp>(services);
    app->SetDemo(demo, speed);
    app->InitInstance(false);
    QApplication::processEvents();
  }
};

TEST(DemoStartTest, FirstRunSeedsTheDataRootAndPlaysTheDriveWithoutQuestions) {
  DemoStart s;
  s.Run(CROVEXApp::Demo::FirstRun);
  EXPECT_TRUE(s.prompt.shown.empty());
  EXPECT_TRUE(s.prompt.confirmTitles.empty());
  RegistrySettings settings(s.store, nullptr);
  EXPECT_EQ(settings.ReadTextSetting("CameraFile"), s.home.File("ROVEXCamera.txt"));
  EXPECT_EQ(settings.ReadTextSetting("VoiceFolder"), s.home.File("Voice"));
  EXPECT_TRUE(std::filesystem::exists(s.home.File("Voice/1500.wav")));
  EXPECT_EQ(s.app->DemoLog(), s.home.File("Log/demo_drive.txt"));

  DemoStart plain;  // a plain first start of an unconfigured program offers the reset instead
  plain.Run(CROVEXApp::Demo::Off);
  EXPECT_TRUE(plain.app->DemoLog().empty());
  EXPECT_EQ(plain.prompt.confirmTitles, std::vector<std::string>{"Reset ROVEX options"});
}

TEST(DemoStartTest, DemoOnAConfiguredMachineReplaysOnlyWhenTheUserSaysYes) {
  for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
    DemoStart s;
    s.store.Write(kRovexKey, "CameraFile", SettingValue::Text("/mine/cameras.txt"));
    s.store.Write(kRovexKey, "Version", SettingValue::Number(11));
    s.prompt.QueueAnswer(answer);
    s.Run(CROVEXApp::Demo::Always, 1.0);
    ASSERT_FALSE(s.prompt.shown.empty());
    EXPECT_EQ(s.prompt.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(s.store.Read(kRovexKey, "CameraFile").value.text, "/mine/cameras.txt");
    EXPECT_EQ(s.app->DemoLog().empty(), answer == MsgResult::No);
  }
}

}  // namespace
}  // namespace rovex
