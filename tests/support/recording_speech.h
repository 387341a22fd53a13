#pragma once

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/speech_output.h"

// A speech output that says nothing and records every text it is given.

namespace rovex::testing {

class RecordingSpeech final : public SpeechOutput {
 public:
  void Speak(std::string_view text) override {
    std::lock_guard lock(m_mutex);
    m_texts.emplace_back(text);
  }
  std::vector<std::string> Texts() const {
    std::lock_guard lock(m_mutex);
    return m_texts;
  }
  void Clear() {
    std::lock_guard lock(m_mutex);
    m_texts.clear();
  }

 private:
  mutable std::mutex m_mutex;
  std::vector<std::string> m_texts;
};

}  // namespace rovex::testing
