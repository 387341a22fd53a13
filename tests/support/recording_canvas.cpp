#include "support/recording_canvas.h"

#include <cstdlib>

namespace rovex::testing {

DrawCall& RecordingCanvas::Add(DrawCall::Op op, std::vector<int> args) {
  calls.push_back({op, std::move(args), {}, {}, nullptr, {}, m_pen, m_brush, m_font, m_textColour, m_backgroundColour,
                   m_backgroundMode});
  return calls.back();
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

const DrawCall* RecordingCanvas::TextStartingWith(const std::string& prefix) const {
  const DrawCall* found = nullptr;
  for (const DrawCall* c : Of(DrawCall::Op::Text))
    if (c->text.rfind(prefix, 0) == 0) found = c;
  return found;
}

std::vector<std::string> RecordingCanvas::AllTexts() const {
  std::vector<std::string> r;
  for (const DrawCall* c : Of(DrawCall::Op::Text)) r.push_back(c->text);
  return r;
}

TextExtent RecordingCanvas::MeasureText(const std::string& text) {
  int h = std::abs(m_font.height);
  if (h == 0) h = 16;
  return {static_cast<int>(text.size()) * h / 2, h};
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
