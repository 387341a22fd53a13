#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

// The open NMEA log (`NmeaLogFile`): opened and closed on the user interface
// thread, written by the serial reader one line at a time. Closing takes the
// file out under the guard the reader holds while it writes a line, so a close
// never cuts into a line. Each line reaches the disk before the next is read,
// so a power cut in a car loses at most the line being written.
//
// A sync on a slow SD card can take a long time, and the window asks whether
// the log is open twice a second (status pane, menu check mark). So the sync
// runs outside the guard on a descriptor of its own, and "open" is a flag of
// its own: neither the window's checks nor a close ever wait for the disk.

namespace rovex {

class NmeaLog {
 public:
  // Pushes what was written to the disk: fdatasync by default. Returns 0, or
  // -1 with errno set, as fdatasync does.
  using SyncFunction = std::function<int(int fd)>;

  NmeaLog();
  explicit NmeaLog(SyncFunction sync);
  ~NmeaLog() { Close(); }
  NmeaLog(const NmeaLog&) = delete;
  NmeaLog& operator=(const NmeaLog&) = delete;

  // Creates (or empties) the file and makes it the log. False when it cannot
  // be created; logging is then off.
  bool Open(const std::string& path);
  // Never blocks: safe to ask from the window at any time.
  bool IsOpen() const { return m_open.load(std::memory_order_acquire); }
  // Closes; nothing when no log is open. Every line was flushed when written.
  void Close();

  // Reader thread: the line and a line end, when logging is on; returns once
  // the line is on the disk. A failed write or sync turns logging off; nothing
  // more goes to that file.
  void WriteLine(std::string_view line);

 private:
  void CloseLocked();

  SyncFunction m_sync;
  mutable std::mutex m_guard;  // m_file and m_opening
  std::FILE* m_file = nullptr;
  // Counts the openings, so that a sync failing late turns off only the file
  // it was for, not one the user opened meanwhile.
  uint64_t m_opening = 0;
  std::atomic<bool> m_open{false};
};

}  // namespace rovex
