#include "routes/route_speech_options_model.h"

namespace rovex {

void RouteSpeechOptionsModel::Open() {
  std::optional<std::string> acs = m_settings.TryReadText("MSAgentACS", 299);
  if (!acs && m_prompt) {
    m_prompt->MessageBox("Unable read the msagent .acs file name from the registry.", MsgIcon::Warning, MsgButtons::Ok);
  }
  m_acs = acs.value_or("");
  enabled = m_settings.ReadFlagSetting("RouteUseMSAgent") == 1;
  motorway = m_settings.ReadFlagSetting("RouteMotorway") == 1;
  country = m_settings.ReadFlagSetting("RouteCountry") == 1;
  town = m_settings.ReadFlagSetting("RouteTown") == 1;
}

void RouteSpeechOptionsModel::TickTiming(Timing timing) {
  motorway = timing == Timing::Motorway;
  country = timing == Timing::Country;
  town = timing == Timing::Town;
}

void RouteSpeechOptionsModel::ClickEnable() {
  bool on = m_settings.ReadFlagSetting("RouteUseMSAgent") != 1;
  m_settings.WriteNumberSetting("RouteUseMSAgent", on ? 1 : 0);
  enabled = on;
}

void RouteSpeechOptionsModel::Ok() {
  m_settings.WriteTextSetting("MSAgentACS", m_acs);
  m_settings.WriteNumberSetting("RouteMotorway", motorway ? 1 : 0);
  m_settings.WriteNumberSetting("RouteCountry", country ? 1 : 0);
  m_settings.WriteNumberSetting("RouteTown", town ? 1 : 0);
  m_settings.WriteNumberSetting("RouteUseMSAgent", enabled ? 1 : 0);
}

}  // namespace rovex
