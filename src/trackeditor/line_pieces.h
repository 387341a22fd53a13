#pragma once

#include <cstddef>
#include <string_view>

// Text cut into lines as a buffered line read with a fixed limit cuts it: each
// piece ends after a newline or after `limit` characters, whichever comes
// first, and keeps its newline.

namespace rovex::trackeditor {

class LinePieces {
 public:
  LinePieces(std::string_view text, std::size_t limit) : m_text(text), m_limit(limit) {}
  // False at the end of the text.
  bool Next(std::string_view* piece);

 private:
  std::string_view m_text;
  std::size_t m_limit;
  std::size_t m_pos = 0;
};

// The line without up to two trailing control characters (CR and LF both go).
std::string_view TrimLineEnd(std::string_view line);

}  // namespace rovex::trackeditor
