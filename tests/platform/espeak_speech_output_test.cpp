#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/espeak/espeak_speech_output.h"

namespace rovex {
namespace {

// What the engine rendered, text by text, in the order it spoke them.
struct Rendered {
  std::mutex mutex;
  std::vector<std::string> order;
  std::map<std::string, std::vector<int16_t>> samples;
  std::vector<std::string> failures;

  EspeakSpeechOutput::SampleSink Sink() {
    return [this](const std::string& text, const int16_t* s, std::size_t n) {
      std::lock_guard lock(mutex);
      if (order.empty() || order.back() != text) order.push_back(text);
      samples[text].insert(samples[text].end(), s, s + n);
    };
  }
  EspeakSpeechOutput::FailureReport Failure() {
    return [this](const std::string& message) {
      std::lock_guard lock(mutex);
      failures.push_back(message);
    };
  }
};

double Seconds(const std::vector<int16_t>& samples, int rate) { return static_cast<double>(samples.size()) / rate; }

int Peak(const std::vector<int16_t>& samples) {
  int peak = 0;
  for (int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

TEST(EspeakSpeechOutput, SpeaksEachTextInOrderAsAudibleSpeech) {
  Rendered r;
  EspeakSpeechOutput voice(r.Sink(), r.Failure());
  const std::string shortText = "Route on";
  const std::string longText = "You want a speech ? only the righteous deserve a speech";
  voice.Speak(shortText);
  voice.Speak(longText);
  voice.Speak("");
  voice.Speak("Caf\xe9 au lait");  // Latin-1 bytes
  voice.WaitUntilIdle();

  const int rate = voice.SampleRate();
  ASSERT_TRUE(r.failures.empty()) << r.failures[0];
  ASSERT_GT(rate, 8000);
  EXPECT_EQ(r.order, (std::vector<std::string>{shortText, longText, "Caf\xc3\xa9 au lait"}));
  double shortSeconds = Seconds(r.samples[shortText], rate);
  double longSeconds = Seconds(r.samples[longText], rate);
  EXPECT_GT(shortSeconds, 0.3);
  EXPECT_LT(shortSeconds, 3.0);
  EXPECT_GT(longSeconds, 2.0);
  EXPECT_LT(longSeconds, 10.0);
  EXPECT_GT(Peak(r.samples[shortText]), 2000);
  EXPECT_GT(Peak(r.samples[longText]), 2000);
}

TEST(EspeakSpeechOutput, TheCallerNeverWaitsForSpeech) {
  std::mutex gate;
  std::condition_variable opened;
  bool open = false;
  std::vector<std::string> heard;
  auto sink = [&](const std::string& text, const int16_t*, std::size_t) {
    std::unique_lock lock(gate);
    opened.wait(lock, [&] { return open; });  // the sound device is slow today
    if (heard.empty() || heard.back() != text) heard.push_back(text);
  };
  EspeakSpeechOutput voice(sink, nullptr);
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 20; ++i) voice.Speak("Point " + std::to_string(i));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  {
    std::lock_guard lock(gate);
    open = true;
  }
  opened.notify_all();
  voice.WaitUntilIdle();
  ASSERT_EQ(heard.size(), 20u);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(heard[i], "Point " + std::to_string(i));
}

TEST(EspeakSpeechOutput, ASecondVoiceWhileOneSpeaksSaysSoOnceAndStaysSilent) {
  Rendered first, second;
  EspeakSpeechOutput voice(first.Sink(), first.Failure());
  voice.WaitUntilIdle();
  {
    EspeakSpeechOutput other(second.Sink(), second.Failure());
    other.Speak("Route on");
    other.Speak("Route off");
    other.WaitUntilIdle();
    EXPECT_EQ(other.SampleRate(), 0);
  }
  ASSERT_EQ(second.failures.size(), 1u);
  EXPECT_NE(second.failures[0].find("in use"), std::string::npos);
  EXPECT_TRUE(second.samples.empty());

  voice.Speak("Route on");  // the first still speaks
  voice.WaitUntilIdle();
  EXPECT_FALSE(first.samples["Route on"].empty());
}

}  // namespace
}  // namespace rovex
