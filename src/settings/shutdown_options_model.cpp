#include "settings/shutdown_options_model.h"

#include <cstdlib>

namespace rovex {

ShutdownOptionsModel::Values ShutdownOptionsModel::Open(const RegistrySettings& settings) {
  return {std::to_string(settings.ReadShutdownSeconds()), settings.ReadFlagSetting("DisableShutdown") == 1};
}

unsigned ShutdownOptionsModel::DelayFrom(const std::string& typed) {
  const long long n = std::strtoll(typed.substr(0, 300).c_str(), nullptr, 10);
  if (n < 0) return 0;
  return n > kLongestDelay ? kLongestDelay : static_cast<unsigned>(n);
}

void ShutdownOptionsModel::Ok(RegistrySettings& settings, const Values& values) {
  settings.WriteNumberSetting("ShutdownSeconds", DelayFrom(values.seconds));
  settings.WriteNumberSetting("DisableShutdown", values.kKeyShutdown ? 1 : 0);
}

}  // namespace rovex
