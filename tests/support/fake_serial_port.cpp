#include "support/fake_serial_port.h"

#include <chrono>

namespace rovex::testing {

void FakeSerialPort::Feed(const std::string& bytes) {
  std::lock_guard lock(m_mutex);
  m_input.insert(m_input.end(), bytes.begin(), bytes.end());
  m_changed.notify_all();
}

void FakeSerialPort::Note(const std::string& event) {
  std::lock_guard lock(m_mutex);
  m_events.push_back(event);
}

bool FakeSerialPort::GetLineSettings(SerialLineSettings* settings) {
  std::lock_guard lock(m_mutex);
  m_events.push_back("get");
  if (failGet) return false;
  *settings = driver;
  return true;
}

bool FakeSerialPort::SetLineSettings(const SerialLineSettings& settings) {
  std::lock_guard lock(m_mutex);
  m_events.push_back("set");
  if (failSet) return false;
  m_applied = settings;
  return true;
}

bool FakeSerialPort::SetTimeouts(const SerialTimeouts& timeouts) {
  std::lock_guard lock(m_mutex);
  m_events.push_back("timeouts");
  if (failTimeouts) return false;
  m_timeouts = timeouts;
  return true;
}

void FakeSerialPort::ClearErrors() {
  std::lock_guard lock(m_mutex);
  m_events.push_back("clear");
}

bool FakeSerialPort::SetBufferSizes(size_t inputBytes, size_t outputBytes) {
  std::lock_guard lock(m_mutex);
  m_events.push_back("buffers " + std::to_string(inputBytes) + " " + std::to_string(outputBytes));
  return true;
}

SerialPort::ReadResult FakeSerialPort::ReadByte(uint8_t* byte) {
  std::unique_lock lock(m_mutex);
  if (m_closed) return ReadResult::Failed;
  if (!m_changed.wait_for(lock, std::chrono::milliseconds(20), [&] { return !m_input.empty() || m_closed; })) {
    return ReadResult::TimedOut;
  }
  if (m_closed) return ReadResult::Failed;
  *byte = m_input.front();
  m_input.pop_front();
  return ReadResult::Byte;
}

bool FakeSerialPort::Write(const char* data, size_t size) {
  std::lock_guard lock(m_mutex);
  if (m_closed) return false;
  m_written.append(data, size);
  return true;
}

bool FakeSerialPort::Reopen() {
  std::lock_guard lock(m_mutex);
  m_events.push_back("reopen");
  return !m_closed;
}

bool FakeSerialPort::Close() {
  std::lock_guard lock(m_mutex);
  m_events.push_back("close");
  m_closed = true;
  m_changed.notify_all();
  return !failClose;
}

std::shared_ptr<SerialPort> FakeSerialPorts::Open(const std::string& deviceName) {
  std::lock_guard lock(m_mutex);
  openedNames.push_back(deviceName);
  return next;
}

}  // namespace rovex::testing
