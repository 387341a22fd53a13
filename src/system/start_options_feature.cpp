#include "system/start_options_feature.h"

#include "gps/gps_input.h"
#include "routes/route_picker_model.h"
#include "settings/auto_start_model.h"
#include "settings/shutdown_dialog_model.h"
#include "settings/shutdown_options_model.h"
#include "settings/start_time_options_model.h"
#include "system/command_ids.h"
#include "system/system_context.h"
#include "system/view_host.h"

namespace rovex {

void StartOptionsFeature::RegisterCommands(CommandRegistry& commands) {
  using namespace cmd;
  commands.Register(kOptionsAutoStart, [this] { AutoStartOptions(); });
  commands.Register(kOptionsStartTime, [this] { StartTimeOptions(); });
  commands.Register(kOptionsShutdown, [this] { ShutdownOptions(); });
  commands.Register(kRapidShutdown, [this] { RapidShutdown(); });
}

void StartOptionsFeature::AutoStartOptions() {
  RegistrySettings& registry = m_context.Registry();
  UserPrompt* prompt = m_context.GetServices().prompt;
  XdgAutostart session(XdgAutostart::DefaultEntryPath(), XdgAutostart::RunningProgram());
  AutoStartModel::Values values = AutoStartModel::Open(registry, prompt, &session);
  if (m_context.Host().Run(values)) {
    std::string problem = AutoStartModel::Ok(registry, values, &session);
    if (!problem.empty() && prompt) prompt->MessageBox(problem);
  }
  m_context.Host().Invalidate();
}

void StartOptionsFeature::StartTimeOptions() {
  UserPrompt* prompt = m_context.GetServices().prompt;
  StartTimeOptionsModel model(m_context.Registry(), prompt, [this, prompt] {
    RoutePickerModel picker(m_context.Registry(), prompt);
    picker.Open();
    m_context.Host().Run(picker);
    return picker.Picked();
  });
  model.Open();
  if (m_context.Host().Run(model)) model.Ok();
}

void StartOptionsFeature::ShutdownOptions() {
  RegistrySettings& registry = m_context.Registry();
  ShutdownOptionsModel::Values values = ShutdownOptionsModel::Open(registry);
  if (m_context.Host().Run(values)) ShutdownOptionsModel::Ok(registry, values);
}

void StartOptionsFeature::RapidShutdown() {
  GpsInput& gps = m_context.Gps();
  const bool wasReading = gps.PortOpen() || gps.Opening();
  gps.Stop();
  // The NMEA log is closed before the power-off is asked for, so none of it is lost.
  ShutdownDialogModel model(m_context.Registry(), m_context.GetServices().power,
                            [&gps] { gps.HandOff().NmeaLogFile.Close(); });
  model.Open();
  if (!m_context.Host().Run(model) && wasReading) gps.Start();
}

}  // namespace rovex
