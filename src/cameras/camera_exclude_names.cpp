#include "cameras/camera_exclude_names.h"

namespace rovex {

bool CameraExcludeNames::IsExcluded(std::string_view camType) const {
  for (const std::string& name : m_names) {
    if (EqualsIgnoreCase(camType, name)) return true;
  }
  return false;
}

}  // namespace rovex
