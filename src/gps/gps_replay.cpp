#include "gps/gps_replay.h"

#include <chrono>
#include <cstdio>
#include <string_view>

#include "gps/log_replay.h"

namespace rovex {

// The replay thread's side of each line: the user interface thread places and
// draws it, the thread waits the chosen delay, then the user interface thread
// runs the pipeline. Both calls give up when the replay is abandoned.
class GpsReplay::ThreadTarget final : public ReplayTarget {
 public:
  ThreadTarget(GpsReplay& replay, int delayMs) : m_replay(replay), m_delayMs(delayMs) {}
  bool PlaceAndDraw(std::string_view text) override {
    std::string line(text);
    if (!m_replay.m_ui.Call(
            [&] {
              m_replay.m_mailbox.Overwrite(line);
              m_replay.m_view.RedrawNow();
            },
            &m_replay.m_abandon)) {
      return false;
    }
    m_replay.WaitDelay(m_delayMs);
    return true;
  }
  bool RunPipeline() override {
    return m_replay.m_ui.Call([&] { m_replay.m_view.RunPipeline(); }, &m_replay.m_abandon);
  }

 private:
  GpsReplay& m_replay;
  int m_delayMs;
};

GpsReplay::~GpsReplay() { Abandon(); }
void GpsReplay::Abandon() {
  m_abandon.store(true);
  m_ui.WakeWaiters();
  {
    std::lock_guard lock(m_waitMutex);
    m_wake.notify_all();
  }
  // Its waits for the user interface thread give up now, so this is quick.
  if (m_thread.joinable()) m_thread.join();
  m_abandon.store(false);
}

void GpsReplay::Join() {
  if (m_thread.joinable()) m_thread.join();
}

void GpsReplay::ReplayLogFile(const std::function<bool(CDlgReplay&)>& showDialog) {
  std::string fileName;
  int delay = 100;
  CDlgReplay dialog(m_prompt);
  if (showDialog && showDialog(dialog)) {
    fileName = dialog.FileName();
    delay = dialog.Delay();
  }
  m_view.SetRefreshCounter(58);  // whatever the answer: rebuild the camera list soon
  if (fileName.empty()) return;
  Start(fileName, delay);
}

void GpsReplay::Start(const std::string& fileName, int delayMs, bool askFirst) {
  Abandon();
  if (delayMs < 1) delayMs = 1;
  m_running.store(true);
  m_thread = std::thread([this, fileName, delayMs, askFirst] {
    Run(fileName, delayMs, askFirst);
    m_running.store(false);
  });
}

void GpsReplay::RequestStop() {
  m_stopRequest.store(true);
  std::lock_guard lock(m_waitMutex);
  m_wake.notify_all();
}

void GpsReplay::WaitDelay(int ms) {
  std::unique_lock lock(m_waitMutex);
  m_wake.wait_for(lock, std::chrono::milliseconds(ms), [&] { return m_abandon.load() || m_stopRequest.load(); });
}

void GpsReplay::Run(std::string fileName, int delayMs, bool askFirst) {
  UserPrompt* prompt = &m_prompt;
  auto tell = [&](std::string text) {
    m_ui.Post([prompt, text] { prompt->MessageBox(text, MsgIcon::Warning, MsgButtons::Ok, kAppCaption); });
  };

  MsgResult go = askFirst ? MsgResult::Cancel : MsgResult::Ok;
  if (askFirst && !m_ui.Call([&] {
        go = m_prompt.MessageBox("The replay may be stopped at any time by\npressing the Esc key.", MsgIcon::Warning,
                                 MsgButtons::OkCancel, "Replay log");
      },
      &m_abandon)) {
    return;
  }
  if (go != MsgResult::Ok) return;
  m_stopRequest.store(false);

  LogReplay replay;
  std::string message;
  if (!replay.Open(fileName, &message)) {
    tell(message);
    return;
  }
  ThreadTarget target(*this, delayMs);
  while (!m_abandon.load()) {
    if (m_stopRequest.exchange(false)) {
      MsgResult answer = MsgResult::No;
      if (!m_ui.Call([&] { answer = m_prompt.MessageBox("Stop replay ?", MsgIcon::Question, MsgButtons::YesNo, kAppCaption); },
                     &m_abandon) ||
          answer == MsgResult::Yes) {
        break;
      }
    }
    const LogReplay::Step step = replay.PlayNext(target);
    if (step == LogReplay::Step::Played) continue;
    if (step == LogReplay::Step::EmptyLine) {
      char text[120];
      std::snprintf(text, sizeof text, "Replay complete.\n\nExit on zero length string\nLines sent %ld",
                    replay.LinesSent());
      tell(text);
    } else if (step == LogReplay::Step::ReadError) {
      tell(replay.ErrorMessage());
    }
    break;
  }
}

}  // namespace rovex
