#pragma once

#include <string>
#include <string_view>

// The stored port name as a Linux device: "ComN" (any letter case, N from 1)
// is the N-th built-in serial port /dev/ttyS(N-1); a name beginning with "/"
// is a path used as it is (a /dev/serial/by-id link, a pseudo-terminal); any
// other name is a device under /dev ("ttyUSB0", "ttyACM0", "rfcomm0").
// A network source ("gpsd", "gpsd://...", "tcp://...", "udp://...") keeps its
// own kind of name, made canonical ("gpsd" -> "gpsd://localhost:2947").

namespace rovex {

std::string SerialDeviceName(std::string_view port);

}  // namespace rovex
