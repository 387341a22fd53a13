// The calibration (".map") reader: any bytes must read without a fault, the
// corners it found are finite, and reading the text in one piece or from a
// file gives the same corners.
#include <stdlib.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "atlas/atlas_calibration.h"

namespace {

const std::string& FilePath() {
  static const std::string path = [] {
    char folder[] = "/tmp/rovex-fuzz-atlas-XXXXXX";
    if (!mkdtemp(folder)) std::abort();
    return std::string(folder) + "/layer.map";
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  rovex::atlas::AtlasCalibration fromText;
  rovex::atlas::ParseAtlasMap(text, &fromText);
  if (fromText.pointsRead < 0 || fromText.pointsRead > static_cast<int>(size)) std::abort();

  std::FILE* f = std::fopen(FilePath().c_str(), "wb");
  if (!f) return 0;
  if (size > 0) std::fwrite(data, 1, size, f);
  std::fclose(f);
  rovex::atlas::AtlasCalibration fromFile;
  if (!rovex::atlas::ReadAtlasMapFile(FilePath(), &fromFile)) std::abort();
  if (fromFile.pointsRead != fromText.pointsRead) std::abort();
  for (int i = 0; i < 4; ++i) {
    const bool same = (fromFile.lat[i] == fromText.lat[i] || (std::isnan(fromFile.lat[i]) && std::isnan(fromText.lat[i]))) &&
                      (fromFile.lon[i] == fromText.lon[i] || (std::isnan(fromFile.lon[i]) && std::isnan(fromText.lon[i])));
    if (!same) std::abort();
  }
  return 0;
}
