#include "support/temp_dir.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace rovex::testing {

TempDir::TempDir() {
  char templ[] = "/tmp/rovex-test-XXXXXX";
  if (!mkdtemp(templ)) throw std::runtime_error("mkdtemp failed");
  m_path = templ;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(m_path, ec);
}

void TempDir::Write(const std::string& name, const std::string& content) const {
  std::ofstream(File(name), std::ios::binary) << content;
}

std::string TempDir::Read(const std::string& name) const {
  std::ifstream f(File(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

std::string SharedDataDir() {
#ifdef ROVEX_SHARED_DATA
  if (std::filesystem::is_directory(ROVEX_SHARED_DATA)) return ROVEX_SHARED_DATA;
#endif
  return {};
}

}  // namespace rovex::testing
