#include <cstdint>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "qtplatform/qt_clipboard.h"
#include "qtplatform/qt_voice_output.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "test_qtplatform";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  return *app;
}

// A mono 16-bit PCM wave file of a tone.
void WriteWave(const std::string& path, int milliseconds, int rate = 8000) {
  const uint32_t samples = static_cast<uint32_t>(rate) * milliseconds / 1000;
  const uint32_t dataBytes = samples * 2;
  std::ofstream f(path, std::ios::binary);
  auto u32 = [&](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
  f.write("RIFF", 4);
  u32(36 + dataBytes);
  f.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(1);
  u32(static_cast<uint32_t>(rate));
  u32(static_cast<uint32_t>(rate) * 2);
  u16(2);
  u16(16);
  f.write("data", 4);
  u32(dataBytes);
  for (uint32_t i = 0; i < samples; ++i) u16(static_cast<uint16_t>((i / 8) % 2 ? 8000 : -8000));
}

TEST(QtVoiceOutputTest, PlaysQueuedFilesInOrderWithoutBlockingAndSkipsMissingOnes) {
  App();
  testing::TempDir dir;
  WriteWave(dir.File("900.wav"), 200);
  WriteWave(dir.File("Specs.wav"), 150);
  QtVoiceOutput voice;
  voice.Play(dir.File("absent.wav"));
  voice.Play(dir.File("900.wav"));
  voice.Play(dir.File("Specs.wav"));
  voice.Play(dir.File("also absent.wav"));
  voice.Play(dir.File("900.wav"));
  EXPECT_EQ(3u, voice.Pending()) << "queued, not played within the call";

  // Whether or not this machine has a sound device, the queue drains.
  QElapsedTimer clock;
  clock.start();
  while (voice.Pending() > 0 && clock.elapsed() < 20000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(0u, voice.Pending());
  EXPECT_EQ((std::vector<std::string>{dir.File("900.wav"), dir.File("Specs.wav"), dir.File("900.wav")}),
            voice.Started());
}

// Muting: what was waiting is dropped and the file playing is cut short, so
// the confirmation played next is the last thing heard.
TEST(QtVoiceOutputTest, SilenceDropsWaitingFilesAndLaterOnesStillPlay) {
  App();
  testing::TempDir dir;
  WriteWave(dir.File("900.wav"), 3000);
  WriteWave(dir.File("800.wav"), 200);
  WriteWave(dir.File("Mute.wav"), 200);
  QtVoiceOutput voice;
  voice.Play(dir.File("900.wav"));
  voice.Play(dir.File("800.wav"));
  voice.Play(dir.File("900.wav"));
  voice.Silence();
  EXPECT_EQ(0u, voice.Pending());
  voice.Play(dir.File("Mute.wav"));
  EXPECT_EQ(1u, voice.Pending());

  QElapsedTimer clock;
  clock.start();
  while (voice.Pending() > 0 && clock.elapsed() < 20000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(0u, voice.Pending());
  EXPECT_EQ((std::vector<std::string>{dir.File("900.wav"), dir.File("Mute.wav")}), voice.Started());
}

TEST(QtVoiceOutputTest, EachFileHasATurnAsLongAsItsSoundAndAMargin) {
  testing::TempDir dir;
  WriteWave(dir.File("a.wav"), 2000);
  WriteWave(dir.File("b.wav"), 500, 44100);
  dir.Write("not a wave.wav", "plain text");
  EXPECT_EQ(2000 + 1500, QtVoiceOutput::TurnMilliseconds(QString::fromStdString(dir.File("a.wav"))));
  EXPECT_EQ(500 + 1500, QtVoiceOutput::TurnMilliseconds(QString::fromStdString(dir.File("b.wav"))));
  EXPECT_EQ(8000, QtVoiceOutput::TurnMilliseconds(QString::fromStdString(dir.File("not a wave.wav"))));
  EXPECT_EQ(8000, QtVoiceOutput::TurnMilliseconds(QString::fromStdString(dir.File("absent.wav"))));
}

TEST(QtClipboardTest, PutsPlainTextOnTheClipboard) {
  App();
  QtClipboard clipboard;
  EXPECT_EQ(ClipboardResult::Ok, clipboard.SetText(":GATSO\t\t0.800 km\r\n"));
  EXPECT_EQ(QStringLiteral(":GATSO\t\t0.800 km\r\n"), QGuiApplication::clipboard()->text());
  EXPECT_EQ(ClipboardResult::Ok, clipboard.SetText("Caf\xe9"));
  EXPECT_EQ(QStringLiteral("Caf\u00e9"), QGuiApplication::clipboard()->text()) << "8-bit text read as Latin-1";
}

}  // namespace
}  // namespace rovex
