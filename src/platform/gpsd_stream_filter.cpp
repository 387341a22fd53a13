#include "platform/gpsd_stream_filter.h"

namespace rovex {

bool GpsdStreamFilter::Keep(uint8_t byte) {
  if (m_state == State::LineStart && byte == '{') m_state = State::Dropping;
  bool keep = m_state != State::Dropping;
  if (byte == '\n') {
    m_state = State::LineStart;
  } else if (m_state == State::LineStart && byte != '\r') {
    m_state = State::Passing;
  }
  return keep;
}

}  // namespace rovex
