#include "platform/network_source_address.h"

#include <cctype>

namespace rovex {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

bool EqualsNoCase(std::string_view text, std::string_view word) {
  return text.size() == word.size() && StartsWithNoCase(text, word);
}

std::optional<int> PortNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < 1 || n > 65535) return std::nullopt;
  return n;
}

bool UsableHost(std::string_view host) {
  for (char c : host) {
    auto u = static_cast<unsigned char>(c);
    if (!std::isalnum(u) && c != '.' && c != '-' && c != ':' && c != '_') return false;
  }
  return true;
}

struct Scheme {
  const char* prefix;
  NetworkSourceAddress::Kind kind;
};
constexpr Scheme kSchemes[] = {
    {"gpsd://", NetworkSourceAddress::Kind::Gpsd},
    {"tcp://", NetworkSourceAddress::Kind::Tcp},
    {"udp://", NetworkSourceAddress::Kind::Udp},
};

}  // namespace

std::string NetworkSourceAddress::Name() const {
  const char* scheme = kind == Kind::Gpsd ? "gpsd://" : kind == Kind::Tcp ? "tcp://" : "udp://";
  std::string shownHost = host.find(':') != std::string::npos ? "[" + host + "]" : host;
  return scheme + shownHost + ":" + std::to_string(port);
}

bool LooksLikeNetworkSource(std::string_view name) {
  if (EqualsNoCase(name, "gpsd")) return true;
  for (const Scheme& s : kSchemes) {
    if (StartsWithNoCase(name, s.prefix)) return true;
  }
  return false;
}

std::optional<NetworkSourceAddress> ParseNetworkSource(std::string_view name) {
  NetworkSourceAddress address;
  if (EqualsNoCase(name, "gpsd")) {
    address.kind = NetworkSourceAddress::Kind::Gpsd;
    address.host = "localhost";
    address.port = NetworkSourceAddress::kGpsdPort;
    return address;
  }
  std::string_view rest;
  bool found = false;
  for (const Scheme& s : kSchemes) {
    if (StartsWithNoCase(name, s.prefix)) {
      address.kind = s.kind;
      rest = name.substr(std::string_view(s.prefix).size());
      found = true;
      break;
    }
  }
  if (!found) return std::nullopt;
  if (!rest.empty() && rest.back() == '/') rest.remove_suffix(1);

  std::string_view host;
  std::string_view port;
  bool havePort = false;
  if (!rest.empty() && rest.front() == '[') {
    size_t close = rest.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    host = rest.substr(1, close - 1);
    std::string_view after = rest.substr(close + 1);
    if (!after.empty()) {
      if (after.front() != ':') return std::nullopt;
      port = after.substr(1);
      havePort = true;
    }
    if (host.empty()) return std::nullopt;
  } else {
    size_t colon = rest.rfind(':');
    if (colon != std::string_view::npos) {
      host = rest.substr(0, colon);
      port = rest.substr(colon + 1);
      havePort = true;
      if (host.find(':') != std::string_view::npos) return std::nullopt;  // IPv6 needs brackets
    } else {
      host = rest;
    }
  }
  if (!UsableHost(host)) return std::nullopt;
  address.host = std::string(host);

  if (havePort) {
    std::optional<int> n = PortNumber(port);
    if (!n) return std::nullopt;
    address.port = *n;
  } else if (address.kind == NetworkSourceAddress::Kind::Gpsd) {
    address.port = NetworkSourceAddress::kGpsdPort;
  } else {
    return std::nullopt;  // a stream or a datagram source has no usual port
  }
  if (address.host.empty()) {
    if (address.kind == NetworkSourceAddress::Kind::Gpsd) address.host = "localhost";
    else if (address.kind == NetworkSourceAddress::Kind::Tcp) return std::nullopt;
  }
  return address;
}

}  // namespace rovex
