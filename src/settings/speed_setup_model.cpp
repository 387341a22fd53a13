#include "settings/speed_setup_model.h"

namespace rovex {

std::optional<SpeedSetupModel::Units> SpeedSetupModel::Open(const RegistrySettings& settings) {
  auto n = settings.TryReadNumber("SpeedUnits");
  if (!n || *n > 2) return std::nullopt;
  return static_cast<Units>(*n);
}

bool SpeedSetupModel::Ok(RegistrySettings& settings, bool /*mph*/, bool kph, bool knots) {
  return settings.WriteSpeedUnitsSetting(knots ? Knots : kph ? Kph : Mph);
}

}  // namespace rovex
