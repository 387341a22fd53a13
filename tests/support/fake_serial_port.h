#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/serial_port.h"

// A serial port that records every step done to it, in order, and delivers
// scripted bytes; and a machine that hands out such ports.

namespace rovex::testing {

class FakeSerialPort final : public SerialPort {
 public:
  explicit FakeSerialPort(std::string device = "/dev/fake") : m_device(std::move(device)) {}

  // Script (set before use).
  bool failGet = false;
  bool failSet = false;
  bool failTimeouts = false;
  bool failClose = false;
  SerialLineSettings driver;  // what the driver reports

  // Bytes for ReadByte; an empty queue times out after a short wait.
  void Feed(const std::string& bytes);

  // Record: "get", "set", "timeouts", "clear", "buffers", "close", "reopen", and
  // whatever Note adds (the waits of a test), in the order they happened.
  void Note(const std::string& event) { Step(event); }
  std::vector<std::string> Events() const { return Locked(m_events); }
  SerialLineSettings Applied() const { return Locked(m_applied); }
  SerialTimeouts Timeouts() const { return Locked(m_timeouts); }
  std::string Written() const { return Locked(m_written); }
  bool Closed() const { return Locked(m_closed); }

  const std::string& DeviceName() const override { return m_device; }
  bool GetLineSettings(SerialLineSettings* settings) override {
    auto lock = Step("get");
    if (!failGet) *settings = driver;
    return !failGet;
  }
  bool SetLineSettings(const SerialLineSettings& settings) override {
    auto lock = Step("set");
    if (!failSet) m_applied = settings;
    return !failSet;
  }
  bool SetTimeouts(const SerialTimeouts& timeouts) override {
    auto lock = Step("timeouts");
    if (!failTimeouts) m_timeouts = timeouts;
    return !failTimeouts;
  }
  void ClearErrors() override { Step("clear"); }
  bool SetBufferSizes(size_t in, size_t out) override {
    Step("buffers " + std::to_string(in) + " " + std::to_string(out));
    return true;
  }
  ReadResult ReadByte(uint8_t* byte) override;
  bool Write(const char* data, size_t size) override;
  bool Reopen() override {
    auto lock = Step("reopen");
    return !m_closed;
  }
  bool Close() override;

 private:
  // Records a step; the port stays locked while the returned lock lives.
  std::unique_lock<std::mutex> Step(const std::string& event) {
    std::unique_lock lock(m_mutex);
    m_events.push_back(event);
    return lock;
  }
  template <typename T>
  T Locked(const T& value) const {
    std::lock_guard lock(m_mutex);
    return value;
  }
  std::string m_device;
  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  std::vector<std::string> m_events;
  std::deque<uint8_t> m_input;
  SerialLineSettings m_applied;
  SerialTimeouts m_timeouts;
  std::string m_written;
  bool m_closed = false;
};

class FakeSerialPorts final : public SerialPorts {
 public:
  // What the next Open returns; null makes it fail.
  std::shared_ptr<FakeSerialPort> next = std::make_shared<FakeSerialPort>();
  std::optional<std::vector<std::string>> present;
  std::vector<std::string> openedNames;

  std::shared_ptr<SerialPort> Open(const std::string& deviceName) override;
  std::optional<std::vector<std::string>> EnumeratePorts() override { return present; }

 private:
  std::mutex m_mutex;
};

}  // namespace rovex::testing
