#include "cameras/camera_file_reader.h"

#include <cstdio>

#include "cameras/camera_line.h"

namespace rovex {

CameraReadStatus ReadCamerasPlain(const std::string& path, const GpsFix& origin, double radius,
                                  const CameraExcludeList* excluded, std::vector<CameraRecord>* out) {
  std::FILE* file = std::fopen(path.c_str(), "r");
  if (!file) return CameraReadStatus::OpenFailed;
  std::string raw;
  for (;;) {
    raw.clear();
    int c;
    bool any = false;
    // Only the first characters of a line count; more than the limit plus a
    // possible CR is never kept, whatever the length of the line.
    while ((c = getc_unlocked(file)) != EOF && c != '\n') {
      any = true;
      if (raw.size() <= kCameraLineLimit) raw.push_back(static_cast<char>(c));
    }
    if (c == EOF && !any) break;
    std::string_view line = CameraLineText(raw);
    double latitude, longitude;
    if (CameraLinePosition(line, &latitude, &longitude) && CameraInRange(origin, latitude, longitude, radius) &&
        !(excluded && CameraLineExcluded(line, *excluded))) {
      out->push_back(CameraRecordFromLine(line));
    }
    if (c == EOF) break;
  }
  std::fclose(file);
  return CameraReadStatus::Ok;
}

}  // namespace rovex
