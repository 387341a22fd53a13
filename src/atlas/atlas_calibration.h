#pragma once

#include <string>

// The four corner points of an atlas layer from its calibration (".map")
// file: Point01 top-left, Point02 top-right, Point03 bottom-right, Point04
// bottom-left. Coordinates are signed decimal degrees, north and east positive.

namespace rovex::atlas {

struct AtlasCalibration {
  float lat[4] = {0, 0, 0, 0};
  float lon[4] = {0, 0, 0, 0};
  int pointsRead = 0;  // how many of the corner lines were found
};

// Reads the corner points from the text of a ".map" file; lines are cut to 499
// characters. Points not found keep the values already in *out.
void ParseAtlasMap(const std::string& text, AtlasCalibration* out);
// The same from a file; false (and *out unchanged) when it cannot be opened.
bool ReadAtlasMapFile(const std::string& path, AtlasCalibration* out);

}  // namespace rovex::atlas
