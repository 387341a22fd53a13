#include "support/fake_serial_port.h"

#include <chrono>

namespace rovex::testing {

void FakeSerialPort::Feed(const std::string& bytes) {
  std::lock_guard lock(m_mutex);
  m_input.insert(m_input.end(), bytes.begin(), bytes.end());
  m_changed.notify_all();
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

bool FakeSerialPort::Close() {
  auto lock = Step("close");
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
