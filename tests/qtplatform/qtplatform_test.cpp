#include <cstdint>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <QClipboard>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "qtplatform/qt_canvas.h"
#include "qtplatform/qt_canvas_factory.h"
#include "qtplatform/qt_clipboard.h"
#include "qtplatform/qt_voice_output.h"
#include "support/temp_dir.h"

namespace rovex {
namespace {

// Fonts, the clipboard and the sound queue need an application object: one for
// the whole program, deleted at its end so that the font cache goes with it.
class QtEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_qtplatform";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    m_app = new QGuiApplication(argc, argv);
  }
  void TearDown() override {
    delete m_app;
    m_app = nullptr;
  }

 private:
  QGuiApplication* m_app = nullptr;
};

[[maybe_unused]] ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

QGuiApplication& App() { return *static_cast<QGuiApplication*>(QCoreApplication::instance()); }

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

QImage WhiteImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

int CountPixels(const QtCanvas& canvas, Rgb colour) {
  int n = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) n += canvas.GetPixel(x, y) == colour;
  }
  return n;
}

TEST(QtCanvas, FontsResolveToLiberationWithDeviceContextHeights) {
  App();
  // The cell height (ascent + descent) is the height asked for, when it is positive.
  for (auto [font, family] : {std::pair{Font{"Times New Roman", 48, 400}, "Liberation Serif"},
                              {Font{"Times New Roman", 20, 700}, "Liberation Serif"},
                              {Font{"Arial", 34, 400}, "Liberation Sans"}}) {
    QFont f = QtCanvas::ResolveFont(font);
    EXPECT_EQ(QFontInfo(f).family(), family);
    EXPECT_NEAR(QFontMetrics(f).ascent() + QFontMetrics(f).descent(), font.height, 1) << font.height;
    EXPECT_EQ(f.weight(), font.weight);
  }
  // A negative height is the character height itself.
  EXPECT_EQ(QtCanvas::ResolveFont(Font{"Times New Roman", -30, 400}).pixelSize(), 30);
}

TEST(QtCanvas, RectanglesLinesAndFillsCoverDeviceContextPixels) {
  App();
  QImage image = WhiteImage(40, 30);
  QtCanvas canvas(&image);
  canvas.SelectPen(Pen{kRed, 1});
  canvas.SelectBrush(Brush{kBlue});
  canvas.Rectangle(2, 3, 12, 9);  // outline 2..11 x 3..8
  EXPECT_EQ(canvas.GetPixel(11, 8), kRed);
  EXPECT_EQ(canvas.GetPixel(12, 8), kWhite);
  EXPECT_EQ(CountPixels(canvas, kRed), 2 * 10 + 2 * 4);
  EXPECT_EQ(CountPixels(canvas, kBlue), 8 * 4);

  // A line leaves out its end point.
  canvas.SelectPen(Pen{kBlack, 1});
  canvas.MoveTo(20, 20);
  canvas.LineTo(30, 20);
  EXPECT_EQ(canvas.GetPixel(29, 20), kBlack);
  EXPECT_EQ(canvas.GetPixel(30, 20), kWhite);
  canvas.LineTo(30, 25);  // from where the last one ended
  EXPECT_EQ(canvas.GetPixel(30, 20), kBlack);

  canvas.FillRect(0, 0, 2, 2, kRed);
  EXPECT_EQ(canvas.GetPixel(2, 1), kWhite);
  EXPECT_EQ(canvas.GetPixel(-1, 0), kBlack) << "outside the surface";
}

TEST(QtCanvas, FloodFillStopsAtTheBorderOrFollowsTheSurface) {
  App();
  QImage image = WhiteImage(20, 20);
  QtCanvas canvas(&image);
  canvas.SelectPen(Pen{kRed, 1});
  canvas.SelectBrush(Brush{kWhite, BrushStyle::Hollow});
  canvas.Rectangle(2, 2, 12, 12);  // red square outline, white inside
  canvas.SelectBrush(Brush{kBlue});
  canvas.FloodFill(5, 5, kRed, FloodFillMode::Border);
  EXPECT_EQ(CountPixels(canvas, kBlue), 8 * 8);
  EXPECT_EQ(canvas.GetPixel(15, 15), kWhite);

  canvas.SelectBrush(Brush{kBlack});
  canvas.FloodFill(15, 15, kWhite, FloodFillMode::Surface);
  EXPECT_EQ(CountPixels(canvas, kWhite), 0);
  EXPECT_EQ(CountPixels(canvas, kBlue), 64) << "the inside is not connected to the outside";
  // Filling with the colour that is already there ends at once.
  canvas.FloodFill(5, 5, kBlack, FloodFillMode::Border);
  EXPECT_EQ(CountPixels(canvas, kBlue), 0);
}

TEST(QtCanvas, OpaqueTextFillsItsCellAndTransparentTextDoesNot) {
  App();
  QImage image = WhiteImage(200, 60);
  QtCanvas canvas(&image);
  canvas.SelectFont(Font{"Times New Roman", 24, 400});
  canvas.SetTextColour(kBlack);
  canvas.SetBackgroundColour(kRed);
  canvas.SetBackgroundMode(BackgroundMode::Opaque);
  canvas.TextOut(10, 5, "Speed");
  TextExtent e = canvas.MeasureText("Speed");
  EXPECT_EQ(e.height, 24);
  EXPECT_EQ(canvas.GetPixel(10 + e.width - 1, 5 + e.height - 1), kRed);
  EXPECT_EQ(canvas.GetPixel(10 + e.width, 5), kWhite);
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  canvas.TextOut(10, 35, "Speed");
  EXPECT_EQ(canvas.GetPixel(10, 35), kWhite);
  int dark = 0;
  for (int y = 35; y < 59; ++y) {
    for (int x = 10; x < 10 + e.width; ++x) dark += canvas.GetPixel(x, y).red < 128;
  }
  EXPECT_GT(dark, 50) << "the letters are drawn";
}

TEST(QtCanvas, SurfacesAreCopiedInOneStepAndBitmapsComeFromTheArtwork) {
  App();
  QImage image = WhiteImage(50, 50);
  QtCanvas canvas(&image);
  std::unique_ptr<Canvas> surface = canvas.CreateSurface(10, 10);
  surface->FillRect(0, 0, 10, 10, kBlue);
  surface->SetPixel(9, 9, kRed);
  canvas.CopyFrom(*surface, 20, 30);
  EXPECT_EQ(canvas.GetPixel(29, 39), kRed);
  EXPECT_EQ(canvas.GetPixel(30, 40), kWhite);

  QtCanvasFactory factory;
  ASSERT_NE(factory.Bitmap(180), nullptr);
  EXPECT_EQ(factory.Bitmap(180), factory.Bitmap(180)) << "made once";
  canvas.DrawImage(*factory.Bitmap(180), 0, 0);
  EXPECT_NE(canvas.GetPixel(21, 3), kWhite);
}

// A mono 16-bit PCM wave file of a tone.
void WriteWave(const std::string& path, int milliseconds, uint32_t rate = 8000) {
  const uint32_t samples = rate * milliseconds / 1000, dataBytes = samples * 2;
  const uint32_t header[] = {36 + dataBytes, 16, 1 | 1 << 16, rate, rate * 2, 2 | 16 << 16, dataBytes};
  std::ofstream f(path, std::ios::binary);
  auto words = [&](int from, int n) { f.write(reinterpret_cast<const char*>(header + from), 4 * n); };
  f.write("RIFF", 4), words(0, 1), f.write("WAVEfmt ", 8), words(1, 5), f.write("data", 4), words(6, 1);
  for (uint32_t i = 0; i < samples; ++i) f.write((i / 8) % 2 ? "\x40\x1f" : "\xc0\xe0", 2);  // +-8000
}

// Whether or not this machine has a sound device, the queue drains.
void DrainQueue(QtVoiceOutput& voice) {
  QElapsedTimer clock;
  clock.start();
  while (voice.Pending() > 0 && clock.elapsed() < 20000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(0u, voice.Pending());
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

  DrainQueue(voice);
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

  DrainQueue(voice);
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
