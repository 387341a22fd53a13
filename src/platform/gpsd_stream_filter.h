#pragma once

#include <cstdint>

// gpsd answers a watch for raw NMEA with its own JSON reports (VERSION,
// DEVICES, WATCH, ERROR) between the receiver's sentences. The reader must see
// only the receiver's lines, so every line that begins with "{" is dropped,
// byte by byte, with no buffer that input could overflow.

namespace rovex {

class GpsdStreamFilter {
 public:
  // True when the byte belongs to the receiver's stream and is passed on.
  bool Keep(uint8_t byte);
  // A new connection starts at the beginning of a line.
  void Reset() { m_state = State::LineStart; }

 private:
  enum class State { LineStart, Passing, Dropping };
  State m_state = State::LineStart;
};

}  // namespace rovex
