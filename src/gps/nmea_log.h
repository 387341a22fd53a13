#pragma once

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

// The open NMEA log (`NmeaLogFile`): opened and closed on the user interface
// thread, written by the serial reader one line at a time. Closing takes the
// file out under the guard the reader holds while it writes a line, so a close
// never cuts into a line. Each line reaches the disk before the next is read,
// so a power cut in a car loses at most the line being written.

namespace rovex {

class NmeaLog {
 public:
  NmeaLog() = default;
  ~NmeaLog() { Close(); }
  NmeaLog(const NmeaLog&) = delete;
  NmeaLog& operator=(const NmeaLog&) = delete;

  // Creates (or empties) the file and makes it the log. False when it cannot
  // be created; logging is then off.
  bool Open(const std::string& path);
  bool IsOpen() const;
  // Flushes and closes; nothing when no log is open.
  void Close();

  // Reader thread: the line and a line end, when logging is on. A failed write
  // turns logging off; nothing more goes to that file.
  void WriteLine(std::string_view line);

 private:
  mutable std::mutex m_guard;
  std::FILE* m_file = nullptr;
};

}  // namespace rovex
