// The camera database readers: any bytes must read without a fault, and the
// position index must give exactly the list that reading every line gives.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cameras/camera_exclude_names.h"
#include "cameras/camera_file_reader.h"
#include "cameras/camera_index.h"

#include "fuzz_input_file.h"

namespace {

const std::string& FilePath() {
  static const std::string path = rovex_fuzz::MakeFolder("cameras") + "/cameras.txt";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = FilePath();
  if (!rovex_fuzz::WriteInput(path, data, size)) return 0;

  static rovex::CameraIndex index;
  rovex::CameraExcludeNames excluded({"GATSO", "specs"});
  struct Query {
    double latitude, longitude, radius;
  };
  const Query queries[] = {{51.5, -0.1, 4000}, {51.5, -0.1, 1e7}, {-33.9, 151.2, 64000}, {51.5, -0.1, INFINITY}};
  for (const Query& q : queries) {
    rovex::GpsFix origin;
    origin.latitude = q.latitude;
    origin.longitude = q.longitude;
    for (const rovex::CameraExcludeList* exclusions : {static_cast<const rovex::CameraExcludeList*>(nullptr),
                                                       static_cast<const rovex::CameraExcludeList*>(&excluded)}) {
      std::vector<rovex::CameraRecord> plain, indexed;
      rovex::ReadCamerasPlain(path, origin, q.radius, exclusions, &plain);
      index.Read(path, origin, q.radius, exclusions, &indexed);
      if (!(plain == indexed)) std::abort();
    }
  }
  return 0;
}
