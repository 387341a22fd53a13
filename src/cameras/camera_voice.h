#pragma once

#include <string>

#include "platform/voice_output.h"
#include "settings/registry_settings.h"

// The recorded voice of the camera warnings: a folder of wave files (the
// VoiceFolder setting) with fixed names, chosen by index, and the mute switch.

namespace rovex {

inline constexpr int kVoiceSpecs = 31;
inline constexpr int kVoiceMute = 36;
inline constexpr int kVoiceUnmute = 37;

// The file name of a voice index; "invalid.wav" outside 1..37 and for the unused 35.
const char* VoiceFileName(int index);

// The voice index that speaks a distance mark (2000, 1500, 1000, 900 ... 100, 0
// metres, truncated to whole metres), or 0 when no file speaks it.
int VoiceIndexForDistance(double metres);

class CameraVoice {
 public:
  // voice may be null: nothing is heard.
  CameraVoice(RegistrySettings& settings, VoiceOutput* voice) : m_settings(settings), m_voice(voice) {}

  void PlayVoice(int index);
  void AnnounceDistance(double metres);
  // Both confirmations are heard: "Mute.wav" before muting, "Unmute.wav" after.
  // Muting first silences what is still waiting, so nothing plays after "Mute.wav".
  void ToggleMute();

  bool Muted() const { return m_muted; }
  void SetMuted(bool muted) { m_muted = muted; }

 private:
  RegistrySettings& m_settings;
  VoiceOutput* m_voice;
  bool m_muted = false;  // not kept between runs
};

}  // namespace rovex
