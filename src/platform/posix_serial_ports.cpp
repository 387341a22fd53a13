#include "platform/posix_serial_ports.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <tuple>

#include "platform/network_nmea_port.h"
#include "platform/network_source_address.h"
#include "platform/posix_serial_port.h"

namespace rovex {
namespace {

namespace fs = std::filesystem;

// Number after the prefix when the whole rest is digits, else -1.
long NumberAfter(const std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return -1;
  if (name.size() - prefix.size() > 6) return -1;
  long n = 0;
  for (size_t i = prefix.size(); i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return -1;
    n = n * 10 + (name[i] - '0');
  }
  return n;
}

// The kernel lists every possible 8250 port; one without a UART reports type 0.
bool HasRealUart(const fs::path& ttyDir) {
  std::error_code ec;
  if (!fs::exists(ttyDir / "device", ec)) return false;
  std::ifstream type(ttyDir / "type");
  if (!type) return true;  // other drivers have no type file: the device link is enough
  int t = 0;
  type >> t;
  return t != 0;
}

}  // namespace

std::shared_ptr<SerialPort> PosixSerialPorts::Open(const std::string& deviceName) {
  if (LooksLikeNetworkSource(deviceName)) {
    std::optional<NetworkSourceAddress> address = ParseNetworkSource(deviceName);
    if (!address) return nullptr;
    return NetworkNmeaPort::Open(*address);
  }
  return OpenPosixSerialPort(deviceName);
}

std::optional<std::vector<std::string>> PosixSerialPorts::EnumeratePorts() {
  std::error_code ec;
  if (!fs::is_directory(m_sysClassTty, ec)) return std::nullopt;

  std::vector<std::string> ports;
  // Only Com1..Com18 are offered, as the settings dialog always has.
  for (int n = 0; n < 18; ++n) {
    if (HasRealUart(fs::path(m_sysClassTty) / ("ttyS" + std::to_string(n)))) {
      ports.push_back("Com" + std::to_string(n + 1));
    }
  }

  static const std::string kPrefixes[] = {"ttyUSB", "ttyACM", "rfcomm"};
  std::vector<std::tuple<int, long, std::string>> plugged;
  for (const auto& entry : fs::directory_iterator(m_devDir, ec)) {
    std::string name = entry.path().filename().string();
    for (int p = 0; p < 3; ++p) {
      long number = NumberAfter(name, kPrefixes[p]);
      if (number < 0) continue;
      std::error_code typeError;
      if (entry.is_character_file(typeError)) plugged.emplace_back(p, number, name);
    }
  }
  std::sort(plugged.begin(), plugged.end());
  for (const auto& p : plugged) ports.push_back(std::get<2>(p));
  return ports;
}

}  // namespace rovex
