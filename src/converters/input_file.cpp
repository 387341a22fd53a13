#include "converters/input_file.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

namespace rovex::converters {

InputFile::InputFile(const std::string& path) {
  if (path.empty()) return;
  m_file = std::fopen(path.c_str(), "rb");
  if (m_file == nullptr) return;
  struct stat st;
  if (fstat(fileno(m_file), &st) == 0) {
    if (S_ISDIR(st.st_mode)) {
      std::fclose(m_file);
      m_file = nullptr;
      return;
    }
    if (S_ISREG(st.st_mode)) m_size = static_cast<uint64_t>(st.st_size);
  }
}

InputFile::~InputFile() {
  if (m_file) std::fclose(m_file);
}

bool ReadAll(std::FILE* file, std::string* bytes) {
  bytes->clear();
  char buffer[1 << 16];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes->append(buffer, n);
  return !std::ferror(file);
}

bool SameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec) && !ec;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::exists(path, ec);
}

}  // namespace rovex::converters
