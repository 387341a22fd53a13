#include "support/recording_canvas.h"

#include <cstdlib>

namespace rovex::testing {

DrawCall RecordingCanvas::Make(DrawCall::Op op, std::vector<int> args) const {
  DrawCall c;
  c.op = op;
  c.args = std::move(args);
  c.pen = m_pen;
  c.brush = m_brush;
  c.font = m_font;
  c.textColour = m_textColour;
  c.backgroundColour = m_backgroundColour;
  c.backgroundMode = m_backgroundMode;
  return c;
}

std::vector<const DrawCall*> RecordingCanvas::Of(DrawCall::Op op) const {
  std::vector<const DrawCall*> r;
  for (const DrawCall& c : calls)
    if (c.op == op) r.push_back(&c);
  return r;
}

std::vector<const DrawCall*> RecordingCanvas::TextsEqual(const std::string& text) const {
  std::vector<const DrawCall*> r;
  for (const DrawCall* c : Of(DrawCall::Op::Text))
    if (c->text == text) r.push_back(c);
  return r;
}

std::vector<std::string> RecordingCanvas::AllTexts() const {
  std::vector<std::string> r;
  for (const DrawCall* c : Of(DrawCall::Op::Text)) r.push_back(c->text);
  return r;
}

void RecordingCanvas::MoveTo(int x, int y) {
  m_x = x;
  m_y = y;
}

void RecordingCanvas::LineTo(int x, int y) {
  calls.push_back(Make(DrawCall::Op::Line, {m_x, m_y, x, y}));
  m_x = x;
  m_y = y;
}

void RecordingCanvas::Polyline(const std::vector<CanvasPoint>& points) {
  DrawCall c = Make(DrawCall::Op::Polyline, {});
  c.points = points;
  calls.push_back(std::move(c));
}

void RecordingCanvas::Rectangle(int left, int top, int right, int bottom) {
  calls.push_back(Make(DrawCall::Op::Rectangle, {left, top, right, bottom}));
}

void RecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
  calls.push_back(Make(DrawCall::Op::Ellipse, {left, top, right, bottom}));
}

void RecordingCanvas::Polygon(const std::vector<CanvasPoint>& points) {
  DrawCall c = Make(DrawCall::Op::Polygon, {});
  c.points = points;
  calls.push_back(std::move(c));
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
  DrawCall c = Make(DrawCall::Op::FillRect, {left, top, right, bottom});
  c.colour = colour;
  calls.push_back(std::move(c));
}

void RecordingCanvas::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  calls.push_back(Make(DrawCall::Op::Arc, {left, top, right, bottom, xStart, yStart, xEnd, yEnd}));
}

void RecordingCanvas::SetPixel(int x, int y, Rgb colour) {
  DrawCall c = Make(DrawCall::Op::Pixel, {x, y});
  c.colour = colour;
  calls.push_back(std::move(c));
}

void RecordingCanvas::FloodFill(int x, int y, Rgb colour, FloodFillMode mode) {
  DrawCall c = Make(DrawCall::Op::FloodFill, {x, y, mode == FloodFillMode::Border ? 0 : 1});
  c.colour = colour;
  calls.push_back(std::move(c));
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
  DrawCall c = Make(DrawCall::Op::Text, {x, y});
  c.text = text;
  calls.push_back(std::move(c));
}

TextExtent RecordingCanvas::MeasureText(const std::string& text) {
  int h = std::abs(m_font.height);
  if (h == 0) h = 16;
  return {static_cast<int>(text.size()) * h / 2, h};
}

void RecordingCanvas::DrawImage(const CanvasImage& image, int x, int y) {
  DrawCall c = Make(DrawCall::Op::Image, {x, y});
  c.image = &image;
  calls.push_back(std::move(c));
}

void RecordingCanvas::DrawImageScaled(const CanvasImage& image, int left, int top, int width, int height) {
  DrawCall c = Make(DrawCall::Op::ImageScaled, {left, top, width, height});
  c.image = &image;
  calls.push_back(std::move(c));
}

std::unique_ptr<Canvas> RecordingCanvas::CreateSurface(int width, int height) {
  return std::make_unique<RecordingCanvas>(width, height);
}

void RecordingCanvas::CopyFrom(const Canvas& surface, int x, int y) {
  auto* source = dynamic_cast<const RecordingCanvas*>(&surface);
  if (!source) return;
  for (DrawCall c : source->calls) {
    switch (c.op) {
      case DrawCall::Op::Polyline:
      case DrawCall::Op::Polygon:
        for (CanvasPoint& p : c.points) {
          p.x += x;
          p.y += y;
        }
        break;
      case DrawCall::Op::ImageScaled:
        c.args[0] += x;
        c.args[1] += y;
        break;
      default:
        // Every other call's arguments are x, y pairs from the start (a FloodFill's third is its mode).
        for (size_t i = 0; i + 1 < c.args.size(); i += 2) {
          if (c.op == DrawCall::Op::FloodFill && i > 0) break;
          c.args[i] += x;
          c.args[i + 1] += y;
        }
        break;
    }
    calls.push_back(std::move(c));
  }
}

}  // namespace rovex::testing
