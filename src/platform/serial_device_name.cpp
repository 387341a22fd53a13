#include "platform/serial_device_name.h"

#include <cctype>

#include "platform/network_source_address.h"

namespace rovex {
namespace {

// N of "ComN", or 0 when the name is not of that form.
unsigned long ComNumber(std::string_view port) {
  if (port.size() < 4 || port.size() > 12) return 0;
  if (std::tolower(static_cast<unsigned char>(port[0])) != 'c' ||
      std::tolower(static_cast<unsigned char>(port[1])) != 'o' ||
      std::tolower(static_cast<unsigned char>(port[2])) != 'm') {
    return 0;
  }
  unsigned long n = 0;
  for (char c : port.substr(3)) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + static_cast<unsigned long>(c - '0');
  }
  return n;
}

}  // namespace

std::string SerialDeviceName(std::string_view port) {
  if (LooksLikeNetworkSource(port)) {
    if (auto address = ParseNetworkSource(port)) return address->Name();
    return std::string(port);
  }
  if (unsigned long n = ComNumber(port); n >= 1) return "/dev/ttyS" + std::to_string(n - 1);
  if (!port.empty() && port[0] == '/') return std::string(port);
  return "/dev/" + std::string(port);
}

}  // namespace rovex
