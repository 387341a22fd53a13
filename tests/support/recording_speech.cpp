#include "support/recording_speech.h"

namespace rovex::testing {

void RecordingSpeech::Speak(std::string_view text) {
  std::lock_guard lock(m_mutex);
  m_texts.emplace_back(text);
}

std::vector<std::string> RecordingSpeech::Texts() const {
  std::lock_guard lock(m_mutex);
  return m_texts;
}

void RecordingSpeech::Clear() {
  std::lock_guard lock(m_mutex);
  m_texts.clear();
}

}  // namespace rovex::testing
