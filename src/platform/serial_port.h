#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The serial line to the GPS receiver (and to whatever a recorded log is sent
// to). The opening procedure works in the same small steps on every platform:
// fetch the driver's line settings, change what is stored, set them, set the
// time-outs, clear errors, size the buffers. Each step can fail on its own and
// is reported on its own, so the interface keeps them apart.

namespace rovex {

enum class SerialParity { None, Odd, Even, Mark, Space };
enum class SerialStopBits { One, OneAndHalf, Two };

struct SerialLineSettings {
  int baud = 9600;  // any rate the driver accepts; 0 or below is refused
  int dataBits = 8;
  SerialParity parity = SerialParity::None;
  SerialStopBits stopBits = SerialStopBits::One;
  bool raw = false;                  // bytes pass untouched: no echo, no line editing, no translation
  bool hardwareFlowControl = false;  // RTS/CTS
  bool softwareFlowControl = false;  // XON/XOFF in both directions
  bool dtrOn = false;
  bool rtsOn = false;
  bool operator==(const SerialLineSettings&) const = default;
};

// Milliseconds, with the meaning of the Windows COMMTIMEOUTS the stored rules
// were written for: a read waits multiplier x bytes + constant; all read
// values zero means wait for ever. A write likewise; zero means no limit.
struct SerialTimeouts {
  int readIntervalMs = 0;
  int readTotalMultiplierMs = 0;
  int readTotalConstantMs = 0;
  int writeTotalMultiplierMs = 0;
  int writeTotalConstantMs = 0;
};

// One open serial device. ReadByte, Write and Close may be called from
// different threads: Close wakes a blocked read or write, which then fails.
class SerialPort {
 public:
  enum class ReadResult { Byte, TimedOut, Failed };

  virtual ~SerialPort() = default;

  virtual const std::string& DeviceName() const = 0;
  virtual bool GetLineSettings(SerialLineSettings* settings) = 0;
  virtual bool SetLineSettings(const SerialLineSettings& settings) = 0;
  virtual bool SetTimeouts(const SerialTimeouts& timeouts) = 0;
  // Clears a pending line error and reads the line status; the answer is not needed.
  virtual void ClearErrors() = 0;
  virtual bool SetBufferSizes(size_t inputBytes, size_t outputBytes) = 0;

  // One byte within the read time-out. Failed when the device is gone (unplugged,
  // hung up) or the port was closed; a failure comes at once, without waiting.
  virtual ReadResult ReadByte(uint8_t* byte) = 0;
  // All bytes within the write time-out; false when they could not be written.
  virtual bool Write(const char* data, size_t size) = 0;

  // Opens the same device again with the line settings and time-outs last set,
  // after it went away (a USB receiver pulled out and plugged back in). False
  // while it cannot be opened, and always after Close.
  virtual bool Reopen() = 0;
  // False when the device reported an error while closing; the port is closed either way.
  virtual bool Close() = 0;

  // A source on the network (gpsd, a TCP stream, UDP datagrams) rather than a
  // serial line: it has no line settings, and no receiver that needs time to settle.
  virtual bool IsNetworkSource() const { return false; }
  // Why no data can flow right now (the peer cannot be reached); empty when
  // nothing is known to be wrong. The reader's retries keep trying either way.
  virtual std::string Unavailable() const { return {}; }
};

// The machine's serial devices.
class SerialPorts {
 public:
  virtual ~SerialPorts() = default;
  // Opens an existing device for reading and writing, not shared with other
  // programs. Null on failure.
  virtual std::shared_ptr<SerialPort> Open(const std::string& deviceName) = 0;
  // The ports present, as the settings name them: "Com1".."Com18" for real
  // serial ports, then USB, ACM and Bluetooth devices by name ("ttyUSB0").
  // Empty optional when the system cannot be asked.
  virtual std::optional<std::vector<std::string>> EnumeratePorts() = 0;
};

}  // namespace rovex
