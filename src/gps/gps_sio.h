#pragma once

#include <memory>
#include <string>

#include "platform/serial_port.h"

// The view's holder of the open GPS port handle (null while none is open),
// from which Start copies it for the reader.

namespace rovex {

class CSio {
 public:
  void SetHandle(std::shared_ptr<SerialPort> handle) { m_handle = std::move(handle); }
  const std::shared_ptr<SerialPort>& GetHandle() const { return m_handle; }
  const std::string& FileName() const { return m_fileName; }

 private:
  std::shared_ptr<SerialPort> m_handle;
  std::string m_fileName = "Untitled.txt";
};

}  // namespace rovex
