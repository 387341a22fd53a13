#include "support/pty_pair.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace rovex::testing {

PtyPair::PtyPair() {
  char name[128] = {};
  if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
  m_slavePath = name;
}

PtyPair::~PtyPair() {
  CloseMaster();
  CloseSlave();
}

void PtyPair::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(m_master, bytes.data(), bytes.size());
    if (n <= 0) throw std::runtime_error("write to pty master failed");
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

std::string PtyPair::Read(int timeoutMs) {
  std::string out;
  pollfd p{m_master, POLLIN, 0};
  int wait = timeoutMs;
  while (::poll(&p, 1, wait) > 0 && (p.revents & POLLIN)) {
    char buf[4096];
    ssize_t n = ::read(m_master, buf, sizeof buf);
    if (n <= 0) break;
    out.append(buf, static_cast<size_t>(n));
    wait = 50;
  }
  return out;
}

void PtyPair::CloseMaster() {
  if (m_master >= 0) ::close(m_master);
  m_master = -1;
}

void PtyPair::CloseSlave() {
  if (m_slave >= 0) ::close(m_slave);
  m_slave = -1;
}

bool PtyPair::WaitUntilRaw(int timeoutMs) const {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  do {
    termios t{};
    if (m_slave >= 0 && tcgetattr(m_slave, &t) == 0 && !(t.c_lflag & ICANON) && !(t.c_oflag & OPOST)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  } while (std::chrono::steady_clock::now() < deadline);
  return false;
}

}  // namespace rovex::testing
