#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gps/com_settings_dlg.h"
#include "gps/dlg_distance.h"
#include "gps/dlg_replay.h"
#include "platform/memory_settings_store.h"
#include "settings/settings_table.h"
#include "support/fake_prompt.h"
#include "support/fake_serial_port.h"

namespace rovex {
namespace {

using testing::FakePrompt;
using testing::FakeSerialPorts;

class ComSettings : public ::testing::Test {
 protected:
  void Store(const char* name, const char* text) { store.Write(kRovexKey, name, SettingValue::Text(text)); }
  MemorySettingsStore store;
  FakeSerialPorts ports;
};

TEST_F(ComSettings, ValuesOutsideTheirListsShowEmpty) {
  const struct {
    const char* name;
    const char* stored;
    std::string CComSettingsDlg::*field;
    const char* shown;
  } cases[] = {
      {"Speed", "4801", &CComSettingsDlg::m_speed, ""},
      {"Speed", "7200", &CComSettingsDlg::m_speed, "7200"},
      {"Parity", "E", &CComSettingsDlg::m_parity, ""},
      {"Parity", "SPACE", &CComSettingsDlg::m_parity, "Space"},
      {"DataBits", "9", &CComSettingsDlg::m_dataBits, ""},
      {"StopBits", "1,5", &CComSettingsDlg::m_stopBits, "1,5"},
  };
  for (const auto& c : cases) {
    MemorySettingsStore fresh;
    fresh.Write(kRovexKey, c.name, SettingValue::Text(c.stored));
    CComSettingsDlg dlg(fresh, nullptr);
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.*c.field, c.shown) << c.name << "=" << c.stored;
  }
}

TEST_F(ComSettings, AStoredPortThatIsNotPluggedInStaysChoosable) {
  ports.present = std::vector<std::string>{"Com1"};
  Store("Port", "/dev/serial/by-id/usb-gps");
  CComSettingsDlg dlg(store, &ports);
  dlg.OnInitDialog();
  EXPECT_EQ(dlg.m_portItems, (std::vector<std::string>{"Com1", "gpsd", "/dev/serial/by-id/usb-gps"}));
  EXPECT_EQ(dlg.m_port, "/dev/serial/by-id/usb-gps");
}

TEST_F(ComSettings, NoSettingsLeaveEveryFieldEmptyAndNoEnumerationKeepsTheTemplate) {
  CComSettingsDlg dlg(store, &ports);  // ports.present is empty: the system could not be asked
  dlg.OnInitDialog();
  EXPECT_EQ(dlg.m_portItems.size(), 19u) << "Com1..Com18, then gpsd";
  for (const std::string* f : {&dlg.m_port, &dlg.m_speed, &dlg.m_parity, &dlg.m_dataBits, &dlg.m_stopBits}) {
    EXPECT_EQ(*f, "");
  }
}

TEST_F(ComSettings, OkWritesTheFiveTextsAsTheyStandInOrder) {
  CComSettingsDlg dlg(store, nullptr);
  dlg.OnInitDialog();
  dlg.m_port = "ttyACM0";
  dlg.m_speed = "4801";
  dlg.m_parity = "MARK";
  dlg.m_dataBits = "16";
  dlg.m_stopBits = "1.5";
  EXPECT_TRUE(dlg.OnOK());
  std::vector<std::pair<std::string, SettingValue>> expected = {
      {"Port", SettingValue::Text("ttyACM0")},  {"Speed", SettingValue::Text("4801")},
      {"Parity", SettingValue::Text("MARK")},   {"StopBits", SettingValue::Text("1.5")},
      {"DataBits", SettingValue::Text("16")},   {"AnyTalker", SettingValue::Number(0)},
  };
  EXPECT_EQ(store.Values(kRovexKey), expected);
  store.SetWritesFail(true);
  EXPECT_FALSE(dlg.OnOK());
}

TEST_F(ComSettings, AnyTalkerIsOnOnlyWhenStoredAsOneAndOkStoresTheTick) {
  struct Case {
    std::optional<SettingValue> stored;
    bool shown;
  } cases[] = {{std::nullopt, false}, {SettingValue::Number(1), true}, {SettingValue::Number(2), false},
               {SettingValue::Text("1"), false}};
  for (const Case& c : cases) {
    MemorySettingsStore fresh;
    if (c.stored) fresh.Write(kRovexKey, CComSettingsDlg::kAnyTalkerSetting, *c.stored);
    CComSettingsDlg dlg(fresh, nullptr);
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.m_anyTalker, c.shown);
    dlg.m_anyTalker = !c.shown;
    dlg.OnOK();
    EXPECT_EQ(CComSettingsDlg::StoredAnyTalker(fresh), !c.shown);
  }
}

TEST(DlgReplay, FileNameAndDelayAsTyped) {
  setenv("ROVEX_HOME", "/data", 1);
  FakePrompt prompt;
  CDlgReplay dlg(prompt);
  EXPECT_EQ(dlg.m_fileName, "/data/Log/");
  prompt.QueueFile("/logs/" + std::string(300, 'a'));
  dlg.OnBrowse();
  EXPECT_EQ(dlg.m_fileName.size(), 254u);
  dlg.m_fileName = std::string(400, 'b');
  EXPECT_EQ(dlg.FileName().size(), 298u);
  for (auto [text, delay] : std::vector<std::pair<const char*, int>>{{"250", 250}, {"12ms", 12}, {"x", 0}}) {
    dlg.m_delay = text;
    EXPECT_EQ(dlg.Delay(), delay) << text;
  }
}

TEST(DlgDistance, StartsAtTheFixAndShowsKilometres) {
  GpsFix fix;
  fix.latitude = 60.0;
  fix.longitude = -1.5;
  CDlgDistance dlg;
  dlg.OnInitDialog(fix);
  EXPECT_EQ(dlg.m_latitude1, "60.000000");
  EXPECT_EQ(dlg.m_longitude1, "-1.500000");
  dlg.m_latitude2 = "60";
  dlg.m_longitude2 = "-0.5";
  dlg.OnCalculate();
  EXPECT_EQ(dlg.m_result, "55.660 km");  // one degree of longitude at 60 degrees
  dlg.m_latitude2 = "1e300";
  dlg.OnCalculate();  // nonsense in, a long number out, nothing cut or overrun
  EXPECT_EQ(dlg.m_result.substr(dlg.m_result.size() - 3), " km");
}

TEST(DlgDistance, MessageForTheDistanceToALocation) {
  EXPECT_EQ(DistanceMessageText(1000.0), "Distance \n1000.000000 metres\n\n0.621400 Miles");
  FakePrompt prompt;
  GpsFix noFix;
  ShowDistanceToLocation(prompt, noFix, 51.5, -0.1);
  EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Distance \n-1.000000 metres\n\n-0.000621 Miles"});
}

}  // namespace
}  // namespace rovex
