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
  void Play(const std::string& path) override {
    std::lock_guard lock(m_mutex);
    m_paths.push_back(path);
  }
  void Silence() override {
    std::lock_guard lock(m_mutex);
    m_waitingFrom = m_paths.size();
    ++m_silences;
  }

  std::vector<std::string> Paths() const {
    std::lock_guard lock(m_mutex);
    return m_paths;
  }
  // The file names only, without the folder.
  std::vector<std::string> Files() const { return FileNames(false); }
  void Clear() {
    std::lock_guard lock(m_mutex);
    m_paths.clear();
    m_waitingFrom = 0;
    m_silences = 0;
  }
  // The file names asked for since the last Silence: what a real output
  // would still play (none of it has been heard, as nothing ever finishes here).
  std::vector<std::string> Waiting() const { return FileNames(true); }
  int Silences() const {
    std::lock_guard lock(m_mutex);
    return m_silences;
  }

 private:
  std::vector<std::string> FileNames(bool waitingOnly) const {
    std::lock_guard lock(m_mutex);
    std::vector<std::string> files;
    for (std::size_t i = waitingOnly ? m_waitingFrom : 0; i < m_paths.size(); ++i)
      files.push_back(m_paths[i].substr(m_paths[i].rfind('/') + 1));
    return files;
  }
  mutable std::mutex m_mutex;
  std::vector<std::string> m_paths;
  std::size_t m_waitingFrom = 0;  // index into m_paths
  int m_silences = 0;
};

}  // namespace rovex::testing
