#include "gps/dlg_send_log.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "nmea/nmea_log_line_reader.h"

#include "platform/data_root.h"
#include "settings/registry_settings.h"

namespace rovex {

CDlg_Send_Log::CDlg_Send_Log(SerialPorts& ports, SettingsStore& store, UserPrompt& prompt, UiThreadCaller& ui)
    : m_fileName(JoinPath(DataPath("Log"), "log.txt")), m_ports(ports), m_store(store), m_prompt(prompt), m_ui(ui) {}

CDlg_Send_Log::~CDlg_Send_Log() {
  *m_alive = false;
  m_abort.store(true);
  ClosePort();
  Wake();
  Join();
}

std::string CDlg_Send_Log::LinesSent() const {
  std::lock_guard lock(m_mutex);
  return m_linesSent;
}

std::string CDlg_Send_Log::LoopCount() const {
  std::lock_guard lock(m_mutex);
  return m_loopCount;
}

void CDlg_Send_Log::SetLoopCount(std::string text) {
  std::lock_guard lock(m_mutex);
  m_loopCount = std::move(text);
}

bool CDlg_Send_Log::PortOpen() const {
  std::lock_guard lock(m_mutex);
  return m_portOpen;
}

void CDlg_Send_Log::Join() {
  if (m_thread.joinable()) m_thread.join();
}

void CDlg_Send_Log::Wake() {
  std::lock_guard lock(m_mutex);
  m_wake.notify_all();
}

void CDlg_Send_Log::Show(std::string* field, std::string text) {
  {
    std::lock_guard lock(m_mutex);
    *field = std::move(text);
  }
  std::shared_ptr<bool> alive = m_alive;
  m_ui.Post([this, alive] {
    if (*alive && m_onChanged) m_onChanged();
  });
}

void CDlg_Send_Log::OnInitDialog() {
  std::lock_guard lock(m_mutex);
  m_portOpen = false;
  m_pause.store(false);
  m_singleStep.store(false);
  m_oneSecond = false;
}

void CDlg_Send_Log::OnBrowse() {
  RegistrySettings settings(m_store, nullptr);
  std::string folder = settings.TryReadText("LogFolder", 199).value_or("");
  if (auto path = m_prompt.OpenFile("Open", "*.txt *.log|*.txt;*.log||", folder)) m_fileName = path->substr(0, 298);
}

void CDlg_Send_Log::OnStart() {
  // One sender at a time: a run still going ends before the new one starts.
  m_abort.store(true);
  Wake();
  Join();
  m_abort.store(false);
  m_portClosed.store(false);

  m_pause.store(false);
  m_singleStep.store(false);
  int loopCount = std::atoi(LoopCount().c_str());
  std::string fileName = m_fileName.substr(0, 298);
  int pacingMs = m_oneSecond ? 1000 : 100;
  m_sending.store(true);
  m_thread = std::thread([this, fileName, loopCount, pacingMs] {
    SendLogThread(fileName, loopCount, pacingMs);
    m_sending.store(false);
  });
}

void CDlg_Send_Log::ClosePort() {
  std::shared_ptr<SerialPort> port;
  {
    std::lock_guard lock(m_mutex);
    // Also cuts short an open still settling, which then closes its port itself.
    m_portClosed.store(true);
    m_wake.notify_all();
    if (!m_portOpen) return;
    m_portOpen = false;
    port = std::move(m_port);
  }
  if (port) port->Close();
}

void CDlg_Send_Log::OnStop() { ClosePort(); }

void CDlg_Send_Log::OnPause() {
  m_pause.store(!m_pause.load());
  m_singleStep.store(false);
  Wake();
}

void CDlg_Send_Log::OnSingleStep() {
  m_singleStep.store(true);
  Wake();
}

void CDlg_Send_Log::OnCancel() { ClosePort(); }

void CDlg_Send_Log::SendLogThread(std::string fileName, int loopCount, int pacingMs) {
  UserPrompt* prompt = &m_prompt;
  auto tell = [&](std::string text, MsgIcon icon) {
    m_ui.Post([prompt, text, icon] { prompt->MessageBox(text, icon, MsgButtons::Ok, kAppCaption); });
  };

  // The dialog's own open: the same steps as the GPS port, shorter time-outs and waits.
  std::shared_ptr<SerialPort> open;
  {
    std::lock_guard lock(m_mutex);
    if (m_portOpen) open = m_port;
  }
  OpenWait wait = m_openWait ? m_openWait : OpenWait([this](int ms) {
    std::unique_lock lock(m_mutex);
    return !m_wake.wait_for(lock, std::chrono::milliseconds(ms), [&] { return Interrupted(); });
  });
  PortOpenOutcome outcome = OpenPortSteps(m_ports, m_store, PortOpenPlan::ForSendLog(), open, wait);
  if (outcome.cancelled) {
    if (outcome.port && outcome.port != open) outcome.port->Close();
    return;
  }
  if (outcome.port) {
    std::unique_lock lock(m_mutex);
    if (Interrupted()) {  // Stop or Cancel came just as the open finished
      lock.unlock();
      outcome.port->Close();
      return;
    }
    m_port = outcome.port;
    m_portOpen = outcome.markedOpen;
  }
  if (!outcome.message.empty()) tell(outcome.message, outcome.icon);
  std::shared_ptr<SerialPort> port = outcome.port;

  Show(&m_linesSent, "0");
  int linesSent = 0;
  while (loopCount >= 1) {
    std::FILE* file = std::fopen(fileName.c_str(), "r");
    if (!file) {
      tell("Error can't open the log file\n" + fileName, MsgIcon::Warning);
      return;
    }
    NmeaLogLineReader reader(file);
    for (;;) {
      {
        // Paused: nothing is sent until a single step lets one line through.
        // Stop closes the port and ends the wait, so the thread ends too.
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [&] { return !m_pause.load() || m_singleStep.load() || Interrupted(); });
        if (m_pause.load()) m_singleStep.store(false);
      }
      std::string_view text;
      if (m_abort.load() || !reader.Next(&text)) break;
      std::string line(text);
      line += "\r\n";
      if (line.size() > 2 && (!port || !port->Write(line.data(), line.size()))) {
        std::fclose(file);
        return;
      }
      Show(&m_linesSent, std::to_string(++linesSent));
      std::unique_lock lock(m_mutex);
      m_wake.wait_for(lock, std::chrono::milliseconds(pacingMs), [&] { return Interrupted(); });
    }
    std::fclose(file);
    if (m_abort.load()) return;
    --loopCount;
    Show(&m_loopCount, std::to_string(loopCount));
  }
  Show(&m_loopCount, "1");
}

}  // namespace rovex
