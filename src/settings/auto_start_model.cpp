#include "settings/auto_start_model.h"

namespace rovex {
namespace {

constexpr const char* kNames[] = {"AutoStartGPS", "AutoStartSize", "AutoStartLog", "AutoStartRoute", "AutoStartTrail"};

bool* Fields(AutoStartModel::Values& v, int i) {
  bool* fields[] = {&v.gps, &v.size, &v.log, &v.route, &v.trail};
  return fields[i];
}

}  // namespace

AutoStartModel::Values AutoStartModel::Open(const RegistrySettings& settings, UserPrompt* prompt,
                                            const XdgAutostart* session) {
  Values values;
  bool missing = false;
  for (int i = 0; i < 5; ++i) {
    std::optional<uint32_t> n = settings.TryReadNumber(kNames[i]);
    missing = missing || !n;
    *Fields(values, i) = n && *n == 1;
  }
  if (missing && prompt) prompt->MessageBox(kReadError);
  values.session = session && session->Enabled();
  return values;
}

std::string AutoStartModel::Ok(RegistrySettings& settings, const Values& values, XdgAutostart* session) {
  Values v = values;
  for (int i = 0; i < 5; ++i) settings.WriteNumberSetting(kNames[i], *Fields(v, i) ? 1 : 0);
  if (!session || session->Enabled() == values.session) return {};
  std::string error;
  if (values.session ? session->Enable(&error) : session->Disable(&error)) return {};
  return std::string(values.session ? "Can't write the autostart entry\n" : "Can't remove the autostart entry\n") +
         session->EntryPath() + "\n" + error;
}

}  // namespace rovex
