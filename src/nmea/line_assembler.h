#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Turns the receiver's byte stream into lines as the reader thread sees them:
// carriage return ends a line, line feed and NUL are dropped, every other byte
// is kept (so noise before "$" stays part of the line), and a line that grows
// past 99 characters is thrown away and assembly starts again.

namespace rovex {

class LineAssembler {
 public:
  static constexpr size_t kMaxLine = 99;

  // True when the byte completed a line, which Line() then holds until the next Feed.
  bool Feed(uint8_t byte);
  const std::string& Line() const { return m_done; }

 private:
  std::string m_line;
  std::string m_done;
};

// The lines handed to the view: "$" first, then a GGA or RMC sentence of any
// talker (fifth and sixth characters "GA" or "MC"), or a GPGLL sentence.
bool IsForwardedSentence(std::string_view line);

}  // namespace rovex
