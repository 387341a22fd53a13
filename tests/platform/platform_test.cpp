#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "platform/c_format.h"
#include "platform/data_root.h"
#include "platform/espeak/espeak_speech_output.h"
#include "platform/file_filter.h"
#include "platform/file_settings_store.h"
#include "platform/fixed_text.h"
#include "platform/logging_prompt.h"
#include "platform/memory_settings_store.h"
#include "platform/settings_tree.h"
#include "platform/speech_output.h"
#include "platform/text_encoding.h"
#include "support/temp_dir.h"
#include "support/wait_until.h"

namespace rovex {
namespace {

using testing::TempDir;

const std::string kKey = "Software\\ROVEX";

TEST(SettingsTree, KeepsKindsAndTellsMissingKeyFromMissingValue) {
  SettingsTree t;
  EXPECT_EQ(t.Read("Software\\ROVEX", "Port").status, ReadStatus::KeyMissing);
  t.Write("Software\\ROVEX", "Port", SettingValue::Text("Com3"));
  EXPECT_EQ(t.Read("Software\\ROVEX", "Speed").status, ReadStatus::ValueMissing);
  EXPECT_EQ(t.Read("Software\\ROVEX", "Port").value, SettingValue::Text("Com3"));
  // A child key brings its parents into being, as in the registry.
  EXPECT_TRUE(t.HasKey("Software"));
  t.Write("Software\\ROVEX", "Max", SettingValue::Number(0xffffffffu));
  t.AddKey("Software\\ROVEX\\POIFiles");
  SettingsTree back;
  std::string error;
  ASSERT_TRUE(back.Parse(t.Serialise(), &error)) << error;
  EXPECT_EQ(back.Read("Software\\ROVEX", "Max").value.number, 0xffffffffu);
  EXPECT_TRUE(back.HasKey("Software\\ROVEX\\POIFiles"));
}

TEST(SettingsTree, RejectsDamagedContentAndKeepsWhatItHad) {
  const std::vector<std::string> damaged = {
      "Port=text:Com1\n",                          // value before any key
      "[Software\\ROVEX]\nPort\n",                 // no '='
      "[Software\\ROVEX]\nPort=com1\n",            // no kind
      "[Software\\ROVEX]\nN=number:12x\n",         // not a number
      "[Software\\ROVEX]\nN=number:4294967296\n",  // beyond 32 bits
      "[Software\\ROVEX]\nT=text:bad\\q\n",        // unknown escape
      "[Software\\ROVEX]\nT=text:bad\\x0\n",       // cut escape
      "[Software\\ROVEX\nT=text:x\n",              // unclosed key
      std::string("[Software\\ROVEX]\nT=text:a\0b\n", 28),
  };
  for (const std::string& content : damaged) {
    SettingsTree t;
    t.Write("K", "kept", SettingValue::Number(1));
    std::string error;
    EXPECT_FALSE(t.Parse(content, &error)) << content;
    EXPECT_NE(error.find("line "), std::string::npos);
    EXPECT_EQ(t.Read("K", "kept").status, ReadStatus::Ok);
  }
}

TEST(FileSettingsStore, PersistsAndSeesOtherWriters) {
  TempDir dir;
  const std::string path = dir.File("cfg/settings.conf");
  FileSettingsStore a(path);
  EXPECT_FALSE(a.KeyExists("Software\\ROVEX"));
  ASSERT_TRUE(a.Write("Software\\ROVEX", "Port", SettingValue::Text("ttyUSB0")));
  FileSettingsStore b(path);  // another process, in effect
  EXPECT_EQ(b.Read("Software\\ROVEX", "Port").value.text, "ttyUSB0");
  ASSERT_TRUE(b.Write("Software\\ROVEX", "Speed", SettingValue::Text("9600")));
  // a has the file cached and must notice b's change, and must not lose it on its next write.
  EXPECT_EQ(a.Read("Software\\ROVEX", "Speed").value.text, "9600");
  ASSERT_TRUE(a.Write("Software\\ROVEX", "Parity", SettingValue::Text("Even")));
  FileSettingsStore c(path);
  EXPECT_EQ(c.Values("Software\\ROVEX").size(), 3u);
  EXPECT_TRUE(c.Delete("Software\\ROVEX", "Port"));
  EXPECT_FALSE(c.Delete("Software\\ROVEX", "Port"));
  EXPECT_EQ(a.Read("Software\\ROVEX", "Port").status, ReadStatus::ValueMissing);
}

TEST(FileSettingsStore, BatchReachesTheDiskOnceAtCommit) {
  TempDir dir;
  const std::string path = dir.File("settings.conf");
  FileSettingsStore store(path);
  {
    SettingsBatch batch(store);
    store.Write("Software\\ROVEX", "A", SettingValue::Number(1));
    store.Write("Software\\ROVEX", "B", SettingValue::Number(2));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(batch.Commit());
  }
  FileSettingsStore other(path);
  EXPECT_EQ(other.Values("Software\\ROVEX").size(), 2u);
}

TEST(FileSettingsStore, FailedWriteKeepsOldFileAndMemoryAgree) {
  TempDir dir;
  // The store's folder is a file, so nothing can be written below it.
  dir.Write("blocker", "x");
  FileSettingsStore store(dir.File("blocker/settings.conf"));
  EXPECT_FALSE(store.Write("Software\\ROVEX", "Port", SettingValue::Text("Com2")));
  EXPECT_FALSE(store.KeyExists("Software\\ROVEX"));
  EXPECT_NE(store.LastErrorCode(), 0);
  store.BeginBatch();
  store.Write("Software\\ROVEX", "Port", SettingValue::Text("Com2"));
  EXPECT_FALSE(store.CommitBatch());
  EXPECT_FALSE(store.KeyExists("Software\\ROVEX"));
}

TEST(FileSettingsStore, DamagedFileIsSetAsideWithAMessage) {
  TempDir dir;
  const std::string path = dir.File("settings.conf");
  dir.Write("settings.conf", "[Software\\ROVEX]\nPort=text:Com1\ngarbage line\n");
  FileSettingsStore store(path);
  EXPECT_FALSE(store.KeyExists("Software\\ROVEX"));  // as on a first run
  std::string report = store.TakeDamageReport();
  EXPECT_NE(report.find("damaged"), std::string::npos);
  EXPECT_NE(report.find("line 3"), std::string::npos);
  EXPECT_TRUE(store.TakeDamageReport().empty());
  bool setAside = false;
  for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
    if (e.path().filename().string().rfind("settings.conf.damaged-", 0) == 0) {
      setAside = true;
      EXPECT_EQ(dir.Read(e.path().filename()), "[Software\\ROVEX]\nPort=text:Com1\ngarbage line\n");
    }
  }
  EXPECT_TRUE(setAside);
  // The store goes on and can write a good file again.
  EXPECT_TRUE(store.Write("Software\\ROVEX", "Port", SettingValue::Text("Com2")));
  EXPECT_EQ(FileSettingsStore(path).Read("Software\\ROVEX", "Port").value.text, "Com2");
}

// A writer killed at random moments (as by a power cut to the process) must
// leave a file that parses to one complete version or the other.
TEST(FileSettingsStore, KilledWriterNeverLeavesABrokenFile) {
  TempDir dir;
  const std::string path = dir.File("settings.conf");
  std::string big(20000, 'x');
  for (int round = 0; round < 12; ++round) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      FileSettingsStore store(path);
      for (int i = 0;; ++i) {
        SettingsBatch batch(store);
        store.Write("Software\\ROVEX", "Round", SettingValue::Number(static_cast<uint32_t>(i)));
        store.Write("Software\\ROVEX", "Payload", SettingValue::Text(big + std::to_string(i)));
        batch.Commit();
      }
    }
    // Once a first version is on disk, the kill falls at a different moment of the writing in each round.
    bool written = testing::WaitUntil([&] { return std::filesystem::exists(path); });
    usleep(static_cast<useconds_t>(round * 1700));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(written) << "round " << round;
    FileSettingsStore check(path);
    EXPECT_TRUE(check.TakeDamageReport().empty()) << "round " << round;
    SettingRead r = check.Read("Software\\ROVEX", "Round");
    ASSERT_EQ(r.status, ReadStatus::Ok);
    EXPECT_EQ(check.Read("Software\\ROVEX", "Payload").value.text, big + std::to_string(r.value.number));
  }
}

struct BadName {
  std::string name;
  const char* legend;
};

const std::vector<BadName> kBadValueNames = {
    {"a=b", "'=' would end the name early"},
    {"a\nb", "a line end would split the line"},
    {"a\r", "a carriage return would be taken for a line end"},
    {std::string("a\0b", 3), "a NUL byte"},
    {"tab\there", "a control character"},
    {"del\x7f", "DEL"},
    {"[x", "'[' would start a key line"},
    {"x]", "']' closes a key line"},
    {";comment", "a leading ';' would be read as a comment"},
    {"#comment", "a leading '#' would be read as a comment"},
    {"", "an empty name"},
};

const std::vector<BadName> kBadKeyNames = {
    {"", "an empty key"},
    {"\\Software", "an empty first part"},
    {"Software\\", "an empty last part"},
    {"Software\\\\ROVEX", "an empty middle part"},
    {"Soft]ware", "']' would close the key line early"},
    {"Soft[ware", "'['"},
    {"Soft\nware", "a line end"},
    {"a=b", "'='"},
};

// Every store refuses the names the settings file could not hold, changes
// nothing, and the file it leaves is still read by the next start.
TEST(SettingsNames, StoresRefuseNamesTheFileCannotHold) {
  TempDir dir;
  const std::string path = dir.File("settings.conf");
  FileSettingsStore file(path);
  MemorySettingsStore memory;
  for (SettingsStore* store : std::vector<SettingsStore*>{&file, &memory}) {
    ASSERT_TRUE(store->Write(kKey, "MapScale", SettingValue::Number(4000)));
    for (const BadName& bad : kBadValueNames) {
      EXPECT_FALSE(store->Write(kKey, bad.name, SettingValue::Text("x"))) << bad.legend;
      EXPECT_FALSE(store->Write("Software\\ROVEX\\POIFiles", bad.name, SettingValue::Number(1))) << bad.legend;
    }
    for (const BadName& bad : kBadKeyNames) {
      EXPECT_FALSE(store->Write(bad.name, "Name", SettingValue::Text("x"))) << bad.legend;
      EXPECT_FALSE(store->CreateKey(bad.name)) << bad.legend;
    }
    EXPECT_EQ(store->Values(kKey).size(), 1u);
    EXPECT_FALSE(store->KeyExists("Software\\ROVEX\\POIFiles"));
  }
  EXPECT_NE(file.LastErrorCode(), 0);

  FileSettingsStore next(path);
  EXPECT_EQ(next.TakeDamageReport(), "");
  EXPECT_EQ(next.Read(kKey, "MapScale").value, SettingValue::Number(4000));
}

TEST(SettingsNames, ParserAndStoreAgreeOnEveryBadName) {
  for (const BadName& bad : kBadValueNames) {
    EXPECT_FALSE(IsStorableValueName(bad.name)) << bad.legend;
    if (bad.name.empty() || bad.name[0] == ';' || bad.name[0] == '#') continue;  // a comment or nothing at all
    SettingsTree t;
    std::string error;
    EXPECT_FALSE(t.Parse("[" + kKey + "]\n" + bad.name + "=text:x\n", &error)) << bad.legend;
  }
}

// Whatever a store accepts comes back byte for byte from the file, names and
// text alike, in the order it was written.
TEST(SettingsNames, AcceptedNamesAndAnyTextRoundTripThroughTheFile) {
  std::string everyByte;
  for (int c = 0; c < 256; ++c) everyByte += static_cast<char>(c);
  const std::vector<std::string> texts = {
      everyByte, "a=b;c[d]\n#e\r\n", "\\x00 literally", "ends with a backslash\\", "\r", "", "text:number:1",
  };
  const std::vector<std::string> valueNames = {
      " leading space", "trailing space ", "semi;colon", "hash#", "back\\slash", "\xe9t\xe9",
      "\"quoted\"",     "text:",           "x;",          "!",
  };
  const std::vector<std::string> keyNames = {kKey, "Software\\ROVEX\\;odd", "#Key", "Spaced Key\\Sub part"};

  TempDir dir;
  const std::string path = dir.File("settings.conf");
  {
    FileSettingsStore store(path);
    for (const std::string& key : keyNames) {
      for (std::size_t i = 0; i < valueNames.size(); ++i) {
        ASSERT_TRUE(store.Write(key, valueNames[i], SettingValue::Text(texts[i % texts.size()])))
            << key << " / " << valueNames[i];
      }
    }
  }
  FileSettingsStore back(path);
  ASSERT_EQ(back.TakeDamageReport(), "");
  for (const std::string& key : keyNames) {
    auto values = back.Values(key);
    ASSERT_EQ(values.size(), valueNames.size()) << key;
    for (std::size_t i = 0; i < valueNames.size(); ++i) {
      EXPECT_EQ(values[i].first, valueNames[i]) << key;
      EXPECT_EQ(values[i].second, SettingValue::Text(texts[i % texts.size()])) << key << " / " << valueNames[i];
    }
  }
}

// Files written before names were checked read as they always did (that they write back the same is the
// fuzz target's check).
TEST(SettingsNames, FilesWrittenBeforeStillRead) {
  const std::string content =
      "; ROVEX settings.\n[Software]\n[Software\\ROVEX]\nMapScale=number:4000\n"
      "Odd=text:C:\\\\a=b;c [d]\\n\\r\\t\\x01\\x7f\xe9\n# a comment\n"
      "[Software\\ROVEX\\POIFiles]\r\nPOIFile1=text:Fuel.csv\r\n";
  SettingsTree t;
  std::string error;
  ASSERT_TRUE(t.Parse(content, &error)) << error;
  EXPECT_EQ(t.Read(kKey, "MapScale").value, SettingValue::Number(4000));
  EXPECT_EQ(t.Read(kKey, "Odd").value.text, "C:\\a=b;c [d]\n\r\t\x01\x7f\xe9");
  EXPECT_EQ(t.Read("Software\\ROVEX\\POIFiles", "POIFile1").value.text, "Fuel.csv");
}

TEST(FileFilter, SplitsWindowsFilterStrings) {
  auto f = ParseFileFilter("ROVEX route file (*.csv;*.txt)|*.csv; *.txt|All files (*.*)|*.*||");
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].description, "ROVEX route file (*.csv;*.txt)");
  EXPECT_EQ(f[0].patterns, (std::vector<std::string>{"*.csv", "*.txt"}));
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
  EXPECT_EQ(prompt.MessageBox("Setup?", MsgIcon::Question, MsgButtons::OkCancel, "ROVEX"), MsgResult::Ok);
  EXPECT_TRUE(prompt.ConfirmDialog("Reset ROVEX options", {"Click OK"}));
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
  EXPECT_EQ(heard.size(), 20u);
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
