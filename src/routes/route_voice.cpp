#include "routes/route_voice.h"

namespace rovex {

void RouteVoice::SpeakDirect(std::string_view text) {
  if (!m_speech) return;
  std::string spoken = SpeechText(text);
  if (!spoken.empty()) m_speech->Speak(spoken);
}

void RouteVoice::SpeakRouteText(std::string_view text) {
  if (DirectionsOn()) SpeakDirect(text);
}

void RouteVoice::ToggleDirections() {
  bool on = !DirectionsOn();
  if (!m_settings.WriteNumberSetting("RouteUseMSAgent", on ? 1 : 0)) {
    SpeakDirect("Error failed to set route registry value");
    return;
  }
  SpeakDirect(on ? "Route on" : "Route off");
}

}  // namespace rovex
