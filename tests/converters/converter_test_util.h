#pragma once

#include <cstdint>
#include <string>

#include "converters/synthetic_nmea.h"

// Small builders shared by the converter tests.

namespace rovex::testing {

// A sentence body ("$GPRMC,...") with its checksum and line end.
inline std::string WithChecksum(const std::string& body) {
  return body + "*" + converters::NmeaChecksum(body) + "\r\n";
}

// OV2 bytes: little-endian 32-bit values.
inline std::string Le32(int32_t v) {
  uint32_t u = static_cast<uint32_t>(v);
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>((u >> (8 * i)) & 0xFF);
  return s;
}

inline std::string Ov2Poi(int32_t lon, int32_t lat, const std::string& name) {
  int32_t length = static_cast<int32_t>(13 + name.size() + 1);
  return std::string(1, '\x02') + Le32(length) + Le32(lon) + Le32(lat) + name + std::string(1, '\0');
}

inline std::string Ov2Extended(int32_t lon, int32_t lat, const std::string& a, const std::string& b,
                               const std::string& c) {
  std::string strings = a + std::string(1, '\0') + b + std::string(1, '\0') + c + std::string(1, '\0');
  int32_t length = static_cast<int32_t>(13 + strings.size());
  return std::string(1, '\x03') + Le32(length) + Le32(lon) + Le32(lat) + strings;
}

inline std::string Ov2Skipper(int32_t length) {
  return std::string(1, '\x01') + Le32(length) + Le32(0) + Le32(0) + Le32(0) + Le32(0);
}

}  // namespace rovex::testing
