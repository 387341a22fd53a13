#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "gps/com_settings_dlg.h"
#include "gps/dlg_replay.h"
#include "gps/gps_port_opener.h"
#include "platform/memory_settings_store.h"
#include "settings/settings_table.h"
#include "support/fake_prompt.h"
#include "support/fake_serial_port.h"

namespace rovex {
namespace {

using testing::FakeSerialPort;
using testing::FakeSerialPorts;

class PortOpener : public ::testing::Test {
 public:
  void SetUp() override {
    store = std::make_unique<MemorySettingsStore>();
    Set("Port", "Com12");
    Set("Speed", "4800");
    Set("Parity", "None");
    Set("StopBits", "1");
    Set("DataBits", "8");
    port = ports.next;
  }
  void Set(const char* name, const char* text) { store->Write(kRovexKey, name, SettingValue::Text(text)); }
  PortOpenOutcome Open(const PortOpenPlan& plan = PortOpenPlan::ForGps(), std::shared_ptr<SerialPort> open = nullptr) {
    return OpenPortSteps(ports, *store, plan, std::move(open), [this](int ms) {
      port->Note("wait " + std::to_string(ms));
      return true;
    });
  }

  std::unique_ptr<MemorySettingsStore> store = std::make_unique<MemorySettingsStore>();
  FakeSerialPorts ports;
  std::shared_ptr<FakeSerialPort> port;
};

TEST_F(PortOpener, StepsComeInTheirOrderWithTheSettlingWaits) {
  PortOpenOutcome out = Open();
  EXPECT_EQ(out.result, 1);
  EXPECT_EQ(out.port, port);
  EXPECT_EQ(ports.openedNames, std::vector<std::string>{"/dev/ttyS11"});
  EXPECT_EQ(port->Events(), (std::vector<std::string>{"get", "wait 1000", "set", "wait 2000", "timeouts", "wait 500",
                                                      "clear", "wait 500", "buffers 16384 16384"}));
  EXPECT_EQ(port->Timeouts().readTotalConstantMs, 2000);
  SerialLineSettings applied = port->Applied();  // fixed on every open, whatever the driver had
  EXPECT_TRUE(applied.raw && !applied.hardwareFlowControl && !applied.softwareFlowControl && applied.dtrOn);
}

TEST_F(PortOpener, SendLogVariantHasShortTimeOutsAndItsOwnWaits) {
  PortOpenOutcome out = Open(PortOpenPlan::ForSendLog());
  EXPECT_EQ(out.result, 1);
  EXPECT_EQ(port->Events(), (std::vector<std::string>{"get", "wait 1000", "set", "wait 1000", "timeouts", "clear",
                                                      "wait 1000", "buffers 16384 16384"}));
  EXPECT_EQ(port->Timeouts().readTotalConstantMs, 10);
}

TEST_F(PortOpener, StoredTextsBecomeLineSettings) {
  using Line = std::tuple<int, SerialParity, int, SerialStopBits>;
  const auto kNone = SerialParity::None;
  const auto kOne = SerialStopBits::One;
  const std::vector<std::tuple<const char*, const char*, Line>> cases = {  // a null text: the value is missing
      {"Speed", "4801", {4801, kNone, 8, kOne}},
      {"Parity", "mArK", {4800, SerialParity::Mark, 8, kOne}},
      {"Parity", "E", {4800, SerialParity::Odd, 8, kOne}},  // unknown text: the driver's parity
      {"StopBits", "1.5", {4800, kNone, 8, SerialStopBits::OneAndHalf}},
      {"StopBits", nullptr, {4800, kNone, 8, SerialStopBits::Two}},
      {"DataBits", "5", {4800, kNone, 5, kOne}},
  };
  for (const auto& [name, text, expected] : cases) {
    SetUp();
    // The driver reports something of everything, so "left as reported" shows.
    port->driver.baud = 9600;
    port->driver.parity = SerialParity::Odd;
    port->driver.dataBits = 7;
    port->driver.stopBits = SerialStopBits::Two;
    if (text) Set(name, text);
    else store->Delete(kRovexKey, name);
    ASSERT_EQ(Open().result, 1);
    SerialLineSettings a = port->Applied();
    EXPECT_EQ(Line(a.baud, a.parity, a.dataBits, a.stopBits), expected) << name << "=" << (text ? text : "(missing)");
  }
}

TEST_F(PortOpener, EachFailureHasItsMessageAndLeavesThePortAsItStands) {
  struct Case {
    const char* legend;
    std::function<void(PortOpener&)> arrange;
    std::string message;
    MsgIcon icon;
    bool opened;
    std::vector<std::string> events;
  };
  const std::vector<Case> cases = {
      {"device missing", [](PortOpener& t) { t.ports.next = nullptr; }, "Can't open com port /dev/ttyS11",
       MsgIcon::Warning, false, {}},
      {"driver settings unreadable", [](PortOpener& t) { t.port->failGet = true; }, "", MsgIcon::Warning, true,
       {"get"}},
      {"line settings refused", [](PortOpener& t) { t.port->failSet = true; },
       "SetCommState\nCould not set communication state \n openport aborted", MsgIcon::Stop, true,
       {"get", "wait 1000", "set"}},
      {"time-outs refused", [](PortOpener& t) { t.port->failTimeouts = true; },
       "SetCommTimeouts\nCould not set communication timeouts\n openport aborted", MsgIcon::Stop, true,
       {"get", "wait 1000", "set", "wait 2000", "timeouts"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.legend);
    SetUp();
    ports.openedNames.clear();
    ports.next = port = std::make_shared<FakeSerialPort>();
    c.arrange(*this);
    PortOpenOutcome out = Open();
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.message, c.message);
    if (!c.message.empty()) {
      EXPECT_EQ(out.icon, c.icon);
    }
    EXPECT_EQ(out.markedOpen, c.opened);
    EXPECT_EQ(out.port != nullptr, c.opened);
    EXPECT_EQ(port->Events(), c.events);
    EXPECT_FALSE(out.cancelled);
  }
}

TEST_F(PortOpener, AnAbandonedWaitStopsTheSteps) {
  int waits = 0;
  PortOpenOutcome out = OpenPortSteps(ports, *store, PortOpenPlan::ForGps(), nullptr, [&](int) { return ++waits < 2; });
  EXPECT_TRUE(out.cancelled);
  EXPECT_EQ(port->Events(), (std::vector<std::string>{"get", "set"}));
}

TEST_F(PortOpener, APortStillMarkedOpenIsConfiguredAgainNotReopened) {
  auto open = std::make_shared<FakeSerialPort>("/dev/ttyS11");
  PortOpenOutcome out = Open(PortOpenPlan::ForGps(), open);
  EXPECT_EQ(out.result, 1);
  EXPECT_TRUE(ports.openedNames.empty());
  EXPECT_EQ(out.port, open);
  EXPECT_EQ(open->Events(), (std::vector<std::string>{"get", "set", "timeouts", "clear", "buffers 16384 16384"}));
}

using testing::FakePrompt;

TEST(ComSettings, ValuesOutsideTheirListsShowEmpty) {
  using Dlg = CComSettingsDlg;
  for (auto [name, stored, field, shown] :
       {std::tuple{"Speed", "4801", &Dlg::m_speed, ""}, {"Speed", "7200", &Dlg::m_speed, "7200"},
        {"Parity", "SPACE", &Dlg::m_parity, "Space"}, {"DataBits", "9", &Dlg::m_dataBits, ""}}) {
    MemorySettingsStore fresh;
    fresh.Write(kRovexKey, name, SettingValue::Text(stored));
    CComSettingsDlg dlg(fresh, nullptr);
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.*field, shown) << name << "=" << stored;
  }
}

TEST(ComSettings, AStoredPortThatIsNotPluggedInStaysChoosableAndOkWritesInOrder) {
  MemorySettingsStore store;
  testing::FakeSerialPorts ports;
  ports.present = std::vector<std::string>{"Com1"};
  store.Write(kRovexKey, "Port", SettingValue::Text("/dev/serial/by-id/usb-gps"));
  CComSettingsDlg dlg(store, &ports);
  dlg.OnInitDialog();
  EXPECT_EQ(dlg.m_portItems, (std::vector<std::string>{"Com1", "gpsd", "/dev/serial/by-id/usb-gps"}));
  EXPECT_EQ(dlg.m_port, "/dev/serial/by-id/usb-gps");

  dlg.m_speed = "4801";
  dlg.m_stopBits = "1.5";
  EXPECT_TRUE(dlg.OnOK());
  std::vector<std::pair<std::string, SettingValue>> expected = {
      {"Port", SettingValue::Text("/dev/serial/by-id/usb-gps")}, {"Speed", SettingValue::Text("4801")},
      {"Parity", SettingValue::Text("")}, {"StopBits", SettingValue::Text("1.5")}, {"DataBits", SettingValue::Text("")},
      {"AnyTalker", SettingValue::Number(0)},
  };
  EXPECT_EQ(store.Values(kRovexKey), expected);
  store.SetWritesFail(true);
  EXPECT_FALSE(dlg.OnOK());
}

TEST(ComSettings, AnyTalkerIsOnOnlyWhenStoredAsOneAndOkStoresTheTick) {
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
  for (auto [text, delay] : std::vector<std::pair<const char*, int>>{{"12ms", 12}, {"x", 0}}) {
    dlg.m_delay = text;
    EXPECT_EQ(dlg.Delay(), delay) << text;
  }
}

}  // namespace
}  // namespace rovex
