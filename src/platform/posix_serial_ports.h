#pragma once

#include <string>

#include "platform/serial_port.h"

// The serial devices of a Linux machine: opened through termios2, listed from
// sysfs (built-in ports that have real hardware behind them) and /dev (USB,
// ACM and Bluetooth serial devices that are plugged in). The two roots can be
// moved for tests. Network source names (see network_source_address.h) open
// a network source instead of a device.

namespace rovex {

class PosixSerialPorts final : public SerialPorts {
 public:
  explicit PosixSerialPorts(std::string sysClassTty = "/sys/class/tty", std::string devDir = "/dev")
      : m_sysClassTty(std::move(sysClassTty)), m_devDir(std::move(devDir)) {}

  std::shared_ptr<SerialPort> Open(const std::string& deviceName) override;
  std::optional<std::vector<std::string>> EnumeratePorts() override;

 private:
  std::string m_sysClassTty;
  std::string m_devDir;
};

}  // namespace rovex
