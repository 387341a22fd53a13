#include "settings/start_time_options_model.h"

#include "platform/data_root.h"

namespace rovex {

void StartTimeOptionsModel::Open() {
  for (int i = 0; i < 2; ++i) {
    const std::string n = std::to_string(i + 1);
    Timer& t = m_values.timers[i];
    t.start = m_settings.ReadTextSetting("StartTimerStartTime" + n, 300);
    t.end = m_settings.ReadTextSetting("StartTimerEndTime" + n, 300);
    t.file = m_settings.ReadTextSetting("StartTimerFilename" + n, 300);
    t.enable = m_settings.ReadFlagSetting("StartTimerEnable" + n) == 1;
  }
  m_values.nightStart = m_settings.ReadTextSetting("NightTimerStartTime", 300);
  m_values.nightEnd = m_settings.ReadTextSetting("NightTimerEndTime", 300);
  m_values.nightEnable = m_settings.ReadFlagSetting("NightTimerEnable") == 1;
}

void StartTimeOptionsModel::Browse(int timer) {
  if (!m_prompt || timer < 0 || timer > 1) return;
  std::optional<std::string> path = m_prompt->OpenFile("", kRouteFilter, DataPath("Route") + "/");
  if (path) m_values.timers[timer].file = *path;
}

void StartTimeOptionsModel::Picker(int timer) {
  if (timer < 0 || timer > 1 || !m_pickSlot) return;
  const int slot = m_pickSlot();
  if (slot < 1) return;
  std::optional<std::string> file = m_settings.TryReadText("RoutePick" + std::to_string(slot), 299);
  if (!file) {
    if (m_prompt) {
      m_prompt->MessageBox("Unable read the RoutePick file name from the registry.");
      m_prompt->MessageBox("Error: Can't get route filename from the registry");
    }
    return;
  }
  m_values.timers[timer].file = *file;
}

void StartTimeOptionsModel::Ok() {
  for (int i = 0; i < 2; ++i) {
    const std::string n = std::to_string(i + 1);
    const Timer& t = m_values.timers[i];
    m_settings.WriteTextSetting("StartTimerStartTime" + n, t.start);
    m_settings.WriteTextSetting("StartTimerEndTime" + n, t.end);
    m_settings.WriteTextSetting("StartTimerFilename" + n, t.file);
    m_settings.WriteNumberSetting("StartTimerEnable" + n, t.enable ? 1 : 0);
  }
  m_settings.WriteTextSetting("NightTimerStartTime", m_values.nightStart);
  m_settings.WriteTextSetting("NightTimerEndTime", m_values.nightEnd);
  m_settings.WriteNumberSetting("NightTimerEnable", m_values.nightEnable ? 1 : 0);
}

}  // namespace rovex
