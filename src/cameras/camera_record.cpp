#include "cameras/camera_record.h"

namespace rovex {

void CameraRecord::SetField(std::size_t index, std::string_view text) {
  switch (index) {
    case 0: Latitude = text; break;
    case 1: Longitude = text; break;
    case 2: Road = text; break;
    case 3: Town = text; break;
    case 4: Hazard = text; break;
    case 5: CamType = text; break;
    case 6: Permanent = text; break;
    case 7: SpeedLimit = text; break;
    default: break;
  }
}

}  // namespace rovex
