#pragma once

#include <atomic>
#include <memory>
#include <mutex>

#include "gps/nmea_log.h"
#include "gps/sentence_mailbox.h"
#include "platform/serial_port.h"

// Everything the threads of GPS input share, and nothing else: the sentence
// slot, the reader's stop flag, the port as the reader sees it, and the NMEA
// log. The view's own state never goes through here.

namespace rovex {

class GpsHandOff {
 public:
  // `SharedSentence` / `SentencePending`.
  SentenceMailbox mailbox;
  // Set to 1 by the user interface thread to make the reader end; polled once per byte.
  std::atomic<int> StopReader{0};
  // The NMEA log while logging is on.
  NmeaLog NmeaLogFile;

  // `PortHandle`: null when no port is open.
  std::shared_ptr<SerialPort> PortHandle() const {
    std::lock_guard lock(m_portMutex);
    return m_port;
  }
  void SetPortHandle(std::shared_ptr<SerialPort> port) {
    std::lock_guard lock(m_portMutex);
    m_port = std::move(port);
  }

 private:
  mutable std::mutex m_portMutex;
  std::shared_ptr<SerialPort> m_port;
};

}  // namespace rovex
