#pragma once

#include <string_view>

#include "platform/speech_output.h"
#include "settings/registry_settings.h"

// The route voice: what the route feature says and when. Route texts are
// spoken only while spoken route directions are on (RouteUseMSAgent is 1,
// read afresh each time); the on/off confirmations and the test phrase are
// spoken whatever the switch says.

namespace rovex {

class RouteVoice {
 public:
  static constexpr const char* kTestPhrase = "You want a speech ? only the righteous deserve a speech";

  // speech may be null: nothing is spoken.
  RouteVoice(RegistrySettings& settings, SpeechOutput* speech) : m_settings(settings), m_speech(speech) {}

  bool DirectionsOn() const { return m_settings.ReadFlagSetting("RouteUseMSAgent") == 1; }

  // Announcements, the route title and the excluded-cameras notice.
  void SpeakRouteText(std::string_view text);
  // Spoken whatever the switch says.
  void SpeakDirect(std::string_view text);
  void SpeakTestPhrase() { SpeakDirect(kTestPhrase); }

  // F10: turns spoken directions over and says "Route on" or "Route off";
  // when the setting cannot be written it says so instead.
  void ToggleDirections();

 private:
  RegistrySettings& m_settings;
  SpeechOutput* m_speech;
};

}  // namespace rovex
