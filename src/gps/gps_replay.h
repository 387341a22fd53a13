#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "gps/dlg_replay.h"
#include "gps/sentence_mailbox.h"
#include "gps/ui_thread_caller.h"
#include "platform/user_prompt.h"

// Replaying a recorded NMEA log into the running program as if it came from
// the receiver. The replay thread reads the file; for each line it has the
// user interface thread place the line in the mailbox and draw it at once, waits
// the chosen delay, then has that thread run the per-sentence pipeline. It
// never touches the view's state itself.

namespace rovex {

// What the replay needs from the view, always called on the user interface thread.
class ReplayView {
 public:
  virtual ~ReplayView() = default;
  // The sentence is pending in the mailbox: run the drawing pass now.
  virtual void RedrawNow() = 0;
  virtual void RunPipeline() = 0;
  // The camera-list refresh counter (58 brings the rebuild forward).
  virtual void SetRefreshCounter(int value) = 0;
};

class GpsReplay {
 public:
  GpsReplay(SentenceMailbox& mailbox, ReplayView& view, UserPrompt& prompt, UiThreadCaller& ui)
      : m_mailbox(mailbox), m_view(view), m_prompt(prompt), m_ui(ui) {}
  // Ends a running replay without asking and waits for its thread.
  ~GpsReplay();
  GpsReplay(const GpsReplay&) = delete;
  GpsReplay& operator=(const GpsReplay&) = delete;

  // The Replay a log file command. showDialog runs the modal dialog on its model
  // and returns true on OK. A replay already running is ended first.
  void ReplayLogFile(const std::function<bool(CDlgReplay&)>& showDialog);
  // Starts the replay thread with a file and a delay (below 1 counts as 1).
  // askFirst: the Esc question comes first (the menu's replay); the demo drive starts without it.
  void Start(const std::string& fileName, int delayMs, bool askFirst = true);
  // Esc: the replay asks "Stop replay ?" before its next line.
  void RequestStop();
  bool Running() const { return m_running.load(); }
  // Waits for the replay thread to end by itself (tests, rovex-cli).
  void Join();

 private:
  class ThreadTarget;
  void Abandon();
  void Run(std::string fileName, int delayMs, bool askFirst);
  void WaitDelay(int ms);

  SentenceMailbox& m_mailbox;
  ReplayView& m_view;
  UserPrompt& m_prompt;
  UiThreadCaller& m_ui;

  std::thread m_thread;
  std::atomic<bool> m_running{false};
  std::atomic<bool> m_stopRequest{false};
  std::atomic<bool> m_abandon{false};
  std::mutex m_waitMutex;
  std::condition_variable m_wake;
};

}  // namespace rovex
