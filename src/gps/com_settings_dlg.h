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
  // The port list also offers the local gpsd; tcp://HOST:PORT, udp://:PORT and
  // gpsd://HOST[:PORT] can be typed.
  static constexpr const char* kGpsdItem = "gpsd";
  static constexpr const char* kPortNote = "Port: a serial port, gpsd, gpsd://HOST:PORT, tcp://HOST:PORT or udp://:PORT.";
  // GGA and RMC of any talker (GN, GL, GA, BD...) give the fix; off when never stored.
  static constexpr const char* kAnyTalkerSetting = "AnyTalker";
  static constexpr const char* kAnyTalkerLabel = "Position from any talker (GN, GL, GA, BD)";

  // The stored any-talker choice: on only when the stored number is 1.
  static bool StoredAnyTalker(SettingsStore& store);

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
  bool m_anyTalker = false;

  void OnInitDialog();
  // Writes the five texts as they stand, then the any-talker choice; returns
  // false when the store could not be written.
  bool OnOK();

 private:
  SettingsStore& m_store;
  SerialPorts* m_ports;
};

}  // namespace rovex
