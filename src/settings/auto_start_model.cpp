#include "settings/auto_start_model.h"

namespace rovex {
namespace {

constexpr const char* kNames[] = {"AutoStartGPS", "AutoStartSize", "AutoStartLog", "AutoStartRoute", "AutoStartTrail"};

bool* Fields(AutoStartModel::Values& v, int i) {
  bool* fields[] = {&v.gps, &v.size, &v.log, &v.route, &v.trail};
  return fields[i];
}

}  // namespace

AutoStartModel::Values AutoStartModel::Open(const RegistrySettings& settings, UserPrompt* prompt) {
  Values values;
  bool missing = false;
  for (int i = 0; i < 5; ++i) {
    std::optional<uint32_t> n = settings.TryReadNumber(kNames[i]);
    missing = missing || !n;
    *Fields(values, i) = n && *n == 1;
  }
  if (missing && prompt) prompt->MessageBox(kReadError);
  return values;
}

void AutoStartModel::Ok(RegistrySettings& settings, const Values& values) {
  Values v = values;
  for (int i = 0; i < 5; ++i) settings.WriteNumberSetting(kNames[i], *Fields(v, i) ? 1 : 0);
}

}  // namespace rovex
