#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Small helpers shared by the converters for their input and output paths.

namespace rovex::converters {

// An input opened for reading in binary (line ends are handled by the
// readers), closed on destruction.
class InputFile {
 public:
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  std::FILE* get() const { return m_file; }
  explicit operator bool() const { return m_file != nullptr; }
  uint64_t Size() const { return m_size; }

 private:
  std::FILE* m_file = nullptr;
  uint64_t m_size = 0;
};

// The rest of the file; false when reading failed.
bool ReadAll(std::FILE* file, std::string* bytes);

// True when both name the same existing file (also through links or "./").
bool SameFile(const std::string& a, const std::string& b);

bool FileExists(const std::string& path);

}  // namespace rovex::converters
