#include "gps/com_settings_dlg.h"

#include <algorithm>
#include <cstdlib>

#include "gps/port_line_settings.h"
#include "settings/registry_settings.h"

namespace rovex {

CComSettingsDlg::CComSettingsDlg(SettingsStore& store, SerialPorts* ports) : m_store(store), m_ports(ports) {
  for (int n = 1; n <= 18; ++n) m_portItems.push_back("Com" + std::to_string(n));
  m_speedItems = {"1200", "2400", "4800", "9600", "14400", "19200", "38400", "56000", "57600", "115200", "128000",
                  "256000"};
  m_parityItems = {"NONE", "ODD", "EVEN", "MARK", "SPACE"};
  m_dataBitsItems = {"5", "6", "7", "8", "16"};
  m_stopBitsItems = {"1", "1.5", "2"};
}

bool CComSettingsDlg::StoredAnyTalker(SettingsStore& store) {
  return RegistrySettings(store, nullptr).ReadFlagSetting(kAnyTalkerSetting) == 1;
}

void CComSettingsDlg::OnInitDialog() {
  if (m_ports) {
    if (auto present = m_ports->EnumeratePorts()) m_portItems = *present;
  }
  m_portItems.push_back(kGpsdItem);
  m_anyTalker = StoredAnyTalker(m_store);

  RegistrySettings settings(m_store, nullptr);
  if (!settings.KeyExists()) return;  // all five stay empty

  if (auto speed = settings.TryReadText("Speed")) {
    static const int kOffered[] = {1200, 1800, 2400, 4800, 7200, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000};
    int n = std::atoi(speed->c_str());
    if (std::find(std::begin(kOffered), std::end(kOffered), n) != std::end(kOffered)) m_speed = *speed;
  }
  auto stop = settings.TryReadText("StopBits");
  m_stopBits = stop ? *stop : "1";
  if (auto parity = settings.TryReadText("Parity")) {
    static const char* const kNames[] = {"None", "Odd", "Even", "Mark", "Space"};
    if (auto p = ParityFromText(*parity)) m_parity = kNames[static_cast<int>(*p)];
  }
  if (auto bits = settings.TryReadText("DataBits")) {
    int n = std::atoi(bits->c_str());
    if ((n >= 5 && n <= 8) || n == 16) m_dataBits = std::to_string(n);
  }
  if (auto port = settings.TryReadText("Port", 299)) {
    m_port = *port;
    // A stored port that is not plugged in right now, a path or a network
    // source stays in the list, so that it is there to choose again.
    if (!m_port.empty() && std::find(m_portItems.begin(), m_portItems.end(), m_port) == m_portItems.end()) {
      m_portItems.push_back(m_port);
    }
  }
}

bool CComSettingsDlg::OnOK() {
  RegistrySettings settings(m_store, nullptr);
  bool ok = settings.WriteTextSetting("Port", m_port);
  ok = settings.WriteTextSetting("Speed", m_speed) && ok;
  ok = settings.WriteTextSetting("Parity", m_parity) && ok;
  ok = settings.WriteTextSetting("StopBits", m_stopBits) && ok;
  ok = settings.WriteTextSetting("DataBits", m_dataBits) && ok;
  ok = settings.WriteNumberSetting(kAnyTalkerSetting, m_anyTalker ? 1 : 0) && ok;
  return ok;
}

}  // namespace rovex
