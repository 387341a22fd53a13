#pragma once

#include <memory>
#include <string>

#include "platform/serial_port.h"

// A serial device on Linux, configured through termios2 so that any baud rate
// the driver accepts can be set (4801 stays 4801). Null when the device cannot
// be opened; errno then tells why.

namespace rovex {

std::shared_ptr<SerialPort> OpenPosixSerialPort(const std::string& deviceName);

}  // namespace rovex
