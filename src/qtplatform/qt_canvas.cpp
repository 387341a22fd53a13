#include "qtplatform/qt_canvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>

#include "qtplatform/qt_canvas_image.h"
#include "qtplatform/qt_user_prompt.h"

namespace rovex {
namespace {

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

QRgb ToQRgb(Rgb c) { return qRgb(c.red, c.green, c.blue); }

Rgb FromQRgb(QRgb c) {
  return Rgb{static_cast<uint8_t>(qRed(c)), static_cast<uint8_t>(qGreen(c)), static_cast<uint8_t>(qBlue(c))};
}

// The Windows faces the layouts name, and the installed fonts drawn with the same metrics.
QString InstalledFace(const std::string& face) {
  static const QHash<QString, QString> faces = {
      {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
      {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
      {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
  };
  QString name = QString::fromLatin1(face.data(), static_cast<qsizetype>(face.size()));
  return faces.value(name.toLower(), name);
}

// The pixel size whose cell (ascent + descent, rounded as the metrics round
// them) is the height asked for, or the nearest below it; worked out once per font.
int PixelSizeForCell(const QFont& base, int cell) {
  static std::mutex mutex;
  static QHash<QString, int> cache;
  const QString key = base.key() + QLatin1Char('/') + QString::number(cell);
  std::lock_guard lock(mutex);
  if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;
  auto cellAt = [&](int pixels) {
    QFont f(base);
    f.setPixelSize(pixels);
    QFontMetrics m(f);
    return m.ascent() + m.descent();
  };
  QFont probe(base);
  probe.setPixelSize(1000);
  QFontMetricsF m(probe);
  double ratio = (m.ascent() + m.descent()) / 1000.0;
  if (!(ratio > 0.5 && ratio < 3.0)) ratio = 1.0;
  int pixels = std::max(1, static_cast<int>(std::lround(cell / ratio)));
  while (pixels > 1 && cellAt(pixels) > cell) --pixels;
  while (cellAt(pixels + 1) <= cell) ++pixels;
  cache.insert(key, pixels);
  return pixels;
}

// Normalised right/bottom-exclusive rectangle as Qt's inclusive outline rectangle.
QRect OutlineRect(int left, int top, int right, int bottom) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

}  // namespace

QtCanvas::QtCanvas(QImage* target) : m_image(target) {
  // Pixel work reads and writes whole 32-bit pixels.
  if (m_image->depth() != 32) *m_image = m_image->convertToFormat(QImage::Format_RGB32);
  m_font = ResolveFont(Font{});
}

QtCanvas::QtCanvas(int width, int height)
    : m_own(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32), m_image(&m_own) {
  m_own.fill(Qt::black);
  m_font = ResolveFont(Font{});
}

QtCanvas::~QtCanvas() { EndPainting(); }

const QImage& QtCanvas::Image() const {
  EndPainting();
  return *m_image;
}

QFont QtCanvas::ResolveFont(const Font& font) {
  QFont f(InstalledFace(font.face));
  f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight == 0 ? 400 : font.weight, 1, 1000)));
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  if (font.height < 0) {
    f.setPixelSize(static_cast<int>(std::min(-static_cast<long long>(font.height), 4096LL)));
  } else {
    f.setPixelSize(PixelSizeForCell(f, std::min(font.height == 0 ? 16 : font.height, 4096)));
  }
  return f;
}

QPainter& QtCanvas::Painter() {
  if (!m_painter) {
    m_painter = std::make_unique<QPainter>(m_image);
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
  }
  return *m_painter;
}

void QtCanvas::EndPainting() const {
  if (m_painter) {
    m_painter->end();
    m_painter.reset();
  }
}

void QtCanvas::SelectPen(const Pen& pen) { m_pen = pen; }
void QtCanvas::SelectBrush(const Brush& brush) { m_brush = brush; }
void QtCanvas::SelectFont(const Font& font) { m_font = ResolveFont(font); }

void QtCanvas::ApplyPen(QPainter& p, bool forLines) {
  if (m_pen.style == PenStyle::Null) {
    p.setPen(Qt::NoPen);
    return;
  }
  QPen pen(ToQColor(m_pen.colour));
  if (m_pen.width <= 1) {
    pen.setWidth(1);
    pen.setCosmetic(true);
    // A flat cap leaves out a line's end point, as a device context does.
    pen.setCapStyle(forLines ? Qt::FlatCap : Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (m_pen.style) {
      case PenStyle::Dash: pen.setStyle(Qt::DashLine); break;
      case PenStyle::Dot: pen.setStyle(Qt::DotLine); break;
      case PenStyle::DashDot: pen.setStyle(Qt::DashDotLine); break;
      case PenStyle::DashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
      default: pen.setStyle(Qt::SolidLine); break;
    }
  } else {
    // Wide pens (roads, tracks, the pointer) are solid with round ends and joins,
    // so a thick line has no gaps or spikes where its segments meet.
    pen.setWidth(m_pen.width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setStyle(Qt::SolidLine);
  }
  p.setPen(pen);
}

void QtCanvas::ApplyBrush(QPainter& p) {
  if (m_brush.style == BrushStyle::Hollow) {
    p.setBrush(Qt::NoBrush);
  } else {
    p.setBrush(ToQColor(m_brush.colour));
  }
}

void QtCanvas::MoveTo(int x, int y) {
  m_x = x;
  m_y = y;
}

void QtCanvas::LineTo(int x, int y) {
  if (x != m_x || y != m_y) {
    QPainter& p = Painter();
    ApplyPen(p, true);
    p.drawLine(m_x, m_y, x, y);
  }
  m_x = x;
  m_y = y;
}

void QtCanvas::Polyline(const std::vector<CanvasPoint>& points) {
  if (points.size() < 2) return;
  QPolygon polygon(static_cast<int>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) polygon.setPoint(static_cast<int>(i), points[i].x, points[i].y);
  QPainter& p = Painter();
  ApplyPen(p, true);
  p.drawPolyline(polygon);
}

void QtCanvas::Rectangle(int left, int top, int right, int bottom) {
  QPainter& p = Painter();
  ApplyPen(p, false);
  ApplyBrush(p);
  p.drawRect(OutlineRect(left, top, right, bottom));
}

void QtCanvas::Ellipse(int left, int top, int right, int bottom) {
  QPainter& p = Painter();
  ApplyPen(p, false);
  ApplyBrush(p);
  p.drawEllipse(OutlineRect(left, top, right, bottom));
}

void QtCanvas::Polygon(const std::vector<CanvasPoint>& points) {
  if (points.size() < 2) return;
  QPolygon polygon(static_cast<int>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) polygon.setPoint(static_cast<int>(i), points[i].x, points[i].y);
  QPainter& p = Painter();
  ApplyPen(p, false);
  ApplyBrush(p);
  p.drawPolygon(polygon, Qt::OddEvenFill);
}

void QtCanvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
  if (right <= left || bottom <= top) return;
  Painter().fillRect(QRect(left, top, right - left, bottom - top), ToQColor(colour));
}

void QtCanvas::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  QRect box = OutlineRect(left, top, right, bottom);
  double cx = (left + right) / 2.0;
  double cy = (top + bottom) / 2.0;
  double w = std::max(1.0, std::abs(right - left) / 2.0);
  double h = std::max(1.0, std::abs(bottom - top) / 2.0);
  // Angles of the radials, counter-clockwise from three o'clock with y pointing up.
  auto angle = [&](int x, int y) { return std::atan2(-(y - cy) / h, (x - cx) / w) * 180.0 / std::numbers::pi; };
  double start = angle(xStart, yStart);
  double span = angle(xEnd, yEnd) - start;
  while (span <= 0.0) span += 360.0;  // equal radials give the whole ellipse
  QPainter& p = Painter();
  ApplyPen(p, true);
  p.drawArc(box, static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::SetPixel(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= m_image->width() || y >= m_image->height()) return;
  EndPainting();
  reinterpret_cast<QRgb*>(m_image->scanLine(y))[x] = ToQRgb(colour);
}

Rgb QtCanvas::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_image->width() || y >= m_image->height()) return kBlack;
  EndPainting();
  return FromQRgb(m_image->pixel(x, y));
}

void QtCanvas::FloodFill(int x, int y, Rgb colour, FloodFillMode mode) {
  const int width = m_image->width();
  const int height = m_image->height();
  if (m_brush.style == BrushStyle::Hollow || x < 0 || y < 0 || x >= width || y >= height) return;
  EndPainting();
  const QRgb key = ToQRgb(colour) & 0xFFFFFF;
  const QRgb fill = ToQRgb(m_brush.colour);
  auto at = [&](int px, int py) -> QRgb& { return reinterpret_cast<QRgb*>(m_image->scanLine(py))[px]; };
  std::vector<uint8_t> done(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  auto fillable = [&](int px, int py) {
    if (done[static_cast<size_t>(py) * width + px]) return false;
    bool same = (at(px, py) & 0xFFFFFF) == key;
    return mode == FloodFillMode::Border ? !same : same;
  };
  if (!fillable(x, y)) return;
  // Span fill: each stack entry is a seed; its whole run on the row is filled at once.
  std::vector<std::pair<int, int>> stack{{x, y}};
  while (!stack.empty()) {
    auto [sx, sy] = stack.back();
    stack.pop_back();
    if (!fillable(sx, sy)) continue;
    int l = sx;
    while (l > 0 && fillable(l - 1, sy)) --l;
    int r = sx;
    while (r + 1 < width && fillable(r + 1, sy)) ++r;
    for (int i = l; i <= r; ++i) {
      at(i, sy) = fill;
      done[static_cast<size_t>(sy) * width + i] = 1;
    }
    for (int ny : {sy - 1, sy + 1}) {
      if (ny < 0 || ny >= height) continue;
      bool inRun = false;
      for (int i = l; i <= r; ++i) {
        bool f = fillable(i, ny);
        if (f && !inRun) stack.emplace_back(i, ny);
        inRun = f;
      }
    }
  }
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  QString s = FromSystemText(text);
  QPainter& p = Painter();
  p.setFont(m_font);
  QFontMetrics m = p.fontMetrics();
  if (m_backgroundMode == BackgroundMode::Opaque) {
    p.fillRect(QRect(x, y, m.horizontalAdvance(s), m.ascent() + m.descent()), ToQColor(m_backgroundColour));
  }
  p.setPen(ToQColor(m_textColour));
  p.drawText(QPoint(x, y + m.ascent()), s);
}

TextExtent QtCanvas::MeasureText(const std::string& text) {
  QFontMetrics m(m_font, m_image);
  return {m.horizontalAdvance(FromSystemText(text)), m.ascent() + m.descent()};
}

void QtCanvas::DrawImage(const CanvasImage& image, int x, int y) {
  if (auto* qt = dynamic_cast<const QtCanvasImage*>(&image)) Painter().drawImage(QPoint(x, y), qt->Image());
}

void QtCanvas::DrawImageScaled(const CanvasImage& image, int left, int top, int width, int height) {
  if (width <= 0 || height <= 0) return;
  if (auto* qt = dynamic_cast<const QtCanvasImage*>(&image)) {
    Painter().drawImage(QRect(left, top, width, height), qt->Image());
  }
}

std::unique_ptr<Canvas> QtCanvas::CreateSurface(int width, int height) {
  return std::make_unique<QtCanvas>(width, height);
}

void QtCanvas::CopyFrom(const Canvas& surface, int x, int y) {
  auto* qt = dynamic_cast<const QtCanvas*>(&surface);
  if (!qt || qt == this) return;
  const QImage& source = qt->Image();
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPoint(x, y), source);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace rovex
