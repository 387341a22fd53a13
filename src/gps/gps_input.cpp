#include "gps/gps_input.h"

#include <chrono>

namespace rovex {

GpsInput::GpsInput(SerialPorts& ports, SettingsStore& store, UserPrompt& prompt, MessagePoster& poster,
                   UiThreadCaller& ui)
    : m_ports(ports), m_store(store), m_prompt(prompt), m_poster(poster), m_ui(ui) {}

GpsInput::~GpsInput() {
  Stop();
  m_handOff.NmeaLogFile.Close();
}

bool GpsInput::SettleWait(int ms) {
  std::unique_lock lock(m_openMutex);
  return !m_openCancelled.wait_for(lock, std::chrono::milliseconds(ms), [&] { return m_cancelOpen; });
}

void GpsInput::AbandonOpening() {
  {
    std::lock_guard lock(m_openMutex);
    m_cancelOpen = true;
    ++m_openGeneration;
  }
  m_openCancelled.notify_all();
  if (m_opener.joinable()) m_opener.join();
  std::optional<PortOpenOutcome> stale;
  {
    std::lock_guard lock(m_openMutex);
    stale.swap(m_openOutcome);
  }
  if (stale && stale->port) stale->port->Close();
  m_opening = false;
}

void GpsInput::BeginStart() {
  // A reader still running belongs to the port about to be closed.
  m_handOff.StopReader.store(1, std::memory_order_release);
  if (m_portOpen) CloseGpsPort();
  AbandonOpening();
  m_reader.Join();
  if (m_startHook) m_startHook();
  m_portOpen = false;
}

void GpsInput::Start() {
  BeginStart();

  unsigned generation;
  {
    std::lock_guard lock(m_openMutex);
    m_cancelOpen = false;
    generation = ++m_openGeneration;
  }
  m_opening = true;
  m_opener = std::thread([this, generation] {
    OpenWait wait = m_openWait ? m_openWait : OpenWait([this](int ms) { return SettleWait(ms); });
    PortOpenOutcome outcome = OpenPortSteps(m_ports, m_store, PortOpenPlan::ForGps(), nullptr, wait);
    {
      std::lock_guard lock(m_openMutex);
      if (generation == m_openGeneration && !m_cancelOpen) {
        m_openOutcome = std::move(outcome);
        outcome.port.reset();
      }
    }
    if (outcome.port) outcome.port->Close();  // abandoned meanwhile
    m_poster.Post(WM_GPS_PORT_OPENED, 0, 0);
  });
}

void GpsInput::OnPortOpened() {
  std::optional<PortOpenOutcome> outcome;
  {
    std::lock_guard lock(m_openMutex);
    outcome.swap(m_openOutcome);
  }
  if (!outcome) return;  // abandoned, or already handled
  if (m_opener.joinable()) m_opener.join();
  m_opening = false;
  ApplyOpenOutcome(*outcome);
  StartReader();
}

int GpsInput::StartBlocking() {
  BeginStart();
  int opened = OpenGpsPort();
  StartReader();
  return opened;
}

void GpsInput::Stop() {
  m_handOff.StopReader.store(1, std::memory_order_release);
  AbandonOpening();
  CloseGpsPort();
  m_reader.Join();
}

int GpsInput::OpenGpsPort() {
  OpenWait wait = m_openWait ? m_openWait : OpenWait([](int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return true;
  });
  PortOpenOutcome outcome =
      OpenPortSteps(m_ports, m_store, PortOpenPlan::ForGps(), m_portOpen ? m_sio.GetHandle() : nullptr, wait);
  ApplyOpenOutcome(outcome);
  return outcome.result;
}

void GpsInput::ApplyOpenOutcome(const PortOpenOutcome& outcome) {
  if (outcome.port || !m_portOpen) {
    m_sio.SetHandle(outcome.port);
    m_handOff.SetPortHandle(outcome.port);
  }
  m_portOpen = m_portOpen || outcome.markedOpen;
  if (!outcome.message.empty()) m_prompt.MessageBox(outcome.message, outcome.icon, MsgButtons::Ok, kAppCaption);
}

void GpsInput::StartReader() {
  m_handOff.SetPortHandle(m_portOpen ? m_sio.GetHandle() : nullptr);
  UiThreadCaller* ui = &m_ui;
  UserPrompt* prompt = &m_prompt;
  m_reader.Start(m_handOff, m_poster, [ui, prompt](const std::string& text) {
    ui->Post([prompt, text] { prompt->MessageBox(text, MsgIcon::Warning, MsgButtons::Ok, kAppCaption); });
  });
}

int GpsInput::CloseGpsPort() {
  if (!m_portOpen) return 0;
  m_portOpen = false;
  bool closed = true;
  if (const auto& handle = m_sio.GetHandle()) closed = handle->Close();
  m_sio.SetHandle(nullptr);
  if (!closed) {
    m_prompt.MessageBox("Can't close port.", MsgIcon::Warning, MsgButtons::Ok, kAppCaption);
    return 0;
  }
  return 1;
}

}  // namespace rovex
