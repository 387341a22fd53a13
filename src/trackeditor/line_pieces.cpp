#include "trackeditor/line_pieces.h"

namespace rovex::trackeditor {

bool LinePieces::Next(std::string_view* piece) {
  if (m_pos >= m_text.size()) return false;
  std::size_t end = m_text.find('\n', m_pos);
  end = end == std::string_view::npos ? m_text.size() : end + 1;
  if (end - m_pos > m_limit) end = m_pos + m_limit;
  *piece = m_text.substr(m_pos, end - m_pos);
  m_pos = end;
  return true;
}

std::string_view TrimLineEnd(std::string_view line) {
  for (int i = 0; i < 2 && !line.empty() && static_cast<unsigned char>(line.back()) < 32; ++i) {
    line.remove_suffix(1);
  }
  return line;
}

}  // namespace rovex::trackeditor
