#include "converters/text_line_reader.h"

#include <cstring>

namespace rovex::converters {

bool TextLineReader::Fill() {
  if (m_eof) return false;
  m_pos = 0;
  m_end = std::fread(m_buffer, 1, sizeof m_buffer, m_file);
  if (m_end == 0) {
    m_eof = true;
    if (std::ferror(m_file)) m_failed = true;
    return false;
  }
  return true;
}

bool TextLineReader::Next(std::string_view* line) {
  m_line.clear();
  bool any = false;
  bool ended = false;
  while (!ended) {
    if (m_pos == m_end && !Fill()) break;
    const char* start = m_buffer + m_pos;
    const void* lf = std::memchr(start, '\n', m_end - m_pos);
    std::size_t n = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : m_end - m_pos;
    std::size_t room = kMaxLine > m_line.size() ? kMaxLine - m_line.size() : 0;
    m_line.append(start, n < room ? n : room);
    m_pos += n;
    m_bytesRead += n;
    any = true;
    if (lf) {
      ++m_pos;
      ++m_bytesRead;
      ended = true;
    }
  }
  if (!any) return false;
  ++m_lineNumber;
  std::size_t length = m_line.size();
  while (length > 0 && m_line[length - 1] == '\r') --length;
  *line = std::string_view(m_line.data(), length);
  return true;
}

}  // namespace rovex::converters
