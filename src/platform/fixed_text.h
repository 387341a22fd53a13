#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// Text of at most Width characters, stored in place. Longer input is cut to the
// width on assignment, the way the file formats' fixed fields have always
// behaved; a NUL ends the text, so c_str() is always the whole value.

namespace rovex {

template <std::size_t Width>
class FixedText {
 public:
  static constexpr std::size_t kWidth = Width;

  FixedText() = default;
  FixedText(std::string_view text) { Assign(text); }  // NOLINT: implicit on purpose, like a char array
  FixedText(const char* text) { Assign(text ? std::string_view(text) : std::string_view()); }

  FixedText& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }
  FixedText& operator=(const char* text) {
    Assign(text ? std::string_view(text) : std::string_view());
    return *this;
  }
  FixedText& operator=(const std::string& text) {
    Assign(text);
    return *this;
  }

  void Assign(std::string_view text) {
    std::size_t n = text.size() < Width ? text.size() : Width;
    if (n > 0) {  // an empty view may have no data at all
      const void* nul = std::memchr(text.data(), '\0', n);
      if (nul) n = static_cast<std::size_t>(static_cast<const char*>(nul) - text.data());
      std::memcpy(m_text, text.data(), n);
    }
    m_text[n] = '\0';
    m_size = n;
  }
  void Clear() {
    m_text[0] = '\0';
    m_size = 0;
  }

  const char* c_str() const { return m_text; }
  std::string_view view() const { return {m_text, m_size}; }
  std::string str() const { return {m_text, m_size}; }
  std::size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  operator std::string_view() const { return view(); }  // NOLINT

  bool operator==(const FixedText& other) const { return view() == other.view(); }
  bool operator==(std::string_view other) const { return view() == other; }
  bool operator==(const char* other) const { return view() == std::string_view(other); }

 private:
  char m_text[Width + 1] = {};
  std::size_t m_size = 0;
};

}  // namespace rovex
