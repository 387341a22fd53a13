#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/gpsd_stream_filter.h"
#include "platform/network_source_address.h"
#include "platform/serial_port.h"

// NMEA from the network behind the serial port interface, so that the reader
// thread, the mailbox and the log work as they do with a receiver on a serial
// line. gpsd is asked for the receiver's raw sentences (its JSON reports are
// dropped); a TCP peer is read as it is; UDP datagrams are read as one stream.
//
// A lost peer behaves like an unplugged receiver: reads fail at once, and
// Reopen connects again (and asks gpsd again), so that input resumes when the
// peer is back. A peer that cannot be reached when the port is opened still
// gives a port, so that the same retries bring the input up later; Unavailable
// tells why it is silent. Close wakes a blocked read or write from another
// thread; the sockets themselves are released with the object.

namespace rovex {

class NetworkNmeaPort final : public SerialPort {
 public:
  // Null when the object cannot be made or a UDP address cannot be bound
  // (taken by another program, not an address of this machine).
  static std::shared_ptr<NetworkNmeaPort> Open(const NetworkSourceAddress& address);

  explicit NetworkNmeaPort(const NetworkSourceAddress& address);
  ~NetworkNmeaPort() override;
  NetworkNmeaPort(const NetworkNmeaPort&) = delete;
  NetworkNmeaPort& operator=(const NetworkNmeaPort&) = delete;

  const std::string& DeviceName() const override { return m_name; }
  bool GetLineSettings(SerialLineSettings* settings) override;
  bool SetLineSettings(const SerialLineSettings& settings) override;
  bool SetTimeouts(const SerialTimeouts& timeouts) override;
  void ClearErrors() override {}
  bool SetBufferSizes(size_t, size_t) override { return true; }
  ReadResult ReadByte(uint8_t* byte) override;
  // Only a TCP peer is written to; gpsd would read the bytes as commands.
  bool Write(const char* data, size_t size) override;
  bool Reopen() override;
  bool Close() override;
  bool IsNetworkSource() const override { return true; }
  std::string Unavailable() const override;

 private:
  bool Connect();
  bool Bind();
  void Disconnect(const std::string& why);
  void SetProblem(const std::string& why);
  bool SendAll(const char* data, size_t size);
  // Waits for the socket (events) or for Close; 1 ready, 0 timed out, -1 closed or failed.
  int WaitFor(short events, int timeoutMs);
  int ReadTimeoutMs() const;

  NetworkSourceAddress m_address;
  std::string m_name;
  SerialLineSettings m_line;
  SerialTimeouts m_timeouts;
  int m_socket = -1;
  int m_wake = -1;
  std::atomic<bool> m_closed{false};
  GpsdStreamFilter m_filter;
  std::vector<uint8_t> m_buffer;
  size_t m_next = 0;
  size_t m_end = 0;
  mutable std::mutex m_problemMutex;
  std::string m_problem;
};

}  // namespace rovex
