#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// Reads a text input (camera lists, GPX) one line at a time: the whole line
// with its line end (LF, CR LF or CR CR LF) removed, the last line too when the
// file does not end with a line end. A line longer than kMaxLine keeps its
// first kMaxLine bytes and the rest is skipped, so no input can make the
// reader hold more than that.

namespace rovex::converters {

class TextLineReader {
 public:
  static constexpr std::size_t kMaxLine = 4096;

  // The file is read from where it stands and is not closed here.
  explicit TextLineReader(std::FILE* file) : m_file(file) {}
  TextLineReader(const TextLineReader&) = delete;
  TextLineReader& operator=(const TextLineReader&) = delete;

  // The next line, valid until the next call; false at the end of the input
  // or when reading failed.
  bool Next(std::string_view* line);

  std::size_t LineNumber() const { return m_lineNumber; }
  uint64_t BytesRead() const { return m_bytesRead; }
  bool Failed() const { return m_failed; }

 private:
  bool Fill();

  std::FILE* m_file;
  char m_buffer[1 << 16];
  std::size_t m_pos = 0;
  std::size_t m_end = 0;
  bool m_eof = false;
  bool m_failed = false;
  std::string m_line;
  std::size_t m_lineNumber = 0;
  uint64_t m_bytesRead = 0;
};

}  // namespace rovex::converters
