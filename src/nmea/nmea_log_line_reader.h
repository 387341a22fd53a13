#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

// Reads an NMEA log line by line the way a replay reads it, so that every
// reader of logs (replay, rovex-cli parse) sees the same lines:
// - at most 298 characters at a time; a longer line comes out in pieces;
// - CR LF is read as LF, as a text-mode read on the system the logs were first
//   written on does, so a line ending in CR CR LF still loses all three;
// - the text ends at the first NUL byte;
// - on a line of 3 characters or more, a trailing LF or CR is removed, and then
//   once more.
// The replay hands over only what is then longer than 2 characters.

namespace rovex {

class NmeaLogLineReader {
 public:
  static constexpr size_t kMaxRead = 298;

  // The file is read from where it stands and is not closed here.
  explicit NmeaLogLineReader(std::FILE* file) : m_file(file) {}
  NmeaLogLineReader(const NmeaLogLineReader&) = delete;
  NmeaLogLineReader& operator=(const NmeaLogLineReader&) = delete;

  // The next line, valid until the next call. False at the end of the file
  // or when reading failed (Failed() tells which).
  bool Next(std::string_view* line);

  // 1-based number, within the file, of the line that the last piece came from.
  size_t LineNumber() const { return m_lineNumber; }

  bool Failed() const { return m_failed; }
  int ErrorNumber() const { return m_errorNumber; }

 private:
  bool Fill();

  std::FILE* m_file;
  char m_buffer[1 << 16];
  size_t m_pos = 0;
  size_t m_end = 0;
  bool m_eof = false;
  bool m_failed = false;
  int m_errorNumber = 0;
  char m_line[kMaxRead + 1];
  size_t m_lineNumber = 0;
  size_t m_nextLineNumber = 1;
};

}  // namespace rovex
