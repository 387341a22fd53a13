#include "cameras/near_camera_list.h"

#include <cmath>
#include <cstdio>

#include "nmea/c_number.h"

namespace rovex {
namespace {

constexpr double kListMetresPerDegreeLat = 110945.90800966838;
constexpr double kListMetresPerDegreeLon = 111319.14001027387;

}  // namespace

std::string NearCameraList::DistanceText(const CameraRecord& camera, double originLatitude, double originLongitude) {
  double latitude = CAtof(camera.Latitude.c_str());
  double longitude = CAtof(camera.Longitude.c_str());
  if (latitude == 0.0 || longitude == 0.0 || originLatitude == 0.0 || originLongitude == 0.0) return "empty";
  double north = (latitude - originLatitude) * kListMetresPerDegreeLat;
  double east = (longitude - originLongitude) * kListMetresPerDegreeLon;
  char text[64];
  std::snprintf(text, sizeof text, "%.3f km", std::sqrt(north * north + east * east) / 1000.0);
  return text;
}

CameraTable NearCameraList::Build(const std::vector<CameraRecord>* list, double originLatitude,
                                  double originLongitude) {
  CameraTable table;
  table.columns = {{"Distance", 95},  {"Latitude", 95}, {"Longitude", 95},
                   {"CamType", 100},  {"Road", 100},    {"Town", 100},
                   {"Hazard", 100},   {"Permanent", 100}, {"SpeedLimit", 100}};
  if (!list) {
    table.rows.push_back({"Camera list is empty"});
    return table;
  }
  for (const CameraRecord& camera : *list) {
    table.rows.push_back({DistanceText(camera, originLatitude, originLongitude), camera.Latitude.str(),
                          camera.Longitude.str(), camera.CamType.str(), camera.Road.str(), camera.Town.str(),
                          camera.Hazard.str(), camera.Permanent.str(), camera.SpeedLimit.str()});
  }
  return table;
}

DialogLayout NearCameraList::Layout(int clientWidth, int clientHeight) {
  return {10, 50, clientWidth - 20, clientHeight - 60, clientWidth - 110, 10};
}

}  // namespace rovex
