#include "nmea/nmea_log_line_reader.h"

#include <cerrno>
#include <cstring>

namespace rovex {

bool NmeaLogLineReader::Fill() {
  if (m_eof) return false;
  m_pos = 0;
  errno = 0;
  m_end = std::fread(m_buffer, 1, sizeof m_buffer, m_file);
  if (m_end == 0) {
    m_eof = true;
    if (std::ferror(m_file)) {
      m_failed = true;
      m_errorNumber = errno;
    }
    return false;
  }
  return true;
}

bool NmeaLogLineReader::Next(std::string_view* line) {
  size_t n = 0;
  bool any = false;
  m_lineNumber = m_nextLineNumber;
  while (n < kMaxRead) {
    if (m_pos == m_end && !Fill()) break;
    char c = m_buffer[m_pos++];
    any = true;
    if (c == '\r') {
      // CR is dropped only when LF follows, which may be in the next block.
      if (m_pos == m_end) Fill();
      if (m_pos < m_end && m_buffer[m_pos] == '\n') continue;
    }
    m_line[n++] = c;
    if (c == '\n') {
      ++m_nextLineNumber;
      break;
    }
  }
  if (!any) return false;

  size_t length = strnlen(m_line, n);
  if (length >= 3) {
    for (int i = 0; i < 2 && length > 0 && (m_line[length - 1] == '\n' || m_line[length - 1] == '\r'); ++i) --length;
  }
  *line = std::string_view(m_line, length);
  return true;
}

}  // namespace rovex
