#include "atlas/atlas_zoom_model.h"

#include <cstdint>
#include <cstdlib>

#include "settings/registry_settings.h"

namespace rovex::atlas {

AtlasZoomModel::AtlasZoomModel(RegistrySettings& s)
    : settings(s), level(static_cast<int32_t>(s.ReadNumberSetting("AtlasZoom"))) {}

int AtlasZoomModel::Ok(const std::string& text) {
  level = std::atoi(text.c_str());
  if (level < 0) level = 0;
  settings.WriteNumberSetting("AtlasZoom", static_cast<uint32_t>(level));
  return level;
}

}  // namespace rovex::atlas
