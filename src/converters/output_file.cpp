#include "converters/output_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace rovex::converters {

OutputFile::~OutputFile() { Abandon(); }

bool OutputFile::Open(const std::string& path, Mode mode) {
  Abandon();
  m_failed = false;
  m_path = path;
  if (mode == Mode::Append) {
    m_file = std::fopen(path.c_str(), "ab");
    if (m_file == nullptr) return false;
    std::fseek(m_file, 0, SEEK_END);
    long at = std::ftell(m_file);
    m_appendStart = at > 0 ? static_cast<uint64_t>(at) : 0;
  } else {
    m_tempPath = path + ".XXXXXX";
    int fd = mkstemp(m_tempPath.data());
    if (fd < 0) {
      m_tempPath.clear();
      return false;
    }
    // mkstemp makes the file private; a converted file is an ordinary one.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    m_file = fdopen(fd, "wb");
    if (m_file == nullptr) {
      int saved = errno;
      close(fd);
      unlink(m_tempPath.c_str());
      m_tempPath.clear();
      errno = saved;
      return false;
    }
  }
  static_cast<void>(std::setvbuf(m_file, nullptr, _IOFBF, 1 << 16));
  return true;
}

bool OutputFile::Write(std::string_view text) {
  if (m_failed || m_file == nullptr) return false;
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), m_file) != text.size()) m_failed = true;
  return !m_failed;
}

bool OutputFile::Commit() {
  if (m_file == nullptr) return false;
  if (std::fflush(m_file) != 0 || fsync(fileno(m_file)) != 0) m_failed = true;
  if (m_failed) {
    Abandon();
    return false;
  }
  bool ok = std::fclose(m_file) == 0;
  m_file = nullptr;
  if (!m_tempPath.empty()) {
    if (ok) ok = std::rename(m_tempPath.c_str(), m_path.c_str()) == 0;
    if (!ok) unlink(m_tempPath.c_str());
    m_tempPath.clear();
  }
  return ok;
}

void OutputFile::Abandon() {
  if (m_file == nullptr) return;
  std::fclose(m_file);
  m_file = nullptr;
  if (!m_tempPath.empty()) {
    unlink(m_tempPath.c_str());
    m_tempPath.clear();
  } else {
    static_cast<void>(truncate(m_path.c_str(), static_cast<off_t>(m_appendStart)));
  }
}

}  // namespace rovex::converters
