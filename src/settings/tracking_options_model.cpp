#include "settings/tracking_options_model.h"

#include <algorithm>
#include <cstdlib>

namespace rovex {

TrackingOptionsModel::Values TrackingOptionsModel::Open(const RegistrySettings& settings) {
  Values v;
  v.logTrack = settings.ReadFlagSetting("LogTrack") == 1;
  v.displayTrack = settings.ReadFlagSetting("DisplayTrack") == 1;
  if (auto n = settings.TryReadNumber("TrackLength")) v.recordLength = std::to_string(*n);
  return v;
}

void TrackingOptionsModel::Ok(RegistrySettings& settings, const Values& v) {
  settings.WriteNumberSetting("LogTrack", v.logTrack ? 1 : 0);
  settings.WriteNumberSetting("DisplayTrack", v.displayTrack ? 1 : 0);
  int length = std::clamp(std::atoi(v.recordLength.c_str()), 500, 5000);
  settings.WriteNumberSetting("TrackLength", static_cast<uint32_t>(length));
}

uint32_t TrackingOptionsModel::LengthAfterDialog(const RegistrySettings& settings) {
  // The ring never holds fewer than 500 or more than 5000 points, whatever is stored.
  return std::clamp<uint32_t>(settings.TryReadNumber("TrackLength").value_or(1000), 500, 5000);
}

}  // namespace rovex
