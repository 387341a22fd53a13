#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform/voice_output.h"

// A voice output that plays nothing and records the path of every file asked for.

namespace rovex::testing {

class RecordingVoice final : public VoiceOutput {
 public:
  void Play(const std::string& path) override;

  std::vector<std::string> Paths() const;
  // The file names only, without the folder.
  std::vector<std::string> Files() const;
  void Clear();

 private:
  mutable std::mutex m_mutex;
  std::vector<std::string> m_paths;
};

}  // namespace rovex::testing
