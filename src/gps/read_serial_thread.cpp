#include "gps/read_serial_thread.h"

#include <algorithm>
#include <chrono>

#include "nmea/line_assembler.h"

namespace rovex {
namespace {

// Sleeps up to ms, in short steps so that Stop is still seen within a moment.
void PauseUnlessStopped(const GpsHandOff& handOff, int ms) {
  constexpr int kStep = 20;
  for (int waited = 0; waited < ms && handOff.StopReader.load(std::memory_order_acquire) == 0; waited += kStep) {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(kStep, ms - waited)));
  }
}

}  // namespace

int ReadSerialThread(GpsHandOff& handOff, MessagePoster& view, const ReaderNotice& notice) {
  std::shared_ptr<SerialPort> port = handOff.PortHandle();
  if (!port) {
    if (notice) notice("Comms port is not open");
    return 0;
  }
  LineAssembler lines;
  int quickFailures = 0;
  while (handOff.StopReader.load(std::memory_order_acquire) == 0) {
    uint8_t byte = 0;
    SerialPort::ReadResult r = port->ReadByte(&byte);
    if (r == SerialPort::ReadResult::TimedOut) {
      quickFailures = 0;
      continue;
    }
    if (r == SerialPort::ReadResult::Failed) {
      // 10, 20, 40 ... ms, then once a second: the device is gone until replugged.
      int delay = std::min(1000, 10 << std::min(quickFailures, 7));
      ++quickFailures;
      PauseUnlessStopped(handOff, delay);
      if (handOff.StopReader.load(std::memory_order_acquire) == 0) port->Reopen();
      continue;
    }
    quickFailures = 0;
    if (!lines.Feed(byte)) continue;
    const std::string& line = lines.Line();
    handOff.NmeaLogFile.WriteLine(line);
    if (IsForwardedSentence(line) && handOff.mailbox.TryPost(line)) view.Post(WM_GPS_SENTENCE, 0, 0);
  }
  return 0;
}

void SerialReader::Start(GpsHandOff& handOff, MessagePoster& view, ReaderNotice notice) {
  if (Running()) {
    handOff.StopReader.store(1, std::memory_order_release);
    Join();
  }
  handOff.mailbox.Reset();
  handOff.StopReader.store(0, std::memory_order_release);
  m_thread = std::thread([&handOff, &view, notice = std::move(notice)] { ReadSerialThread(handOff, view, notice); });
}

void SerialReader::Join() {
  if (m_thread.joinable()) m_thread.join();
}

}  // namespace rovex
