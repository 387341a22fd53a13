#include "system/gps_feature.h"

#include "gps/com_settings_dlg.h"
#include "gps/dlg_distance.h"
#include "gps/dlg_replay.h"
#include "gps/dlg_send_log.h"
#include "gps/gps_input.h"
#include "gps/nmea_log_commands.h"
#include "gps/sentence_pipeline.h"
#include "platform/message_poster.h"
#include "settings/registry_settings.h"
#include "system/command_ids.h"
#include "system/system_context.h"
#include "system/view_host.h"

namespace rovex {

GpsFeature::GpsFeature(SystemContext& context, ReplayView& replayView, UiThreadCaller& ui)
    : m_context(context), m_ui(ui) {
  const Services& services = context.GetServices();
  m_replay = std::make_unique<GpsReplay>(context.Gps().HandOff().mailbox, replayView, *services.prompt, ui);
  if (services.clock) {
    m_logCommands = std::make_unique<NmeaLogCommands>(context.Gps().HandOff().NmeaLogFile, *services.store,
                                                      *services.prompt, *services.clock);
  }
  ApplyTalkerSetting();
}

void GpsFeature::ApplyTalkerSetting() {
  m_context.Pipeline().Parser().SetAnyTalker(CComSettingsDlg::StoredAnyTalker(*m_context.GetServices().store));
}

GpsFeature::~GpsFeature() = default;

void GpsFeature::RegisterCommands(CommandRegistry& commands) {
  using namespace cmd;
  GpsInput& gps = m_context.Gps();
  for (int id : {kStart, kToolStart}) commands.Register(id, [&gps] { gps.Start(); });
  for (int id : {kStop, kToolStop}) commands.Register(id, [&gps] { gps.Stop(); });
  if (m_logCommands) {
    commands.Register(kLogNmea, [this] { m_logCommands->LogNmeaData(); },
                      [&gps] { return gps.HandOff().NmeaLogFile.IsOpen(); });
  }
  commands.Register(kReplayLog, [this] {
    m_replay->ReplayLogFile([this](CDlgReplay& dialog) { return m_context.Host().Run(dialog); });
  });
  commands.Register(kEscape, [this] {
    if (m_replay->Running()) m_replay->RequestStop();
  });
  commands.Register(kOptionsComm, [this] { CommSettings(); });
  commands.Register(kSendLogFile, [this] { SendLogFile(); });
  commands.Register(kDistanceToLocation, [this] { DistanceToLocation(); });
}

bool GpsFeature::OnPostedMessage(uint32_t message, uintptr_t, intptr_t) {
  if (message != WM_DISTANCE_TO_LOCATION) return false;
  ShowDistanceToLocation(*m_context.GetServices().prompt, m_context.Fix(), m_storedLatitude, m_storedLongitude);
  return true;
}

void GpsFeature::OnWindowShown(bool unattended) {
  if (unattended) return;
  RegistrySettings& registry = m_context.Registry();
  if (registry.ReadFlagSetting("AutoStartGPS") == 1 && !m_context.Gps().PortOpen()) m_context.Gps().Start();
  if (registry.ReadFlagSetting("AutoStartLog") == 1 && m_logCommands) m_logCommands->AutoToggleLog();
}

void GpsFeature::CommSettings() {
  // New port settings take effect at the next Start; the talker choice at once.
  const Services& services = m_context.GetServices();
  CComSettingsDlg dialog(*services.store, services.serialPorts);
  dialog.OnInitDialog();
  m_context.Host().Run(dialog);
  ApplyTalkerSetting();
  m_context.Host().Invalidate();
}

void GpsFeature::SendLogFile() {
  const Services& services = m_context.GetServices();
  CDlg_Send_Log dialog(*services.serialPorts, *services.store, *services.prompt, m_ui);
  dialog.OnInitDialog();
  m_context.Host().Run(dialog);
  // However the window was closed, its port is closed and its thread ends before the dialog goes.
  dialog.OnCancel();
  m_context.Host().Invalidate();
}

void GpsFeature::DistanceToLocation() {
  CDlgDistance dialog;
  dialog.OnInitDialog(m_context.Fix());
  dialog.SetStoreLocation([this](double latitude, double longitude) {
    m_storedLatitude = latitude;
    m_storedLongitude = longitude;
  });
  m_context.Host().Run(dialog);
}

}  // namespace rovex
