#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>

#include "qtplatform/qt_canvas.h"
#include "qtplatform/qt_canvas_factory.h"

namespace rovex {
namespace {

// Fonts need an application object; one is made for these tests when the
// program has none yet, and removed after them.
class QtCanvasTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_qtplatform";
    static char* argv[] = {name, nullptr};
    s_app = new QGuiApplication(argc, argv);
  }
  static void TearDownTestSuite() {
    delete s_app;
    s_app = nullptr;
  }
  static inline QGuiApplication* s_app = nullptr;
};

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

QImage WhiteImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// The pixels of a colour, as "x,y" strings, for compact expectations.
int CountPixels(const QtCanvas& canvas, Rgb colour) {
  int n = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) n += canvas.GetPixel(x, y) == colour;
  }
  return n;
}

TEST_F(QtCanvasTest, FontsResolveToLiberationWithDeviceContextHeights) {
  struct Case {
    Font font;
    const char* family;
    int cellHeight;  // ascent + descent, when positive height is asked for
  };
  const std::vector<Case> cases = {
      {Font{"Times New Roman", 48, 400}, "Liberation Serif", 48},
      {Font{"Times New Roman", 24, 400}, "Liberation Serif", 24},
      {Font{"Times New Roman", 20, 700}, "Liberation Serif", 20},
      {Font{"Arial", 34, 400}, "Liberation Sans", 34},
  };
  for (const Case& c : cases) {
    QFont f = QtCanvas::ResolveFont(c.font);
    EXPECT_EQ(QFontInfo(f).family(), c.family);
    QFontMetrics m(f);
    EXPECT_NEAR(m.ascent() + m.descent(), c.cellHeight, 1) << c.cellHeight;
    EXPECT_EQ(f.weight(), c.font.weight);
  }
  // A negative height is the character height itself.
  EXPECT_EQ(QtCanvas::ResolveFont(Font{"Times New Roman", -30, 400}).pixelSize(), 30);
}

TEST_F(QtCanvasTest, RectanglesLinesAndFillsCoverDeviceContextPixels) {
  QImage image = WhiteImage(40, 30);
  QtCanvas canvas(&image);
  canvas.SelectPen(Pen{kRed, 1});
  canvas.SelectBrush(Brush{kBlue});
  canvas.Rectangle(2, 3, 12, 9);  // outline 2..11 x 3..8
  EXPECT_EQ(canvas.GetPixel(2, 3), kRed);
  EXPECT_EQ(canvas.GetPixel(11, 8), kRed);
  EXPECT_EQ(canvas.GetPixel(12, 8), kWhite);
  EXPECT_EQ(canvas.GetPixel(11, 9), kWhite);
  EXPECT_EQ(canvas.GetPixel(5, 5), kBlue);
  EXPECT_EQ(CountPixels(canvas, kRed), 2 * 10 + 2 * 4);
  EXPECT_EQ(CountPixels(canvas, kBlue), 8 * 4);

  // A line leaves out its end point.
  canvas.SelectPen(Pen{kBlack, 1});
  canvas.MoveTo(20, 20);
  canvas.LineTo(30, 20);
  EXPECT_EQ(canvas.GetPixel(20, 20), kBlack);
  EXPECT_EQ(canvas.GetPixel(29, 20), kBlack);
  EXPECT_EQ(canvas.GetPixel(30, 20), kWhite);
  canvas.LineTo(30, 25);
  EXPECT_EQ(canvas.GetPixel(30, 20), kBlack);
  EXPECT_EQ(canvas.GetPixel(30, 25), kWhite);

  canvas.FillRect(0, 0, 2, 2, kRed);
  EXPECT_EQ(canvas.GetPixel(1, 1), kRed);
  EXPECT_EQ(canvas.GetPixel(2, 1), kWhite);
  EXPECT_EQ(canvas.GetPixel(-1, 0), kBlack) << "outside the surface";
}

TEST_F(QtCanvasTest, FloodFillStopsAtTheBorderOrFollowsTheSurface) {
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

TEST_F(QtCanvasTest, OpaqueTextFillsItsCellAndTransparentTextDoesNot) {
  QImage image = WhiteImage(200, 60);
  QtCanvas canvas(&image);
  canvas.SelectFont(Font{"Times New Roman", 24, 400});
  canvas.SetTextColour(kBlack);
  canvas.SetBackgroundColour(kRed);
  canvas.SetBackgroundMode(BackgroundMode::Opaque);
  canvas.TextOut(10, 5, "Speed");
  TextExtent e = canvas.MeasureText("Speed");
  EXPECT_EQ(e.height, 24);
  EXPECT_GT(e.width, 40);
  EXPECT_EQ(canvas.GetPixel(10, 5), kRed) << "the cell's top-left corner";
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

TEST_F(QtCanvasTest, SurfacesAreCopiedInOneStepAndBitmapsComeFromTheArtwork) {
  QImage image = WhiteImage(50, 50);
  QtCanvas canvas(&image);
  std::unique_ptr<Canvas> surface = canvas.CreateSurface(10, 10);
  surface->FillRect(0, 0, 10, 10, kBlue);
  surface->SetPixel(9, 9, kRed);
  canvas.CopyFrom(*surface, 20, 30);
  EXPECT_EQ(canvas.GetPixel(20, 30), kBlue);
  EXPECT_EQ(canvas.GetPixel(29, 39), kRed);
  EXPECT_EQ(canvas.GetPixel(30, 40), kWhite);

  QtCanvasFactory factory;
  for (int id : {174, 175, 176, 178, 179, 180, 181, 182, 183}) {
    const CanvasImage* bitmap = factory.Bitmap(id);
    ASSERT_NE(bitmap, nullptr) << id;
    EXPECT_EQ(bitmap->Width(), 42);
    EXPECT_EQ(factory.Bitmap(id), bitmap) << "made once";
  }
  EXPECT_EQ(factory.Bitmap(177), nullptr);
  canvas.DrawImage(*factory.Bitmap(180), 0, 0);
  EXPECT_NE(canvas.GetPixel(21, 3), kWhite);
  EXPECT_EQ(factory.LoadImageFile("/nonexistent/tile.png"), nullptr);
}

}  // namespace
}  // namespace rovex
