#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include "app/colours_dialog.h"
#include "dialog_test_app.h"
#include "qtplatform/qt_canvas.h"

namespace rovex {
namespace {

// The box around the near-black pixels: the text, not the magenta outline
// or the yellow box around it.
QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// The "Sample" preview shows the word as large as the panels draw a font of
// the same height: both take it as a cell height.
TEST(ColourSample, WordIsDrawnAtTheCanvasSizeForItsHeight) {
  testing::QtTestApp();
  ColourSample sample;
  sample.resize(220, 80);
  sample.SetColours(Colour{0, 0, 0}, Colour{255, 255, 255});
  const QRect shown = InkBox(sample.grab().toImage().convertToFormat(QImage::Format_RGB32));

  QtCanvas canvas(300, 120);
  canvas.FillRect(0, 0, 300, 120, Rgb{255, 255, 255});
  Font font;
  font.height = ColoursModel::kPreviewFontHeight;
  canvas.SelectFont(font);
  canvas.SetTextColour(Rgb{0, 0, 0});
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  canvas.TextOut(10, 10, "Sample");
  const QRect drawn = InkBox(canvas.Image());

  ASSERT_FALSE(shown.isEmpty());
  ASSERT_FALSE(drawn.isEmpty());
  EXPECT_NEAR(shown.height(), drawn.height(), 1);
  EXPECT_NEAR(shown.width(), drawn.width(), 1);
  EXPECT_GE(drawn.height(), ColoursModel::kPreviewFontHeight / 2) << "the word fills most of its cell";
}

}  // namespace
}  // namespace rovex
