#include "settings/shutdown_dialog_model.h"

#include "settings/shutdown_options_model.h"

namespace rovex {

void ShutdownDialogModel::Open() {
  if (m_settings.ReadFlagSetting("DisableShutdown") == 1) {
    m_messages.push_back("Commencing automated shutdown.");
    Begin();
  } else {
    m_messages.push_back("Press S or click the Shutdown button to shutdown.");
  }
}

void ShutdownDialogModel::StartShutdown() {
  m_messages.push_back("Starting shutdown.");
  Begin();
}

void ShutdownDialogModel::Failed(const char* what, const PowerControl::Result& result) {
  m_messages.push_back(what);
  m_messages.push_back(result.error.empty() ? "Unknown reason." : result.error);
}

void ShutdownDialogModel::Begin() {
  // A stored delay out of range (a typed -1 is stored as 4294967295) is kept within 0..3600.
  const unsigned seconds = ShutdownOptionsModel::DelayFrom(std::to_string(m_settings.ReadShutdownSeconds()));
  if (m_beforePowerOff) m_beforePowerOff();
  const PowerControl::Result result = m_power ? m_power->SchedulePowerOff(seconds) : PowerControl::Result{};
  if (result.ok) {
    m_messages.push_back("Shutdown succeeded.");
  } else {
    Failed("Shutdown failed.", result);
  }
}

void ShutdownDialogModel::AbortShutdown() {
  const PowerControl::Result result = m_power ? m_power->CancelPowerOff() : PowerControl::Result{};
  if (result.ok) {
    m_messages.push_back("AbortSystemShutdown succeeded.");
  } else {
    Failed("AbortSystemShutdown failed.", result);
  }
}

}  // namespace rovex
