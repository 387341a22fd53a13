#include "gps/nmea_log.h"

#include <unistd.h>

#include <cerrno>

namespace rovex {
namespace {

// A pipe or a terminal cannot be synced; that is no write failure.
bool Synced(std::FILE* f) { return ::fdatasync(fileno(f)) == 0 || errno == EINVAL || errno == EROFS; }

}  // namespace

bool NmeaLog::Open(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "w");
  if (!f) return false;
  std::FILE* previous;
  {
    std::lock_guard lock(m_guard);
    previous = m_file;
    m_file = f;
  }
  if (previous) std::fclose(previous);
  return true;
}

bool NmeaLog::IsOpen() const {
  std::lock_guard lock(m_guard);
  return m_file != nullptr;
}

void NmeaLog::Close() {
  std::FILE* f;
  {
    std::lock_guard lock(m_guard);
    f = m_file;
    m_file = nullptr;
  }
  if (f) {
    std::fflush(f);
    ::fsync(fileno(f));
    std::fclose(f);
  }
}

void NmeaLog::WriteLine(std::string_view line) {
  std::lock_guard lock(m_guard);
  if (!m_file) return;
  bool ok = std::fwrite(line.data(), 1, line.size(), m_file) == line.size() && std::fputc('\n', m_file) != EOF &&
            std::fflush(m_file) == 0 && Synced(m_file);
  if (!ok) {
    std::fclose(m_file);
    m_file = nullptr;
  }
}

}  // namespace rovex
