#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>

#include "platform/canvas.h"

// The canvas on a QImage through QPainter, with the device-context rules of the
// interface: pixel-exact lines and frames (no antialiasing, end points left
// out), text placed by its cell's top-left corner, GDI font heights, and
// faces resolved to the installed metric-compatible fonts.

namespace rovex {

class QtCanvas final : public Canvas {
 public:
  // Draws on an image the caller keeps (the view's back buffer).
  explicit QtCanvas(QImage* target);
  // An off-screen surface with its own image, black at first.
  QtCanvas(int width, int height);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // The picture; pending drawing is finished first.
  const QImage& Image() const;

  // The Qt font for a device-context font description.
  static QFont ResolveFont(const Font& font);

  int Width() const override { return m_image->width(); }
  int Height() const override { return m_image->height(); }

  void SelectPen(const Pen& pen) override;
  void SelectBrush(const Brush& brush) override;
  void SelectFont(const Font& font) override;
  void SetTextColour(Rgb colour) override { m_textColour = colour; }
  void SetBackgroundColour(Rgb colour) override { m_backgroundColour = colour; }
  void SetBackgroundMode(BackgroundMode mode) override { m_backgroundMode = mode; }

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polyline(const std::vector<CanvasPoint>& points) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Polygon(const std::vector<CanvasPoint>& points) override;
  void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
  void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
  void SetPixel(int x, int y, Rgb colour) override;
  Rgb GetPixel(int x, int y) const override;
  void FloodFill(int x, int y, Rgb colour, FloodFillMode mode) override;
  void TextOut(int x, int y, const std::string& text) override;
  TextExtent MeasureText(const std::string& text) override;
  void DrawImage(const CanvasImage& image, int x, int y) override;
  void DrawImageScaled(const CanvasImage& image, int left, int top, int width, int height) override;
  std::unique_ptr<Canvas> CreateSurface(int width, int height) override;
  void CopyFrom(const Canvas& surface, int x, int y) override;

 private:
  QPainter& Painter();
  // Direct pixel work needs the painter out of the way.
  void EndPainting() const;
  void ApplyPen(QPainter& p, bool forLines);
  void ApplyBrush(QPainter& p);

  QImage m_own;
  QImage* m_image;
  mutable std::unique_ptr<QPainter> m_painter;
  Pen m_pen{kBlack, 1, PenStyle::Solid};
  Brush m_brush{kWhite, BrushStyle::Solid};
  QFont m_font;
  Rgb m_textColour = kBlack;
  Rgb m_backgroundColour = kWhite;
  BackgroundMode m_backgroundMode = BackgroundMode::Opaque;
  int m_x = 0;
  int m_y = 0;
};

}  // namespace rovex
