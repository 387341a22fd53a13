#pragma once

#include <string>
#include <vector>

#include "platform/serial_port.h"
#include "platform/settings_store.h"

// The rules of the "Com Settings" dialog: what its lists hold, what opening
// shows from the settings and the ports present, and what OK writes. The
// window itself only shows these texts and hands back what the user chose.

namespace rovex {

class CComSettingsDlg {
 public:
  static constexpr const char* kTitle = "Com Settings";
  static constexpr const char* kNote = "Normal = parity none, speed 4800, databits 8, stop bits 1.";

  CComSettingsDlg(SettingsStore& store, SerialPorts* ports);

  // Combo box lists; the port list is replaced when the dialog opens.
  std::vector<std::string> m_portItems;
  std::vector<std::string> m_speedItems;
  std::vector<std::string> m_parityItems;
  std::vector<std::string> m_dataBitsItems;
  std::vector<std::string> m_stopBitsItems;

  // The texts in the five controls.
  std::string m_port;
  std::string m_speed;
  std::string m_parity;
  std::string m_dataBits;
  std::string m_stopBits;

  void OnInitDialog();
  // Writes the five texts as they stand; returns false when the store could not be written.
  bool OnOK();

 private:
  SettingsStore& m_store;
  SerialPorts* m_ports;
};

}  // namespace rovex
