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

void RecordingVoice::Silence() {
  std::lock_guard lock(m_mutex);
  m_waitingFrom = m_paths.size();
  ++m_silences;
}

namespace {

std::string FileName(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::vector<std::string> RecordingVoice::Files() const {
  std::lock_guard lock(m_mutex);
  std::vector<std::string> files;
  for (const std::string& p : m_paths) files.push_back(FileName(p));
  return files;
}

std::vector<std::string> RecordingVoice::Waiting() const {
  std::lock_guard lock(m_mutex);
  std::vector<std::string> files;
  for (std::size_t i = m_waitingFrom; i < m_paths.size(); ++i) files.push_back(FileName(m_paths[i]));
  return files;
}

int RecordingVoice::Silences() const {
  std::lock_guard lock(m_mutex);
  return m_silences;
}

void RecordingVoice::Clear() {
  std::lock_guard lock(m_mutex);
  m_paths.clear();
  m_waitingFrom = 0;
  m_silences = 0;
}

}  // namespace rovex::testing
