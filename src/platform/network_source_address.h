#pragma once

#include <optional>
#include <string>
#include <string_view>

// A GPS source on the network, named by the stored port value instead of a
// serial device: "gpsd" or "gpsd://HOST[:PORT]" (the GPS daemon, asked for its
// raw NMEA), "tcp://HOST:PORT" (a stream of NMEA lines) and "udp://[HOST]:PORT"
// (NMEA lines in datagrams, listened for on that address). A host may be a
// name, an IPv4 address or an IPv6 address in brackets.

namespace rovex {

struct NetworkSourceAddress {
  enum class Kind { Gpsd, Tcp, Udp };
  static constexpr int kGpsdPort = 2947;

  Kind kind = Kind::Tcp;
  std::string host;  // empty for a UDP listener on every address
  int port = 0;      // 1..65535

  // The canonical name, e.g. "gpsd://localhost:2947"; parsing it gives this address again.
  std::string Name() const;
  bool operator==(const NetworkSourceAddress&) const = default;
};

// Empty when the name is not a network source (it is then a serial port name)
// or when its host or port cannot be used.
std::optional<NetworkSourceAddress> ParseNetworkSource(std::string_view name);

// True when the name asks for a network source, well formed or not: such a
// name is never taken for a device under /dev.
bool LooksLikeNetworkSource(std::string_view name);

}  // namespace rovex
