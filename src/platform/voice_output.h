#pragma once

#include <string>

// Plays recorded wave files by path. Playback never blocks the caller: files
// are queued and heard one after another in the order asked for, so no
// announcement is lost while another plays. A file that does not exist plays
// nothing, and no default sound is put in its place.
//
// Because files wait their turn, muting must also drop what waits: otherwise
// warnings asked for before the mute would still be heard after it.

namespace rovex {

class VoiceOutput {
 public:
  virtual ~VoiceOutput() = default;
  virtual void Play(const std::string& path) = 0;
  // Stops the file playing and drops every file waiting; files played
  // afterwards are heard as usual. An output whose files never wait (one that
  // only reports them) has nothing to drop.
  virtual void Silence() {}
};

}  // namespace rovex
