#include <gtest/gtest.h>

#include "gps/local_time_zone.h"
#include "platform/memory_settings_store.h"
#include "settings/registry_settings.h"
#include "settings/settings_table.h"

namespace rovex {
namespace {

TEST(LocalTimeZone, HourWrapsIntoTheDay) {
  struct Case {
    int offset, utcHour, shown;
  } cases[] = {
      {+1, 23, 0}, {-5, 2, 21}, {0, 0, 0}, {+1, 12, 13}, {-12, 11, 23}, {+14, 10, 0},
      {+24, 5, 5}, {+30, 23, 5}, {-49, 0, 23}, {2147483647, 23, (23 + 2147483647LL) % 24},
  };
  for (const Case& c : cases) {
    LocalTimeZone zone;
    zone.SetOffsetHours(c.offset);
    EXPECT_EQ(zone.DisplayHour(static_cast<uint8_t>(c.utcHour)), c.shown) << c.offset << " " << c.utcHour;
  }
}

TEST(LocalTimeZone, TimeTextMovesOnlyTheHour) {
  LocalTimeZone zone;
  zone.SetOffsetHours(-5);
  GpsFix fix;
  fix.utcHour = 2;
  fix.utcMinute = 7;
  fix.utcSecond = 9;
  EXPECT_EQ(zone.TimeText(fix), "Time 21:07:09");
  zone.SetOffsetHours(1);
  fix.utcHour = 8;
  EXPECT_EQ(zone.TimeText(fix), "Time 9:07:09");
}

TEST(LocalTimeZone, OffsetFromTheSetting) {
  MemorySettingsStore store;
  RegistrySettings settings(store, nullptr);
  LocalTimeZone zone;
  zone.SetOffsetHours(7);
  zone.Load(settings);
  EXPECT_EQ(zone.OffsetHours(), 1);  // missing: +1
  for (auto [text, hours] : {std::pair{"-5", -5}, {"+3", 3}, {"2 hours", 2}, {"GMT", 0}}) {
    ASSERT_TRUE(settings.WriteTextSetting("TimeZone", text));
    zone.Load(settings);
    EXPECT_EQ(zone.OffsetHours(), hours) << text;
  }
}

}  // namespace
}  // namespace rovex
