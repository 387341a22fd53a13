#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"

// A canvas that draws nothing and records every drawing call with the state it
// was made in (pen, brush, font, text colours), so that layouts with numbers
// can be checked without Qt. Surfaces it creates record too, and copying one
// onto this canvas replays its calls here shifted to where it was copied.

namespace rovex::testing {

struct DrawCall {
  enum class Op { Line, Polyline, Rectangle, Ellipse, Polygon, FillRect, Arc, Pixel, FloodFill, Text, Image, ImageScaled };
  Op op = Op::Line;
  // Line: x1 y1 x2 y2. Rectangle, Ellipse, FillRect: left top right bottom.
  // Arc: box then start and end points. Pixel, FloodFill, Text, Image: x y.
  // ImageScaled: left top width height.
  std::vector<int> args;
  std::vector<CanvasPoint> points;  // Polyline, Polygon
  std::string text;
  const CanvasImage* image = nullptr;
  Rgb colour;  // FillRect, Pixel, FloodFill
  Pen pen;
  Brush brush;
  Font font;
  Rgb textColour;
  Rgb backgroundColour;
  BackgroundMode backgroundMode = BackgroundMode::Opaque;
};

class RecordingCanvas final : public Canvas {
 public:
  RecordingCanvas(int width = 800, int height = 600) : m_width(width), m_height(height) {}

  std::vector<DrawCall> calls;

  // Queries for tests.
  std::vector<const DrawCall*> Of(DrawCall::Op op) const;
  // The text calls whose text is exactly this, in order.
  std::vector<const DrawCall*> TextsEqual(const std::string& text) const;
  // The last text drawn that starts with prefix, or null.
  const DrawCall* TextStartingWith(const std::string& prefix) const;
  // Every text drawn, in order.
  std::vector<std::string> AllTexts() const;
  void Clear() { calls.clear(); }

  int Width() const override { return m_width; }
  int Height() const override { return m_height; }
  void SelectPen(const Pen& pen) override { m_pen = pen; }
  void SelectBrush(const Brush& brush) override { m_brush = brush; }
  void SelectFont(const Font& font) override { m_font = font; }
  void SetTextColour(Rgb colour) override { m_textColour = colour; }
  void SetBackgroundColour(Rgb colour) override { m_backgroundColour = colour; }
  void SetBackgroundMode(BackgroundMode mode) override { m_backgroundMode = mode; }
  void MoveTo(int x, int y) override { m_x = x, m_y = y; }
  void LineTo(int x, int y) override {
    Add(DrawCall::Op::Line, {m_x, m_y, x, y});
    MoveTo(x, y);
  }
  void Polyline(const std::vector<CanvasPoint>& points) override { Add(DrawCall::Op::Polyline, {}).points = points; }
  void Rectangle(int l, int t, int r, int b) override { Add(DrawCall::Op::Rectangle, {l, t, r, b}); }
  void Ellipse(int l, int t, int r, int b) override { Add(DrawCall::Op::Ellipse, {l, t, r, b}); }
  void Polygon(const std::vector<CanvasPoint>& points) override { Add(DrawCall::Op::Polygon, {}).points = points; }
  void FillRect(int l, int t, int r, int b, Rgb colour) override {
    Add(DrawCall::Op::FillRect, {l, t, r, b}).colour = colour;
  }
  void Arc(int l, int t, int r, int b, int xStart, int yStart, int xEnd, int yEnd) override {
    Add(DrawCall::Op::Arc, {l, t, r, b, xStart, yStart, xEnd, yEnd});
  }
  void SetPixel(int x, int y, Rgb colour) override { Add(DrawCall::Op::Pixel, {x, y}).colour = colour; }
  Rgb GetPixel(int, int) const override { return kBlack; }
  void FloodFill(int x, int y, Rgb colour, FloodFillMode mode) override {
    Add(DrawCall::Op::FloodFill, {x, y, mode == FloodFillMode::Border ? 0 : 1}).colour = colour;
  }
  void TextOut(int x, int y, const std::string& text) override { Add(DrawCall::Op::Text, {x, y}).text = text; }
  // Half the font height per character, the font height tall.
  TextExtent MeasureText(const std::string& text) override;
  void DrawImage(const CanvasImage& image, int x, int y) override { Add(DrawCall::Op::Image, {x, y}).image = &image; }
  void DrawImageScaled(const CanvasImage& image, int left, int top, int width, int height) override {
    Add(DrawCall::Op::ImageScaled, {left, top, width, height}).image = &image;
  }
  std::unique_ptr<Canvas> CreateSurface(int width, int height) override {
    return std::make_unique<RecordingCanvas>(width, height);
  }
  void CopyFrom(const Canvas& surface, int x, int y) override;

 private:
  // Records a call made in the current state; the caller fills in the rest.
  DrawCall& Add(DrawCall::Op op, std::vector<int> args);

  int m_width;
  int m_height;
  Pen m_pen{kBlack, 1, PenStyle::Solid};
  Brush m_brush{kWhite, BrushStyle::Solid};
  Font m_font;
  Rgb m_textColour = kBlack;
  Rgb m_backgroundColour = kWhite;
  BackgroundMode m_backgroundMode = BackgroundMode::Opaque;
  int m_x = 0;
  int m_y = 0;
};

}  // namespace rovex::testing
