#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Speaks text with a synthetic voice (the route voice). Speaking never blocks
// the caller: texts are queued and spoken one after another in the order
// asked for, and none is dropped while another is spoken. Texts are UTF-8;
// bytes that are not valid UTF-8 are taken as Latin-1, so a route file saved
// by an old 8-bit editor still reads its accents aloud.

namespace rovex {

// A spoken text never runs longer than this many characters.
inline constexpr std::size_t kSpokenCharacterLimit = 249;

class SpeechOutput {
 public:
  virtual ~SpeechOutput() = default;
  // Empty texts say nothing.
  virtual void Speak(std::string_view text) = 0;
};

// The text as a voice is given it: UTF-8 (Latin-1 taken for invalid UTF-8),
// ended at the first NUL, cut to kSpokenCharacterLimit characters.
std::string SpeechText(std::string_view bytes);

}  // namespace rovex
