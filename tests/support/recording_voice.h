#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform/voice_output.h"

// A voice output that plays nothing and records the path of every file asked
// for, and which of them would still be waiting to be heard.

namespace rovex::testing {

class RecordingVoice final : public VoiceOutput {
 public:
  void Play(const std::string& path) override;
  void Silence() override;

  std::vector<std::string> Paths() const;
  // The file names only, without the folder.
  std::vector<std::string> Files() const;
  void Clear();
  // The file names asked for since the last Silence: what a real output
  // would still play (none of it has been heard, as nothing ever finishes here).
  std::vector<std::string> Waiting() const;
  int Silences() const;

 private:
  mutable std::mutex m_mutex;
  std::vector<std::string> m_paths;
  std::size_t m_waitingFrom = 0;  // index into m_paths
  int m_silences = 0;
};

}  // namespace rovex::testing
