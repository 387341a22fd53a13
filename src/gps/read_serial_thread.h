#pragma once

#include <functional>
#include <string>
#include <thread>

#include "gps/gps_hand_off.h"
#include "platform/message_poster.h"

// The serial reader: reads the port a byte at a time, logs every line, and
// hands GGA, RMC and GPGLL sentences to the view through the mailbox, posting
// WM_GPS_SENTENCE for each one placed there. It never touches the view.

namespace rovex {

// Tells the user something from the reader's thread; must not wait for the
// user interface thread (it may be waiting for the reader to end).
using ReaderNotice = std::function<void(const std::string& text)>;

// The thread body. Runs until `StopReader` is 1. A port that fails at once
// (unplugged receiver, hung-up line) is not read in a tight loop: the reader
// waits, growing to a second, and opens the same device again, so that input
// resumes when the receiver is plugged back in.
int ReadSerialThread(GpsHandOff& handOff, MessagePoster& view, const ReaderNotice& notice);

// Owns the reader's thread.
class SerialReader {
 public:
  SerialReader() = default;
  ~SerialReader() { Join(); }
  SerialReader(const SerialReader&) = delete;
  SerialReader& operator=(const SerialReader&) = delete;

  // On the user interface thread: empties the mailbox, clears `StopReader`,
  // and starts the thread. (Clearing here rather than in the thread means a
  // Stop right after Start cannot be lost.) A reader still running is stopped
  // and joined first.
  void Start(GpsHandOff& handOff, MessagePoster& view, ReaderNotice notice);
  // Waits for the thread to end; set `StopReader` (and close the port) first.
  void Join();
  bool Running() const { return m_thread.joinable(); }

 private:
  std::thread m_thread;
};

}  // namespace rovex
