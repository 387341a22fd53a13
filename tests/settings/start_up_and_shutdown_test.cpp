#include <gtest/gtest.h>

#include "platform/memory_settings_store.h"
#include "settings/settings_reset.h"
#include "settings/shutdown_dialog_model.h"
#include "settings/shutdown_options_model.h"
#include "settings/start_up_plan.h"
#include "support/fake_power_control.h"
#include "support/fake_prompt.h"

namespace rovex {
namespace {

using testing::FakePowerControl;
using testing::FakePrompt;

struct Settings {
  MemorySettingsStore store;
  FakePrompt prompt;
  RegistrySettings settings{store, &prompt};
  Settings() {
    SettingsReset(store, prompt, "/data").CheckRegistry(false);
    prompt.shown.clear();
  }
  void Timer(int n, const char* start, const char* end, const char* file) {
    const std::string k = std::to_string(n);
    settings.WriteNumberSetting("StartTimerEnable" + k, 1);
    settings.WriteTextSetting("StartTimerStartTime" + k, start);
    settings.WriteTextSetting("StartTimerEndTime" + k, end);
    settings.WriteTextSetting("StartTimerFilename" + k, file);
  }
};

TEST(StartUpSteps, OrderAndTimeWindows) {
  struct Case {
    const char* legend;
    const char* now;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"22:00-06:00 at 23:15", "23:15",
       {"gps start", "log start", "timer 1 night.csv", "write RouteName night.csv", "write AutoStartRoute 1",
        "route night.csv", "colours night", "trail t.gpx"}},
      {"06:01: timer 1 is over; 7.30-9 of timer 2 not yet", "06:01",
       {"gps start", "log start", "route old.csv", "colours day", "trail t.gpx"}},
      {"07:30 matches the typed 7.30 of timer 2", "07:30",
       {"gps start", "log start", "timer 2 morning.csv", "write RouteName morning.csv", "write AutoStartRoute 1",
        "route morning.csv", "colours day", "trail t.gpx"}},
  };
  for (const Case& c : cases) {
    Settings s;
    for (const char* flag : {"AutoStartGPS", "AutoStartLog", "AutoStartRoute", "AutoStartTrail", "NightTimerEnable"}) {
      s.settings.WriteNumberSetting(flag, 1);
    }
    s.settings.WriteTextSetting("RouteName", "old.csv");
    s.settings.WriteTextSetting("TrailName", "t.gpx");
    s.settings.WriteTextSetting("NightTimerStartTime", "21:30");
    s.settings.WriteTextSetting("NightTimerEndTime", "6.00");
    s.Timer(1, "22:00", "06:00", "night.csv");
    s.Timer(2, "7.30", "9-00", "morning.csv");
    EXPECT_EQ(StartUpSteps(s.settings, c.now), c.expected) << c.legend;
    // Only a plan: nothing was written.
    EXPECT_EQ(s.settings.ReadTextSetting("RouteName"), "old.csv") << c.legend;
  }
}

TEST(StartUpSteps, BothTimersApplyingTimer1WinsAndIsUsed) {
  Settings s;
  s.Timer(1, "12:00", "12:00", "one.csv");
  s.Timer(2, "00:00", "23:59", "two.csv");
  std::optional<StartTimerChoice> choice = ChooseStartTimer(s.settings, "12:00");
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->timer, 1);
  UseStartTimer(s.settings, *choice);
  EXPECT_EQ(s.settings.ReadTextSetting("RouteName"), "one.csv");
  EXPECT_EQ(s.settings.ReadFlagSetting("AutoStartRoute"), 1);
  EXPECT_EQ(ChooseStartTimer(s.settings, "12:01")->timer, 2);
  EXPECT_EQ(StartUpSteps(s.settings, "12:01"),
            (std::vector<std::string>{"timer 2 two.csv", "write RouteName two.csv", "write AutoStartRoute 1",
                                      "route two.csv", "colours day"}));
}

TEST(Shutdown, DialogStepsThroughThePowerControl) {
  struct Case {
    const char* legend;
    uint32_t kKey;
    uint32_t seconds;
    PowerControl::Result answer;
    bool pressStart, pressAbort;
    std::vector<std::string> messages;
    std::vector<std::string> requests;
  };
  const Case cases[] = {
      {"k key disabled: nothing until Start", 0, 5, {true, {}}, false, false,
       {"Press S or click the Shutdown button to shutdown."}, {}},
      {"Start then Abort", 0, 5, {true, {}}, true, true,
       {"Press S or click the Shutdown button to shutdown.", "Starting shutdown.", "Shutdown succeeded.",
        "AbortSystemShutdown succeeded."},
       {"log closed", "poweroff 5", "cancel"}},
      {"k key enabled: at once; a stored -1 is kept to 3600", 1, 0xFFFFFFFFu, {true, {}}, false, false,
       {"Commencing automated shutdown.", "Shutdown succeeded."}, {"log closed", "poweroff 3600"}},
      {"refused: the service's reason is listed", 1, 30, {false, "Access denied"}, false, false,
       {"Commencing automated shutdown.", "Shutdown failed.", "Access denied"}, {"log closed", "poweroff 30"}},
      {"refused without a reason", 1, 30, {false, {}}, false, true,
       {"Commencing automated shutdown.", "Shutdown failed.", "Unknown reason.", "AbortSystemShutdown failed.",
        "Unknown reason."},
       {"log closed", "poweroff 30", "cancel"}},
  };
  for (const Case& c : cases) {
    Settings s;
    s.settings.WriteNumberSetting("DisableShutdown", c.kKey);
    s.settings.WriteNumberSetting("ShutdownSeconds", c.seconds);
    FakePowerControl power;
    power.answer = c.answer;
    ShutdownDialogModel model(s.settings, &power, [&power] { power.requests.push_back("log closed"); });
    model.Open();
    if (c.pressStart) model.StartShutdown();
    if (c.pressAbort) model.AbortShutdown();
    EXPECT_EQ(model.Messages(), c.messages) << c.legend;
    EXPECT_EQ(power.requests, c.requests) << c.legend;
  }
}

TEST(Shutdown, OptionsKeepTheDelayInRange) {
  const std::pair<const char*, unsigned> typed[] = {{"5", 5}, {"-1", 0}, {"3601", 3600}, {"x", 0}, {" 12s", 12}};
  for (const auto& [text, seconds] : typed) EXPECT_EQ(ShutdownOptionsModel::DelayFrom(text), seconds) << text;
  Settings s;
  ShutdownOptionsModel::Values v = ShutdownOptionsModel::Open(s.settings);
  EXPECT_EQ(v.seconds, "5");
  EXPECT_FALSE(v.kKeyShutdown);
  ShutdownOptionsModel::Ok(s.settings, {"-1", true});
  EXPECT_EQ(s.settings.ReadShutdownSeconds(), 0u);
  EXPECT_EQ(s.settings.ReadFlagSetting("DisableShutdown"), 1);
}

}  // namespace
}  // namespace rovex
