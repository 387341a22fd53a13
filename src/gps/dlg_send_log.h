#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "gps/gps_port_opener.h"
#include "gps/ui_thread_caller.h"
#include "platform/serial_port.h"
#include "platform/settings_store.h"
#include "platform/user_prompt.h"

// The rules of the "Send log" dialog and its thread, which writes a recorded
// log to a serial port line by line (to drive another device or program with
// recorded data), a number of times over, with pause and single step.
//
// The dialog's buttons run on the user interface thread. The port is opened
// by the sending thread, so that its three seconds of settling waits do not
// freeze the window; the order is the same: open, then send.

namespace rovex {

class CDlg_Send_Log {
 public:
  static constexpr const char* kTitle = "Send log";

  CDlg_Send_Log(SerialPorts& ports, SettingsStore& store, UserPrompt& prompt, UiThreadCaller& ui);
  // Closes the port and waits for the thread.
  ~CDlg_Send_Log();
  CDlg_Send_Log(const CDlg_Send_Log&) = delete;
  CDlg_Send_Log& operator=(const CDlg_Send_Log&) = delete;

  // Fields only the user changes (user interface thread).
  std::string m_fileName;
  bool m_oneSecond = false;  // "Send at one second intervals"

  // "Loop Count" and "Lines Sent": typed by the user and shown by the sending
  // thread, so reached through these from any thread.
  std::string LoopCount() const;
  void SetLoopCount(std::string text);
  std::string LinesSent() const;
  // Called on the user interface thread after the thread changed a shown field.
  void SetOnFieldsChanged(std::function<void()> callback) { m_onChanged = std::move(callback); }
  // Replaces the real settling waits (tests).
  void SetOpenWait(OpenWait wait) { m_openWait = std::move(wait); }

  void OnInitDialog();
  void OnBrowse();
  void OnStart();
  void OnStop();
  void OnPause();
  void OnSingleStep();
  // Cancel and OK: close the port (the dialog then closes).
  void OnCancel();

  bool Sending() const { return m_sending.load(); }
  bool Paused() const { return m_pause.load(); }
  bool PortOpen() const;
  // Waits for the sending thread to end by itself (tests).
  void Join();

 private:
  void SendLogThread(std::string fileName, int loopCount, int pacingMs);
  void Show(std::string* field, std::string text);
  void ClosePort();
  bool Interrupted() const { return m_abort.load() || m_portClosed.load(); }
  void Wake();

  SerialPorts& m_ports;
  SettingsStore& m_store;
  UserPrompt& m_prompt;
  UiThreadCaller& m_ui;
  OpenWait m_openWait;
  std::function<void()> m_onChanged;
  // Queued notifications check this before touching the dialog, which may be gone.
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);

  mutable std::mutex m_mutex;
  std::condition_variable m_wake;
  std::string m_linesSent = "0";
  std::string m_loopCount = "10";
  bool m_portOpen = false;
  std::shared_ptr<SerialPort> m_port;

  std::thread m_thread;
  std::atomic<bool> m_sending{false};
  std::atomic<bool> m_pause{false};
  std::atomic<bool> m_singleStep{false};
  std::atomic<bool> m_abort{false};
  std::atomic<bool> m_portClosed{false};
};

}  // namespace rovex
