// termios2 comes from the kernel's headers, whose struct termios clashes with
// the C library's <termios.h>: this file must never include the latter.
#include "platform/posix_serial_port.h"

#include <asm/termbits.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <mutex>
#include <shared_mutex>

namespace rovex {
namespace {

using SteadyClock = std::chrono::steady_clock;

int RateOfCode(unsigned code) {
  switch (code) {
    case B50: return 50;
    case B75: return 75;
    case B110: return 110;
    case B134: return 134;
    case B150: return 150;
    case B200: return 200;
    case B300: return 300;
    case B600: return 600;
    case B1200: return 1200;
    case B1800: return 1800;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    case B230400: return 230400;
    case B460800: return 460800;
    case B921600: return 921600;
    default: return 0;
  }
}

// Milliseconds left until the deadline, for poll(); -1 without a deadline.
int RemainingMs(bool limited, SteadyClock::time_point deadline) {
  if (!limited) return -1;
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

class PosixSerialPort final : public SerialPort {
 public:
  PosixSerialPort(std::string device, int fd, int wake) : m_device(std::move(device)), m_fd(fd), m_wake(wake) {}
  ~PosixSerialPort() override {
    Close();
    ::close(m_wake);
  }

  const std::string& DeviceName() const override { return m_device; }

  bool GetLineSettings(SerialLineSettings* settings) override {
    std::shared_lock io(m_io);
    std::lock_guard config(m_configMutex);
    if (m_fd < 0) return false;
    struct termios2 t {};
    if (::ioctl(m_fd, TCGETS2, &t) != 0) return false;
    m_driver = t;
    m_haveDriver = true;

    SerialLineSettings s;
    s.baud = static_cast<int>(t.c_ospeed);
    if ((t.c_cflag & CBAUD) != BOTHER && s.baud == 0) s.baud = RateOfCode(t.c_cflag & CBAUD);
    switch (t.c_cflag & CSIZE) {
      case CS5: s.dataBits = 5; break;
      case CS6: s.dataBits = 6; break;
      case CS7: s.dataBits = 7; break;
      default: s.dataBits = 8; break;
    }
    if (!(t.c_cflag & PARENB)) {
      s.parity = SerialParity::None;
    } else if (t.c_cflag & CMSPAR) {
      s.parity = (t.c_cflag & PARODD) ? SerialParity::Mark : SerialParity::Space;
    } else {
      s.parity = (t.c_cflag & PARODD) ? SerialParity::Odd : SerialParity::Even;
    }
    s.stopBits = (t.c_cflag & CSTOPB) ? SerialStopBits::Two : SerialStopBits::One;
    s.raw = !(t.c_lflag & (ICANON | ECHO | ISIG)) && !(t.c_oflag & OPOST);
    s.hardwareFlowControl = (t.c_cflag & CRTSCTS) != 0;
    s.softwareFlowControl = (t.c_iflag & (IXON | IXOFF)) != 0;
    int lines = 0;
    if (::ioctl(m_fd, TIOCMGET, &lines) == 0) {
      s.dtrOn = (lines & TIOCM_DTR) != 0;
      s.rtsOn = (lines & TIOCM_RTS) != 0;
    }
    *settings = s;
    return true;
  }

  bool SetLineSettings(const SerialLineSettings& s) override {
    if (s.baud <= 0) return false;  // rate 0 would hang the line up
    std::shared_lock io(m_io);
    std::lock_guard config(m_configMutex);
    if (m_fd < 0) return false;
    struct termios2 t {};
    if (m_haveDriver) {
      t = m_driver;
    } else if (::ioctl(m_fd, TCGETS2, &t) != 0) {
      return false;
    }
    // The input rate follows the output rate.
    t.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= BOTHER;
    t.c_ospeed = static_cast<speed_t>(s.baud);
    t.c_ispeed = static_cast<speed_t>(s.baud);

    t.c_cflag &= ~CSIZE;
    switch (s.dataBits) {
      case 5: t.c_cflag |= CS5; break;
      case 6: t.c_cflag |= CS6; break;
      case 7: t.c_cflag |= CS7; break;
      default: t.c_cflag |= CS8; break;
    }
    t.c_cflag &= ~(PARENB | PARODD | CMSPAR);
    switch (s.parity) {
      case SerialParity::None: break;
      case SerialParity::Odd: t.c_cflag |= PARENB | PARODD; break;
      case SerialParity::Even: t.c_cflag |= PARENB; break;
      case SerialParity::Mark: t.c_cflag |= PARENB | CMSPAR | PARODD; break;
      case SerialParity::Space: t.c_cflag |= PARENB | CMSPAR; break;
    }
    // Linux has no separate 1.5 stop bits: with CSTOPB a UART sends 1.5 at 5 data bits, 2 otherwise.
    if (s.stopBits == SerialStopBits::One) t.c_cflag &= ~CSTOPB;
    else t.c_cflag |= CSTOPB;

    if (s.raw) {
      t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IUCLC | IXANY | IMAXBEL);
      t.c_oflag &= ~OPOST;
      t.c_lflag &= ~(ECHO | ECHOE | ECHOK | ECHONL | ICANON | ISIG | IEXTEN);
      t.c_cflag |= CREAD | CLOCAL;
      t.c_cc[VMIN] = 1;
      t.c_cc[VTIME] = 0;
    }
    if (s.hardwareFlowControl) t.c_cflag |= CRTSCTS;
    else t.c_cflag &= ~CRTSCTS;
    if (s.softwareFlowControl) t.c_iflag |= IXON | IXOFF;
    else t.c_iflag &= ~(IXON | IXOFF | IXANY);

    if (::ioctl(m_fd, TCSETS2, &t) != 0) return false;
    m_driver = t;
    m_haveDriver = true;
    m_applied = true;
    m_lines = s;
    ApplyModemLines(m_fd, s);
    return true;
  }

  bool SetTimeouts(const SerialTimeouts& timeouts) override {
    std::shared_lock io(m_io);
    if (m_fd < 0) return false;
    std::lock_guard t(m_timeoutMutex);
    m_timeouts = timeouts;
    return true;
  }

  void ClearErrors() override {
    std::shared_lock io(m_io);
    if (m_fd < 0) return;
    int lines = 0;
    ::ioctl(m_fd, TIOCMGET, &lines);
  }

  // The kernel sizes tty buffers itself; there is nothing to ask for.
  bool SetBufferSizes(size_t, size_t) override {
    std::shared_lock io(m_io);
    return m_fd >= 0;
  }

  ReadResult ReadByte(uint8_t* byte) override {
    std::lock_guard reading(m_readMutex);
    if (m_closed.load()) return ReadResult::Failed;
    if (m_bufferPos < m_bufferLen) {
      *byte = m_buffer[m_bufferPos++];
      return ReadResult::Byte;
    }
    std::shared_lock io(m_io);
    if (m_closed.load() || m_fd < 0) return ReadResult::Failed;
    SerialTimeouts timeouts = CurrentTimeouts();
    int waitMs = timeouts.readTotalMultiplierMs + timeouts.readTotalConstantMs;
    bool forever = waitMs == 0 && timeouts.readIntervalMs == 0;
    auto deadline = SteadyClock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
      pollfd fds[2] = {{m_fd, POLLIN, 0}, {m_wake, POLLIN, 0}};
      int n = ::poll(fds, 2, RemainingMs(!forever, deadline));
      if (n < 0) {
        if (errno == EINTR) continue;
        return ReadResult::Failed;
      }
      if (fds[1].revents) return ReadResult::Failed;  // closed meanwhile
      if (n == 0) return ReadResult::TimedOut;
      if (fds[0].revents & POLLIN) {
        ssize_t got = ::read(m_fd, m_buffer, sizeof m_buffer);
        if (got > 0) {
          m_bufferLen = static_cast<size_t>(got);
          m_bufferPos = 1;
          *byte = m_buffer[0];
          return ReadResult::Byte;
        }
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
          if (RemainingMs(!forever, deadline) == 0) return ReadResult::TimedOut;
          continue;
        }
        return ReadResult::Failed;  // 0: hung up; EIO: device gone
      }
      if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) return ReadResult::Failed;
    }
  }

  bool Write(const char* data, size_t size) override {
    std::lock_guard writing(m_writeMutex);
    std::shared_lock io(m_io);
    if (m_closed.load() || m_fd < 0) return false;
    SerialTimeouts timeouts = CurrentTimeouts();
    long long limitMs = static_cast<long long>(timeouts.writeTotalMultiplierMs) * static_cast<long long>(size) +
                        timeouts.writeTotalConstantMs;
    bool limited = limitMs > 0;
    auto deadline = SteadyClock::now() + std::chrono::milliseconds(limited ? limitMs : 0);
    while (size > 0) {
      ssize_t n = ::write(m_fd, data, size);
      if (n > 0) {
        data += n;
        size -= static_cast<size_t>(n);
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno != EAGAIN) return false;
      int waitMs = RemainingMs(limited, deadline);
      if (waitMs == 0) return false;
      pollfd fds[2] = {{m_fd, POLLOUT, 0}, {m_wake, POLLIN, 0}};
      int r = ::poll(fds, 2, waitMs);
      if (r < 0 && errno != EINTR) return false;
      if (r == 0 || fds[1].revents) return false;
      if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) return false;
    }
    return true;
  }

  bool Reopen() override {
    std::lock_guard reading(m_readMutex);
    std::unique_lock io(m_io);
    std::lock_guard config(m_configMutex);
    if (m_closed.load()) return false;
    if (m_fd >= 0) {
      ::ioctl(m_fd, TIOCNXCL);
      ::close(m_fd);
      m_fd = -1;
    }
    m_bufferPos = m_bufferLen = 0;
    int fd = ::open(m_device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    ::ioctl(fd, TIOCEXCL);
    if (m_applied) {
      if (::ioctl(fd, TCSETS2, &m_driver) != 0) {
        ::ioctl(fd, TIOCNXCL);
        ::close(fd);
        return false;
      }
      ApplyModemLines(fd, m_lines);
    }
    m_fd = fd;
    return true;
  }

  bool Close() override {
    if (m_closed.exchange(true)) return true;
    uint64_t one = 1;
    // Wakes a read or write waiting in poll so that it gives up the lock.
    [[maybe_unused]] ssize_t ignored = ::write(m_wake, &one, sizeof one);
    std::unique_lock io(m_io);
    if (m_fd < 0) return true;
    ::ioctl(m_fd, TIOCNXCL);
    int r = ::close(m_fd);
    m_fd = -1;
    return r == 0;
  }

 private:
  static void ApplyModemLines(int fd, const SerialLineSettings& s) {
    // Pseudo-terminals and some adapters have no modem lines: nothing to do then.
    int dtr = TIOCM_DTR;
    int rts = TIOCM_RTS;
    ::ioctl(fd, s.dtrOn ? TIOCMBIS : TIOCMBIC, &dtr);
    if (!s.hardwareFlowControl) ::ioctl(fd, s.rtsOn ? TIOCMBIS : TIOCMBIC, &rts);
  }

  SerialTimeouts CurrentTimeouts() {
    std::lock_guard t(m_timeoutMutex);
    return m_timeouts;
  }

  const std::string m_device;
  int m_fd;
  const int m_wake;  // eventfd, signalled once by Close
  std::atomic<bool> m_closed{false};
  // Readers and writers hold it shared; Close and Reopen exclusively, so that a
  // descriptor is never closed (and its number reused) under a read or write.
  std::shared_mutex m_io;
  std::mutex m_readMutex;
  std::mutex m_writeMutex;
  std::mutex m_timeoutMutex;
  SerialTimeouts m_timeouts;
  uint8_t m_buffer[256] = {};
  size_t m_bufferPos = 0;
  size_t m_bufferLen = 0;
  std::mutex m_configMutex;  // the line settings last fetched and set
  struct termios2 m_driver {};
  bool m_haveDriver = false;
  bool m_applied = false;
  SerialLineSettings m_lines;
};

}  // namespace

std::shared_ptr<SerialPort> OpenPosixSerialPort(const std::string& deviceName) {
  int fd = ::open(deviceName.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  // Not shared: a second program (or a second ROVEX) cannot open the device meanwhile.
  ::ioctl(fd, TIOCEXCL);
  int wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake < 0) {
    int saved = errno;
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
    errno = saved;
    return nullptr;
  }
  return std::make_shared<PosixSerialPort>(deviceName, fd, wake);
}

}  // namespace rovex
