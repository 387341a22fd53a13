#include "nmea/line_assembler.h"

namespace rovex {

bool LineAssembler::Feed(uint8_t byte) {
  if (byte == '\r') {
    m_done.swap(m_line);
    m_line.clear();
    return true;
  }
  if (byte == '\n' || byte == '\0') return false;
  m_line.push_back(static_cast<char>(byte));
  if (m_line.size() > kMaxLine) m_line.clear();
  return false;
}

bool IsForwardedSentence(std::string_view line) {
  if (line.size() < 6 || line[0] != '$') return false;
  std::string_view type = line.substr(4, 2);
  return type == "GA" || type == "MC" || line.substr(1, 5) == "GPGLL";
}

}  // namespace rovex
