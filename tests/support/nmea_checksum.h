#pragma once

#include <cstdio>
#include <string>

// A sentence from its body with the checksum worked out, so that test cases read as their data.

namespace rovex::testing {

inline std::string WithChecksum(const std::string& body) {
  unsigned sum = 0;
  for (unsigned char c : body) sum ^= c;
  char tail[8];
  std::snprintf(tail, sizeof tail, "*%02X", sum);
  return "$" + body + tail;
}

}  // namespace rovex::testing
