#include "platform/espeak/espeak_speech_output.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <atomic>

namespace rovex {
namespace {

// The engine keeps its state in globals. It is started once per process and
// never terminated: espeak-ng 1.51 hangs when it is terminated a second time
// after a restart, and its data costs little to keep.
struct Engine {
  std::mutex mutex;
  bool tried = false;
  std::string failure;  // empty when the engine started
  EspeakSpeechOutput* owner = nullptr;
};

Engine& TheEngine() {
  static Engine engine;
  return engine;
}

// The one object the engine's callback delivers to.
std::atomic<EspeakSpeechOutput*> g_speaking{nullptr};

std::string StatusText(espeak_ng_STATUS status) {
  char text[256] = {};
  espeak_ng_GetStatusCodeMessage(status, text, sizeof text);
  return text;
}

}  // namespace

struct EspeakCallback {
  static int OnSynth(short* samples, int count, espeak_EVENT*) {
    EspeakSpeechOutput* out = g_speaking.load();
    if (!out) return 0;
    if (samples && count > 0) return out->Deliver(reinterpret_cast<const int16_t*>(samples), count) ? 0 : 1;
    return out->m_stopping ? 1 : 0;
  }
};

EspeakSpeechOutput::EspeakSpeechOutput(FailureReport onFailure)
    : m_render(false), m_onFailure(std::move(onFailure)), m_thread([this] { Run(); }) {}

EspeakSpeechOutput::EspeakSpeechOutput(SampleSink sink, FailureReport onFailure)
    : m_render(true), m_sink(std::move(sink)), m_onFailure(std::move(onFailure)), m_thread([this] { Run(); }) {}

EspeakSpeechOutput::~EspeakSpeechOutput() {
  {
    std::lock_guard lock(m_mutex);
    m_stopping = true;
    m_queue.clear();  // the program is closing: what is still waiting is not worth holding it up for
  }
  m_changed.notify_all();
  m_thread.join();
}

void EspeakSpeechOutput::Speak(std::string_view text) {
  std::string spoken = SpeechText(text);
  if (spoken.empty()) return;
  {
    std::lock_guard lock(m_mutex);
    m_queue.push_back(std::move(spoken));
  }
  m_changed.notify_all();
}

void EspeakSpeechOutput::WaitUntilIdle() {
  std::unique_lock lock(m_mutex);
  m_changed.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

int EspeakSpeechOutput::SampleRate() const {
  std::lock_guard lock(m_mutex);
  return m_sampleRate;
}

void EspeakSpeechOutput::Fail(const std::string& message) {
  if (m_failed) return;
  m_failed = true;
  if (m_onFailure) m_onFailure(message);
}

bool EspeakSpeechOutput::Start() {
  Engine& engine = TheEngine();
  std::lock_guard lock(engine.mutex);
  if (!engine.tried) {
    engine.tried = true;
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status != ENS_OK) {
      engine.failure = StatusText(status);
    } else {
      espeak_SetSynthCallback(&EspeakCallback::OnSynth);
    }
  }
  if (!engine.failure.empty()) {
    Fail("The route voice cannot start: " + engine.failure);
    return false;
  }
  if (engine.owner) {
    Fail("The route voice cannot start: the speech engine is in use.");
    return false;
  }
  auto mode = m_render ? ENOUTPUT_MODE_SYNCHRONOUS
                       : static_cast<espeak_ng_OUTPUT_MODE>(ENOUTPUT_MODE_SYNCHRONOUS | ENOUTPUT_MODE_SPEAK_AUDIO);
  espeak_ng_STATUS status = espeak_ng_InitializeOutput(mode, 0, nullptr);
  if (status == ENS_OK) status = espeak_ng_SetVoiceByName("en");
  if (status != ENS_OK) {
    Fail("The route voice cannot start: " + StatusText(status));
    return false;
  }
  engine.owner = this;
  m_claimed = true;
  g_speaking = this;
  std::lock_guard own(m_mutex);
  m_sampleRate = espeak_ng_GetSampleRate();
  return true;
}

bool EspeakSpeechOutput::Deliver(const int16_t* samples, std::size_t count) {
  if (m_stopping) return false;
  if (m_sink) m_sink(m_current, samples, count);
  return true;
}

void EspeakSpeechOutput::SpeakNow(const std::string& text) {
  m_current = text;
  espeak_ng_STATUS status = espeak_ng_Synthesize(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                                 espeakCHARS_UTF8, nullptr, nullptr);
  if (status != ENS_OK && !m_stopping) Fail("The route voice cannot speak: " + StatusText(status));
}

void EspeakSpeechOutput::Run() {
  Start();
  std::unique_lock lock(m_mutex);
  m_busy = false;
  m_changed.notify_all();
  for (;;) {
    m_changed.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
    if (m_stopping) break;
    std::string text = std::move(m_queue.front());
    m_queue.pop_front();
    m_busy = true;
    lock.unlock();
    if (!m_failed) SpeakNow(text);  // a voice that failed stays silent
    lock.lock();
    m_busy = false;
    m_changed.notify_all();
  }
  lock.unlock();
  if (m_claimed) {
    Engine& engine = TheEngine();
    std::lock_guard release(engine.mutex);
    g_speaking = nullptr;
    engine.owner = nullptr;
  }
}

}  // namespace rovex
