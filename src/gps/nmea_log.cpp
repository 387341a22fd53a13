#include "gps/nmea_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace rovex {

NmeaLog::NmeaLog() : NmeaLog([](int fd) { return ::fdatasync(fd); }) {}

NmeaLog::NmeaLog(SyncFunction sync) : m_sync(std::move(sync)) {}

bool NmeaLog::Open(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "w");
  if (!f) return false;
  std::FILE* previous;
  {
    std::lock_guard lock(m_guard);
    previous = m_file;
    m_file = f;
    ++m_opening;
    m_open.store(true, std::memory_order_release);
  }
  if (previous) std::fclose(previous);
  return true;
}

void NmeaLog::CloseLocked() {
  std::fclose(m_file);
  m_file = nullptr;
  m_open.store(false, std::memory_order_release);
}

void NmeaLog::Close() {
  std::FILE* f;
  {
    std::lock_guard lock(m_guard);
    f = m_file;
    m_file = nullptr;
    m_open.store(false, std::memory_order_release);
  }
  // No sync here: the writer syncs every line itself, on its own descriptor,
  // so the close has nothing left to wait for.
  if (f) std::fclose(f);
}

void NmeaLog::WriteLine(std::string_view line) {
  int fd = -1;
  uint64_t opening;
  {
    std::lock_guard lock(m_guard);
    if (!m_file) return;
    bool ok = std::fwrite(line.data(), 1, line.size(), m_file) == line.size() && std::fputc('\n', m_file) != EOF &&
              std::fflush(m_file) == 0;
    // A descriptor of our own stays valid however soon the window closes the log.
    if (ok) ok = (fd = ::fcntl(fileno(m_file), F_DUPFD_CLOEXEC, 0)) >= 0;
    if (!ok) {
      CloseLocked();
      return;
    }
    opening = m_opening;
  }
  // A pipe or a terminal cannot be synced; that is no write failure.
  const bool synced = m_sync(fd) == 0 || errno == EINVAL || errno == EROFS;
  ::close(fd);
  if (!synced) {
    std::lock_guard lock(m_guard);
    if (m_file && m_opening == opening) CloseLocked();
  }
}

}  // namespace rovex
