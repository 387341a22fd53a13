#include "platform/speech_output.h"

#include "platform/text_encoding.h"

namespace rovex {

std::string SpeechText(std::string_view bytes) {
  std::size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  return CutUtf8(ToUtf8(bytes), kSpokenCharacterLimit);
}

}  // namespace rovex
