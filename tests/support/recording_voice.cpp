#include "support/recording_voice.h"

namespace rovex::testing {

void RecordingVoice::Play(const std::string& path) {
  std::lock_guard lock(m_mutex);
  m_paths.push_back(path);
}

std::vector<std::string> RecordingVoice::Paths() const {
  std::lock_guard lock(m_mutex);
  return m_paths;
}

std::vector<std::string> RecordingVoice::Files() const {
  std::lock_guard lock(m_mutex);
  std::vector<std::string> files;
  for (const std::string& p : m_paths) {
    std::size_t slash = p.find_last_of('/');
    files.push_back(slash == std::string::npos ? p : p.substr(slash + 1));
  }
  return files;
}

void RecordingVoice::Clear() {
  std::lock_guard lock(m_mutex);
  m_paths.clear();
}

}  // namespace rovex::testing
