#pragma once

// For the fuzz targets whose reader takes a file name, not bytes: each run's
// input is written to one file in a folder of its own under /tmp.

#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace rovex_fuzz {

// "/tmp/rovex-fuzz-TAG-XXXXXX", made at the first call; the same path after.
inline std::string MakeFolder(const char* tag) {
  std::string name = std::string("/tmp/rovex-fuzz-") + tag + "-XXXXXX";
  if (!mkdtemp(name.data())) std::abort();
  return name;
}

// The whole input as the file's contents; false when it can't be written.
inline bool WriteInput(const std::string& path, const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  if (size > 0) std::fwrite(data, 1, size, f);
  std::fclose(f);
  return true;
}

}  // namespace rovex_fuzz
