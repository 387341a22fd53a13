#include "settings/map_scale_model.h"

namespace rovex {

std::optional<size_t> MapScaleModel::Open(const RegistrySettings& settings) {
  auto n = settings.TryReadNumber("MapScale");
  if (!n) return std::nullopt;
  for (size_t i = 0; i < kRadii.size(); ++i) {
    if (kRadii[i] == *n) return i;
  }
  return std::nullopt;
}

bool MapScaleModel::Ok(RegistrySettings& settings, std::optional<size_t> checked) {
  uint32_t radius = checked && *checked < kRadii.size() ? kRadii[*checked] : 5000;
  return settings.WriteMapScaleSetting(radius);
}

}  // namespace rovex
