#include "gps/gps_replay.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "nmea/nmea_log_line_reader.h"

namespace rovex {
namespace {

// Whether the file's last byte is a line end (true for an empty file, or one
// that cannot be looked at from its end); the file is left at its start.
bool EndsWithLineEnd(std::FILE* file) {
  if (std::fseek(file, -1, SEEK_END) != 0) {
    std::rewind(file);
    return true;
  }
  int last = std::fgetc(file);
  std::rewind(file);
  return last == '\n' || last == '\r' || last == EOF;
}

}  // namespace

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
  int linesSent = 0;
  m_stopRequest.store(false);

  std::FILE* file = std::fopen(fileName.c_str(), "r");
  if (!file) {
    tell("Error can't open the log file\n" + fileName);
    return;
  }
  // A last line without a line end is played, and the replay then ends quietly:
  // only a read that finds nothing at all after a line end reports completion.
  bool endsWithLineEnd = EndsWithLineEnd(file);
  NmeaLogLineReader reader(file);
  while (!m_abandon.load()) {
    if (m_stopRequest.exchange(false)) {
      MsgResult answer = MsgResult::No;
      if (!m_ui.Call([&] { answer = m_prompt.MessageBox("Stop replay ?", MsgIcon::Question, MsgButtons::YesNo, kAppCaption); },
                     &m_abandon) ||
          answer == MsgResult::Yes) {
        break;
      }
    }
    std::string_view text;
    bool got = reader.Next(&text);
    if (!got && !endsWithLineEnd) break;
    if (!got || text.empty()) {
      char message[120];
      std::snprintf(message, sizeof message, "Replay complete.\n\nExit on zero length string\nLines sent %d",
                    linesSent);
      tell(message);
      break;
    }
    if (text.size() > 2) {
      std::string line(text);
      ++linesSent;
      if (!m_ui.Call([&] {
            m_mailbox.Overwrite(line);
            m_view.RedrawNow();
          },
          &m_abandon)) {
        break;
      }
      WaitDelay(delayMs);
    }
    if (!m_ui.Call([&] { m_view.RunPipeline(); }, &m_abandon)) break;
  }
  std::fclose(file);
}

}  // namespace rovex
