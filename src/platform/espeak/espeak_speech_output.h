#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "platform/speech_output.h"

// The route voice on Linux: the espeak-ng library, driven from a thread of
// its own that takes the texts from a queue and speaks each to its end before
// the next, so the caller never waits and nothing is lost or reordered. No
// speech daemon is involved. espeak-ng is one engine per process: while one
// of these objects exists, another cannot speak (it reports that once).

namespace rovex {

class EspeakSpeechOutput final : public SpeechOutput {
 public:
  // Called at most once, on the speech thread, when the voice cannot work
  // (the engine or its data missing, no sound device, the engine in use);
  // from then on the voice is silent.
  using FailureReport = std::function<void(const std::string& message)>;
  // Receives the synthesised audio (mono, 16-bit, SampleRate() per second)
  // of the text being spoken, in pieces, on the speech thread.
  using SampleSink = std::function<void(const std::string& text, const int16_t* samples, std::size_t count)>;

  // Speaks through the sound system.
  explicit EspeakSpeechOutput(FailureReport onFailure);
  // Renders to samples instead of playing them.
  EspeakSpeechOutput(SampleSink sink, FailureReport onFailure);
  ~EspeakSpeechOutput() override;
  EspeakSpeechOutput(const EspeakSpeechOutput&) = delete;
  EspeakSpeechOutput& operator=(const EspeakSpeechOutput&) = delete;

  void Speak(std::string_view text) override;

  // Blocks until every text asked for so far has been spoken (or dropped
  // because the voice failed).
  void WaitUntilIdle();
  // Samples per second of the engine's output; 0 before it has started or when it failed.
  int SampleRate() const;

 private:
  void Run();
  bool Start();
  void SpeakNow(const std::string& text);
  void Fail(const std::string& message);
  // Returns false to stop the text being spoken.
  bool Deliver(const int16_t* samples, std::size_t count);
  friend struct EspeakCallback;

  const bool m_render;
  SampleSink m_sink;
  FailureReport m_onFailure;

  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<std::string> m_queue;
  bool m_busy = true;  // until the engine has started, so that waiting for idle waits for the start
  int m_sampleRate = 0;
  std::atomic<bool> m_stopping{false};

  // Touched only by the speech thread.
  bool m_failed = false;
  bool m_claimed = false;
  std::string m_current;

  std::thread m_thread;
};

}  // namespace rovex
