#pragma once

#include <string>

// Plays recorded wave files by path. Playback never blocks the caller: files
// are queued and heard one after another in the order asked for, so no
// announcement is lost while another plays. A file that does not exist plays
// nothing, and no default sound is put in its place.

namespace rovex {

class VoiceOutput {
 public:
  virtual ~VoiceOutput() = default;
  virtual void Play(const std::string& path) = 0;
};

}  // namespace rovex
