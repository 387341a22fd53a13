#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/power_control.h"
#include "settings/registry_settings.h"

// "Shutdown" (CShutdownDlg), reached with the k key: starts or aborts the
// delayed power-off and lists what happened.

namespace rovex {

class ShutdownDialogModel {
 public:
  static constexpr const char* kTitle = "Shutdown";
  static constexpr const char* kNote = "Once shutdown starts all apps will be fast closed without saving any data.";

  // beforePowerOff runs just before the power-off is asked for (the NMEA log
  // is closed there, so that nothing of it is lost). power may be null.
  ShutdownDialogModel(RegistrySettings& settings, PowerControl* power, std::function<void()> beforePowerOff)
      : m_settings(settings), m_power(power), m_beforePowerOff(std::move(beforePowerOff)) {}

  // With the k key enabled for shutdown the power-off starts at once.
  void Open();
  void StartShutdown();
  void AbortShutdown();
  const std::vector<std::string>& Messages() const { return m_messages; }

 private:
  void Begin();
  void Failed(const char* what, const PowerControl::Result& result);

  RegistrySettings& m_settings;
  PowerControl* m_power;
  std::function<void()> m_beforePowerOff;
  std::vector<std::string> m_messages;
};

}  // namespace rovex
