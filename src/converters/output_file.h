#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// A file that a converter writes. Nothing half-done is left behind: a new or
// replaced file is written beside its final name and renamed over it only by
// Commit(); an appended file is cut back to its old length by Abandon() (or by
// destruction without Commit), so a cancelled or failed conversion leaves the
// destination as it was.

namespace rovex::converters {

class OutputFile {
 public:
  enum class Mode { Replace, Append };

  OutputFile() = default;
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // False when the file cannot be created or opened (errno tells why).
  bool Open(const std::string& path, Mode mode);

  // Buffered; a failed write is remembered and later writes do nothing.
  bool Write(std::string_view text);
  bool Write(char c) { return Write(std::string_view(&c, 1)); }

  bool Failed() const { return m_failed; }
  bool IsOpen() const { return m_file != nullptr; }
  const std::string& Path() const { return m_path; }

  // Flushes, syncs and puts the file in place; false (and the destination
  // left as it was) when any write failed.
  bool Commit();
  void Abandon();

 private:
  std::FILE* m_file = nullptr;
  std::string m_path;
  std::string m_tempPath;  // empty in append mode
  uint64_t m_appendStart = 0;
  bool m_failed = false;
};

}  // namespace rovex::converters
