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

// The program started as `make run` starts it, on a machine that has never run ROVEX:
// the data root is seeded from the share folder beside the build's programs.
struct DemoStart {
  MemorySettingsStore store;
  testing::FakePrompt prompt;
  testing::FakeShellOpener shell;
  testing::TempDir home;
  std::unique_ptr<CROVEXApp> app;

  explicit DemoStart(CROVEXApp::Demo demo) {
    setenv("ROVEX_HOME", home.Path().c_str(), 1);
    Services services;
    services.store = &store;
    services.prompt = &prompt;
    services.shell = &shell;
    app = std::make_unique<CROVEXApp>(services);
    app->SetDemo(demo, 50.0);
    app->InitInstance(false);
    QApplication::processEvents();
  }
};

TEST(DemoStartTest, FirstRunSeedsTheDataRootAndPlaysTheDriveWithoutQuestions) {
  DemoStart s(CROVEXApp::Demo::FirstRun);
  EXPECT_TRUE(s.prompt.shown.empty());
  EXPECT_TRUE(s.prompt.confirmTitles.empty());
  RegistrySettings settings(s.store, nullptr);
  EXPECT_EQ(settings.ReadTextSetting("CameraFile"), s.home.File("ROVEXCamera.txt"));
  EXPECT_EQ(settings.ReadTextSetting("VoiceFolder"), s.home.File("Voice"));
  EXPECT_TRUE(std::filesystem::exists(s.home.File("Voice/1500.wav")));
  EXPECT_EQ(s.app->DemoLog(), s.home.File("Log/demo_drive.txt"));
}

TEST(DemoStartTest, APlainFirstStartOffersTheResetInstead) {
  DemoStart s(CROVEXApp::Demo::Off);  // plain start of an unconfigured program: the reset is offered instead
  EXPECT_TRUE(s.app->DemoLog().empty());
  EXPECT_EQ(s.prompt.confirmTitles, std::vector<std::string>{"Reset ROVEX options"});
}

TEST(DemoStartTest, DemoOnAConfiguredMachineReplaysOnlyWhenTheUserSaysYes) {
  for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
    MemorySettingsStore store;
    store.Write(kRovexKey, "CameraFile", SettingValue::Text("/mine/cameras.txt"));
    store.Write(kRovexKey, "Version", SettingValue::Number(11));
    testing::FakePrompt prompt;
    prompt.QueueAnswer(answer);
    testing::FakeShellOpener shell;
    testing::TempDir home;
    setenv("ROVEX_HOME", home.Path().c_str(), 1);
    Services services;
    services.store = &store;
    services.prompt = &prompt;
    services.shell = &shell;
    CROVEXApp app(services);
    app.SetDemo(CROVEXApp::Demo::Always, 1.0);
    app.InitInstance(false);
    ASSERT_FALSE(prompt.shown.empty());
    EXPECT_EQ(prompt.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(store.Read(kRovexKey, "CameraFile").value.text, "/mine/cameras.txt");
    EXPECT_EQ(app.DemoLog().empty(), answer == MsgResult::No);
  }
}

}  // namespace
}  // namespace rovex
