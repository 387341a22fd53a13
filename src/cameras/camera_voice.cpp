#include "cameras/camera_voice.h"

#include "platform/data_root.h"

namespace rovex {
namespace {

// Index 1 to 37; a voice folder holds these names.
constexpr const char* kVoiceFiles[] = {
    nullptr,
    "2000.wav",
    "1500.wav",
    "1000.wav",
    "900.wav",
    "800.wav",
    "700.wav",
    "600.wav",
    "500.wav",
    "400.wav",
    "300.wav",
    "200.wav",
    "100.wav",
    "0.wav",
    "Metres.wav",
    "Miles.wav",
    "Knots.wav",
    "Warning.wav",
    "Speed.wav",
    "Speed exceeds limit.wav",
    "Information.wav",
    "All clear.wav",
    "No reception.wav",
    "Reception OK.wav",
    "Program error.wav",
    "Camera.wav",
    "Gatso.wav",
    "Truvelo.wav",
    "Truvelo front facing.wav",
    "DS2.wav",
    "PEEK.wav",
    "Specs.wav",
    "Gantry.wav",
    "Watchman.wav",
    "UnlistedCamera.wav",
    nullptr,  // 35 is not used
    "Mute.wav",
    "Unmute.wav",
};
constexpr int kVoiceFileCount = static_cast<int>(sizeof kVoiceFiles / sizeof kVoiceFiles[0]);

}  // namespace

const char* VoiceFileName(int index) {
  if (index < 1 || index >= kVoiceFileCount || !kVoiceFiles[index]) return "invalid.wav";
  return kVoiceFiles[index];
}

int VoiceIndexForDistance(double metres) {
  if (!(metres > -1.0 && metres < 2001.0)) return 0;  // also keeps the cast below defined
  switch (static_cast<int>(metres)) {
    case 2000: return 1;
    case 1500: return 2;
    case 1000: return 3;
    case 900: return 4;
    case 800: return 5;
    case 700: return 6;
    case 600: return 7;
    case 500: return 8;
    case 400: return 9;
    case 300: return 10;
    case 200: return 11;
    case 100: return 12;
    case 0: return 13;
    default: return 0;
  }
}

void CameraVoice::PlayVoice(int index) {
  if (m_muted) return;
  auto folder = m_settings.TryReadText("VoiceFolder", 300);
  if (!folder) {
    m_settings.ReadTextSetting("VoiceFolder", 300);  // its message, when only the value is missing
    return;
  }
  if (m_voice) m_voice->Play(JoinPath(*folder, VoiceFileName(index)));
}

void CameraVoice::AnnounceDistance(double metres) {
  if (int index = VoiceIndexForDistance(metres); index != 0) PlayVoice(index);
}

void CameraVoice::ToggleMute() {
  if (m_muted) {
    m_muted = false;
    PlayVoice(kVoiceUnmute);
  } else {
    if (m_voice) m_voice->Silence();
    PlayVoice(kVoiceMute);
    m_muted = true;
  }
}

}  // namespace rovex
