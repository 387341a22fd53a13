#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/c_format.h"
#include "platform/data_root.h"
#include "platform/espeak/espeak_speech_output.h"
#include "platform/file_filter.h"
#include "platform/fixed_text.h"
#include "platform/logging_prompt.h"
#include "platform/speech_output.h"
#include "platform/text_encoding.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

TEST(FileFilter, SplitsWindowsFilterStrings) {
  auto f = ParseFileFilter("ROVEX route file (*.csv;*.txt)|*.csv; *.txt|All files (*.*)|*.*||");
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].description, "ROVEX route file (*.csv;*.txt)");
  EXPECT_EQ(f[0].patterns, (std::vector<std::string>{"*.csv", "*.txt"}));
  EXPECT_EQ(f[1].patterns, (std::vector<std::string>{"*.*"}));
  EXPECT_TRUE(ParseFileFilter("just a description").empty());
}

TEST(DataRoot, FollowsRovexHomeAndJoinsNatively) {
  const char* old = std::getenv("ROVEX_HOME");
  std::string saved = old ? old : "";
  setenv("ROVEX_HOME", "/srv/rovex/", 1);
  EXPECT_EQ(DataPath("Voice"), "/srv/rovex/Voice");
  unsetenv("ROVEX_HOME");
  setenv("HOME", "/home/driver", 1);
  EXPECT_EQ(DataRoot(), "/home/driver/ROVEX");
  if (old) setenv("ROVEX_HOME", saved.c_str(), 1);
  EXPECT_EQ(JoinPath("/a/b/", "c.txt"), "/a/b/c.txt");
  EXPECT_EQ(JoinPath("", "c.txt"), "c.txt");
}

TEST(FixedText, CutsToItsWidthAndEndsAtANul) {
  for (auto [input, stored] : std::vector<std::pair<std::string, std::string>>{
           {"", ""}, {"abcd", "abcd"}, {"abcde", "abcd"}, {std::string("a\0bc", 4), "a"}}) {
    FixedText<4> text(input);
    EXPECT_EQ(stored, text.str()) << input.size();
    EXPECT_EQ(stored.size(), text.size());
  }
  FixedText<3> speed = "30";
  speed = static_cast<const char*>(nullptr);
  EXPECT_TRUE(speed.empty());
}

TEST(FormatFixed, AgreesWithPrintfInTheCLocale) {
  for (double v : {0.0, -0.0, 51.384223, 0.5, 2.5, 1e20, -123456.7890125, 0.0000015, 99.9999995}) {
    for (int decimals : {0, 1, 6}) {
      char expected[128];
      std::snprintf(expected, sizeof expected, "%.*f", decimals, v);
      EXPECT_EQ(FormatFixed(v, decimals), expected) << v << " with " << decimals;
    }
  }
}

TEST(LoggingPrompt, AnswersTheFirstButtonAndWritesEverythingDown) {
  testing::TempDir dir;
  std::FILE* log = std::fopen(dir.File("log.txt").c_str(), "w+");
  ASSERT_NE(log, nullptr);
  LoggingPrompt prompt(log);
  EXPECT_EQ(prompt.MessageBox("Stop replay ?", MsgIcon::Question, MsgButtons::YesNo, "ROVEX"), MsgResult::Yes);
  EXPECT_EQ(prompt.MessageBox("Again?", MsgIcon::Warning, MsgButtons::RetryCancel, "ROVEX"), MsgResult::Retry);
  EXPECT_TRUE(prompt.ConfirmDialog("Reset ROVEX options", {"Click OK"}));
  EXPECT_EQ(prompt.OpenFile("Open", "*.txt", "/tmp"), std::nullopt);
  std::fclose(log);
  std::string text = dir.Read("log.txt");
  EXPECT_NE(text.find("[ROVEX] Stop replay ?\n  -> answered Yes"), std::string::npos) << text;
  EXPECT_NE(text.find("[Reset ROVEX options]\n  Click OK\n  -> answered OK"), std::string::npos);
}

TEST(TextEncoding, Utf8IsKeptAndAnythingElseIsLatin1) {
  for (auto [legend, in, out] : std::vector<std::tuple<const char*, std::string, std::string>>{
           {"valid UTF-8", "Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x9a\x97", "Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x9a\x97"},
           {"Latin-1 e acute", "Caf\xe9", "Caf\xc3\xa9"},
           {"a cut-off sequence", "ab\xc3", "ab\xc3\x83"},
           {"overlong slash", "\xc0\xaf", "\xc3\x80\xc2\xaf"},
           {"surrogate", "\xed\xa0\x80", "\xc3\xad\xc2\xa0\xc2\x80"},
           {"beyond U+10FFFF", "\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xc2\x80\xc2\x80"},
       }) {
    EXPECT_EQ(ToUtf8(in), out) << legend;
    EXPECT_TRUE(IsValidUtf8(ToUtf8(in))) << legend;
  }
}

TEST(TextEncoding, SpeechTextIsCutToWholeCharacters) {
  EXPECT_EQ(SpeechText(std::string(300, 'a')), std::string(249, 'a'));
  std::string accents;
  for (int i = 0; i < 300; ++i) accents += "\xc3\xa9";
  EXPECT_EQ(SpeechText(accents), accents.substr(0, 2 * 249));
  EXPECT_EQ(SpeechText(std::string("ab\0cd", 5)), "ab");
}

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
  EXPECT_GT(Seconds(r.samples[shortText], rate), 0.3);
  EXPECT_GT(Seconds(r.samples[longText], rate), 2.0);
  EXPECT_LT(Seconds(r.samples[longText], rate), 10.0);
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
