#include <gtest/gtest.h>

#include "gps/gps_input.h"
#include "settings/registry_settings.h"
#include "system_fixture.h"
#include "settings/start_times.h"

namespace rovex {
namespace {

using testing::FakeClock;
using testing::SystemFixture;

TEST(StartTimes, NormalisedAndComparedAsText) {
  const std::vector<std::pair<std::string, std::string>> normalised = {
      {"7.30", "07:30"}, {"7:3", "07:3"}, {" 22-00 ", "22:00"}, {"12:00", "12:00"}, {"", "0"}, {"06:30:59xyz", "06:30:59"},
  };
  for (const auto& [in, out] : normalised) EXPECT_EQ(NormaliseTime(in), out) << in;

  struct Case {
    const char *t, *s, *e;
    bool inside;
  };
  for (const Case& c : {Case{"23:15", "22:00", "06:00", true}, Case{"05:59", "22:00", "06:00", true},
                        Case{"06:01", "22:00", "06:00", false}, Case{"12:00", "12:00", "12:00", true},
                        Case{"12:01", "12:00", "12:00", false}, Case{"13:00", "09:00", "17:30", true},
                        Case{"08:59", "09:00", "17:30", false}}) {
    EXPECT_EQ(InTimeWindow(c.t, c.s, c.e), c.inside) << c.t << " in " << c.s << "-" << c.e;
  }
  std::tm tm{};
  tm.tm_hour = 7;
  tm.tm_min = 5;
  EXPECT_EQ(ClockText(tm), "07:05");
}

TEST(StartUp, TheNightTimerChoosesTheColoursOnlyAtStart) {
  for (int hour : {20, 12, 6}) {
    SystemFixture f;
    RegistrySettings settings(f.store, nullptr);
    settings.WriteNumberSetting("NightTimerEnable", 1);
    settings.WriteTextSetting("NightTimerStartTime", "19.00");
    settings.WriteTextSetting("NightTimerEndTime", "7:00");
    f.clock.Set(FakeClock::Utc(2024, 5, 17, hour, 0, 0));
    RovexSystem& s = f.Start();
    s.OnWindowShown(false);
    EXPECT_EQ(s.Colours().viewBackground, hour == 12 ? kWhite : kBlack) << hour;
  }
}

TEST(StartUp, AMissingTimerTimeIsReportedAndTheTimerSkipped) {
  SystemFixture f;
  RegistrySettings settings(f.store, nullptr);
  settings.WriteNumberSetting("NightTimerEnable", 1);
  f.store.Delete("Software\\ROVEX", "NightTimerEndTime");
  f.clock.Set(FakeClock::Utc(2024, 5, 17, 23, 0, 0));
  RovexSystem& s = f.Start();
  s.OnWindowShown(false);
  EXPECT_EQ(s.Colours().viewBackground, kWhite);
  ASSERT_EQ(f.prompt.shown.size(), 1u);
  EXPECT_EQ(f.prompt.shown[0].text, "Unable read the NightTimerEndTime time from the registry.");
}

TEST(StartUp, AutoStartOpensThePortUnlessNobodyWatches) {
  for (bool unattended : {false, true}) {
    SystemFixture f;
    RegistrySettings(f.store, nullptr).WriteNumberSetting("AutoStartGPS", 1);
    RovexSystem& s = f.Start();
    s.Gps().SetOpenWait([](int) { return true; });
    s.OnWindowShown(unattended);
    EXPECT_EQ(s.Gps().Opening(), !unattended);
    s.Gps().Stop();
  }
}

}  // namespace
}  // namespace rovex
