#include "platform/network_nmea_port.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace rovex {
namespace {

constexpr int kConnectTimeoutMs = 3000;
constexpr size_t kBufferBytes = 65536;  // the largest datagram
constexpr char kGpsdWatch[] = "?WATCH={\"enable\":true,\"nmea\":true}\n";

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

std::string ErrorText(int error) { return std::strerror(error); }

}  // namespace

std::shared_ptr<NetworkNmeaPort> NetworkNmeaPort::Open(const NetworkSourceAddress& address) {
  auto port = std::make_shared<NetworkNmeaPort>(address);
  if (port->m_wake < 0) return nullptr;
  if (address.kind == NetworkSourceAddress::Kind::Udp) {
    if (!port->Bind()) return nullptr;
  } else {
    port->Connect();
  }
  return port;
}

NetworkNmeaPort::NetworkNmeaPort(const NetworkSourceAddress& address)
    : m_address(address), m_name(address.Name()), m_buffer(kBufferBytes) {
  m_line.baud = 4800;
  m_timeouts.readTotalConstantMs = 2000;
  m_wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

NetworkNmeaPort::~NetworkNmeaPort() {
  CloseFd(m_socket);
  CloseFd(m_wake);
}

bool NetworkNmeaPort::GetLineSettings(SerialLineSettings* settings) {
  *settings = m_line;
  return true;
}

bool NetworkNmeaPort::SetLineSettings(const SerialLineSettings& settings) {
  m_line = settings;
  return true;
}

bool NetworkNmeaPort::SetTimeouts(const SerialTimeouts& timeouts) {
  m_timeouts = timeouts;
  return true;
}

int NetworkNmeaPort::ReadTimeoutMs() const {
  int total = m_timeouts.readTotalMultiplierMs + m_timeouts.readTotalConstantMs;
  if (total > 0) return total;
  return m_timeouts.readIntervalMs > 0 ? m_timeouts.readIntervalMs : -1;
}

int NetworkNmeaPort::WaitFor(short events, int timeoutMs) {
  if (m_closed.load(std::memory_order_acquire) || m_socket < 0) return -1;
  pollfd fds[2] = {{m_socket, events, 0}, {m_wake, POLLIN, 0}};
  int rc;
  do {
    rc = ::poll(fds, 2, timeoutMs);
  } while (rc < 0 && errno == EINTR);
  if (rc < 0 || m_closed.load(std::memory_order_acquire) || fds[1].revents != 0) return -1;
  return rc == 0 ? 0 : 1;
}

void NetworkNmeaPort::SetProblem(const std::string& why) {
  std::lock_guard lock(m_problemMutex);
  m_problem = why;
}

std::string NetworkNmeaPort::Unavailable() const {
  std::lock_guard lock(m_problemMutex);
  return m_problem;
}

void NetworkNmeaPort::Disconnect(const std::string& why) {
  CloseFd(m_socket);
  m_next = m_end = 0;
  SetProblem(why);
}

bool NetworkNmeaPort::Connect() {
  CloseFd(m_socket);
  m_next = m_end = 0;
  m_filter.Reset();

  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(m_address.port);
  if (int rc = getaddrinfo(m_address.host.c_str(), service.c_str(), &hints, &found); rc != 0) {
    SetProblem(m_name + ": " + gai_strerror(rc));
    return false;
  }
  std::string why = "no address";
  for (addrinfo* a = found; a && m_socket < 0; a = a->ai_next) {
    int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
    if (fd < 0) {
      why = ErrorText(errno);
      continue;
    }
    m_socket = fd;
    if (::connect(fd, a->ai_addr, a->ai_addrlen) != 0) {
      if (errno != EINPROGRESS) {
        why = ErrorText(errno);
        CloseFd(m_socket);
        continue;
      }
      int ready = WaitFor(POLLOUT, kConnectTimeoutMs);
      int error = 0;
      socklen_t length = sizeof error;
      if (ready <= 0 || getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
        why = ready == 0 ? "no answer" : ready < 0 ? "closed" : ErrorText(error);
        CloseFd(m_socket);
        continue;
      }
    }
  }
  freeaddrinfo(found);
  if (m_socket < 0) {
    SetProblem(m_name + ": " + why);
    return false;
  }
  // A peer that vanished without closing (a phone out of Wi-Fi range) is
  // found within about half a minute, and then counts as lost.
  int on = 1, idle = 10, interval = 5, probes = 3;
  setsockopt(m_socket, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
  setsockopt(m_socket, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
  setsockopt(m_socket, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
  setsockopt(m_socket, IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes);
  if (m_address.kind == NetworkSourceAddress::Kind::Gpsd &&
      !SendAll(kGpsdWatch, sizeof kGpsdWatch - 1)) {
    Disconnect(m_name + ": gpsd did not take the request for NMEA");
    return false;
  }
  SetProblem({});
  return true;
}

bool NetworkNmeaPort::Bind() {
  addrinfo hints{};
  hints.ai_family = m_address.host.empty() ? AF_INET : AF_UNSPEC;
  hints.ai_socktype = SOCK_DGRAM;
  hints.ai_flags = AI_PASSIVE;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(m_address.port);
  if (getaddrinfo(m_address.host.empty() ? nullptr : m_address.host.c_str(), service.c_str(), &hints, &found) != 0) {
    return false;
  }
  for (addrinfo* a = found; a && m_socket < 0; a = a->ai_next) {
    int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
    if (fd < 0) continue;
    // No SO_REUSEADDR: a port that another listener holds must fail here, not share the datagrams.
    if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0) {
      m_socket = fd;
    } else {
      ::close(fd);
    }
  }
  freeaddrinfo(found);
  return m_socket >= 0;
}

SerialPort::ReadResult NetworkNmeaPort::ReadByte(uint8_t* byte) {
  if (m_closed.load(std::memory_order_acquire)) return ReadResult::Failed;
  if (m_next < m_end) {
    *byte = m_buffer[m_next++];
    return ReadResult::Byte;
  }
  if (m_socket < 0) return ReadResult::Failed;
  int ready = WaitFor(POLLIN, ReadTimeoutMs());
  if (ready == 0) return ReadResult::TimedOut;
  if (ready < 0) return ReadResult::Failed;

  ssize_t n = ::recv(m_socket, m_buffer.data(), m_buffer.size(), 0);
  const bool datagrams = m_address.kind == NetworkSourceAddress::Kind::Udp;
  if (n < 0) {
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return ReadResult::TimedOut;
    if (datagrams) return ReadResult::TimedOut;  // an ICMP error of an earlier datagram; the socket lives on
    Disconnect(m_name + ": " + ErrorText(errno));
    return ReadResult::Failed;
  }
  if (n == 0) {
    if (datagrams) return ReadResult::TimedOut;
    Disconnect(m_name + ": the connection was closed");
    return ReadResult::Failed;
  }
  size_t kept = 0;
  for (ssize_t i = 0; i < n; ++i) {
    uint8_t b = m_buffer[static_cast<size_t>(i)];
    if (m_address.kind != NetworkSourceAddress::Kind::Gpsd || m_filter.Keep(b)) m_buffer[kept++] = b;
  }
  if (kept == 0) return ReadResult::TimedOut;
  m_next = 1;
  m_end = kept;
  *byte = m_buffer[0];
  return ReadResult::Byte;
}

bool NetworkNmeaPort::Write(const char* data, size_t size) {
  if (m_address.kind != NetworkSourceAddress::Kind::Tcp) return false;
  return SendAll(data, size);
}

bool NetworkNmeaPort::SendAll(const char* data, size_t size) {
  if (m_socket < 0) return false;
  int timeout = m_timeouts.writeTotalConstantMs + m_timeouts.writeTotalMultiplierMs * static_cast<int>(size);
  if (timeout <= 0) timeout = -1;
  while (size > 0) {
    ssize_t n = ::send(m_socket, data, size, MSG_NOSIGNAL);
    if (n > 0) {
      data += n;
      size -= static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
      if (WaitFor(POLLOUT, timeout) <= 0) return false;
      continue;
    }
    return false;
  }
  return true;
}

bool NetworkNmeaPort::Reopen() {
  if (m_closed.load(std::memory_order_acquire)) return false;
  if (m_address.kind == NetworkSourceAddress::Kind::Udp) return m_socket >= 0;
  return Connect();
}

bool NetworkNmeaPort::Close() {
  m_closed.store(true, std::memory_order_release);
  uint64_t one = 1;
  ssize_t written = ::write(m_wake, &one, sizeof one);
  (void)written;
  return true;
}

}  // namespace rovex
