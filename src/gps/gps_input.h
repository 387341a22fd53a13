#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "gps/gps_hand_off.h"
#include "gps/gps_port_opener.h"
#include "gps/gps_sio.h"
#include "gps/read_serial_thread.h"
#include "gps/ui_thread_caller.h"
#include "platform/message_poster.h"
#include "platform/serial_port.h"
#include "platform/settings_store.h"
#include "platform/user_prompt.h"

// The view's side of the GPS port: the Start and Stop commands, opening and
// closing the port, and the reader thread. Every method runs on the user
// interface thread.
//
// Opening the port includes four seconds of settling waits for the receiver.
// Start therefore does the open on a worker thread and returns at once; when
// the open is done, WM_GPS_PORT_OPENED is posted and the view calls
// OnPortOpened(), which shows the open's message (if any) and starts the reader,
// in the order a blocking Start would have. A Stop or a new Start meanwhile
// abandons that open.

namespace rovex {

class GpsInput {
 public:
  GpsInput(SerialPorts& ports, SettingsStore& store, UserPrompt& prompt, MessagePoster& poster, UiThreadCaller& ui);
  // Stops the reader, closes the port, and flushes and closes the NMEA log.
  ~GpsInput();
  GpsInput(const GpsInput&) = delete;
  GpsInput& operator=(const GpsInput&) = delete;

  GpsHandOff& HandOff() { return m_handOff; }
  const CSio& Sio() const { return m_sio; }
  bool PortOpen() const { return m_portOpen; }
  // True from Start until OnPortOpened (or an abandon).
  bool Opening() const { return m_opening; }

  // Runs during Start after the old port is closed and before the new open
  // (the view resets its average-speed zone there).
  void SetStartHook(std::function<void()> hook) { m_startHook = std::move(hook); }
  // Replaces the real settling waits (tests that must not sleep four seconds).
  void SetOpenWait(OpenWait wait) { m_openWait = std::move(wait); }

  void Start();
  void OnPortOpened();
  // Start with the open done in this thread (rovex-cli, which has no window to
  // keep alive). Returns what OpenGpsPort returned.
  int StartBlocking();
  void Stop();

  // 1 when the port was opened and configured, 0 with the message shown.
  int OpenGpsPort();
  // 1 when the port was open and is now closed; 0 when it was not open, or
  // when closing failed ("Can't close port.").
  int CloseGpsPort();

 private:
  // Start's steps before the open: stop and close, then the start hook.
  void BeginStart();
  void AbandonOpening();
  bool SettleWait(int ms);
  void ApplyOpenOutcome(const PortOpenOutcome& outcome);
  void StartReader();

  SerialPorts& m_ports;
  SettingsStore& m_store;
  UserPrompt& m_prompt;
  MessagePoster& m_poster;
  UiThreadCaller& m_ui;

  GpsHandOff m_handOff;
  CSio m_sio;
  bool m_portOpen = false;
  SerialReader m_reader;
  std::function<void()> m_startHook;
  OpenWait m_openWait;

  bool m_opening = false;
  std::thread m_opener;
  std::mutex m_openMutex;
  std::condition_variable m_openCancelled;
  bool m_cancelOpen = false;
  unsigned m_openGeneration = 0;
  std::optional<PortOpenOutcome> m_openOutcome;
};

}  // namespace rovex
