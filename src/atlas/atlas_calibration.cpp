#include "atlas/atlas_calibration.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace rovex::atlas {
namespace {

constexpr size_t kLineLimit = 499;

// Position just after the next comma at or after pos; npos when there is none.
size_t AfterComma(const std::string& line, size_t pos) {
  if (pos >= line.size()) return std::string::npos;
  size_t c = line.find(',', pos);
  return c == std::string::npos ? c : c + 1;
}

double NumberAt(const std::string& line, size_t pos) { return pos < line.size() ? std::atof(line.c_str() + pos) : 0.0; }
char LetterAt(const std::string& line, size_t pos) { return pos < line.size() ? line[pos] : '\0'; }

// One "PointNN,xy" line; false when the line runs out of commas.
bool ParsePoint(const std::string& line, int index, AtlasCalibration* out) {
  size_t p = 0;
  for (int i = 0; i < 6; ++i) {
    p = AfterComma(line, p);
    if (p == std::string::npos) return false;
  }
  p += 1;
  double lat = NumberAt(line, p);
  if ((p = AfterComma(line, p)) == std::string::npos) return false;
  lat += NumberAt(line, p) / 60.0;
  if ((p = AfterComma(line, p)) == std::string::npos) return false;
  if (LetterAt(line, p) == 'S') lat = -lat;
  if ((p = AfterComma(line, p)) == std::string::npos) return false;
  p += 1;
  double lon = NumberAt(line, p);
  if ((p = AfterComma(line, p)) == std::string::npos) return false;
  lon += NumberAt(line, p) / 60.0;
  if ((p = AfterComma(line, p)) == std::string::npos) return false;
  // West is negative: the system's longitudes are east-positive throughout.
  if (LetterAt(line, p) == 'W') lon = -lon;
  out->lat[index] = static_cast<float>(lat);
  out->lon[index] = static_cast<float>(lon);
  ++out->pointsRead;
  return true;
}

}  // namespace

void ParseAtlasMap(const std::string& text, AtlasCalibration* out) {
  static const char* const kKeys[4] = {"Point01,xy", "Point02,xy", "Point03,xy", "Point04,xy"};
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.size() > kLineLimit) line.resize(kLineLimit);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    for (int i = 0; i < 4; ++i) {
      if (line.find(kKeys[i]) == std::string::npos) continue;
      if (!ParsePoint(line, i, out)) return;
      break;
    }
  }
}

bool ReadAtlasMapFile(const std::string& path, AtlasCalibration* out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream text;
  text << in.rdbuf();
  ParseAtlasMap(text.str(), out);
  return true;
}

}  // namespace rovex::atlas
