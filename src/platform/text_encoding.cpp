#include "platform/text_encoding.h"

namespace rovex {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the valid sequence starting at i, 0 when it is not one
// (overlong forms, surrogates and code points beyond U+10FFFF are invalid).
std::size_t SequenceLength(std::string_view t, std::size_t i) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
  unsigned char c = at(i);
  if (c < 0x80) return 1;
  std::size_t n;
  unsigned char min2 = 0x80, max2 = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) min2 = 0xA0;
    if (c == 0xED) max2 = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) min2 = 0x90;
    if (c == 0xF4) max2 = 0x8F;
  } else {
    return 0;
  }
  if (i + n > t.size()) return 0;
  if (at(i + 1) < min2 || at(i + 1) > max2) return 0;
  for (std::size_t k = 2; k < n; ++k) {
    if (!IsContinuation(at(i + k))) return 0;
  }
  return n;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = SequenceLength(text, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string ToUtf8(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::string CutUtf8(std::string_view utf8, std::size_t maxCharacters) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (IsContinuation(static_cast<unsigned char>(utf8[i]))) continue;
    if (count == maxCharacters) return std::string(utf8.substr(0, i));
    ++count;
  }
  return std::string(utf8);
}

}  // namespace rovex
