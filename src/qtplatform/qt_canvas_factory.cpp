#include "qtplatform/qt_canvas_factory.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include "qtplatform/qt_canvas.h"
#include "qtplatform/qt_canvas_image.h"
#include "qtplatform/qt_user_prompt.h"

// The artwork lives in a static library: its resources must be registered by name.
static void InitBitmapResources() { Q_INIT_RESOURCE(bitmaps); }

namespace rovex {

QtCanvasFactory::QtCanvasFactory() { InitBitmapResources(); }
QtCanvasFactory::~QtCanvasFactory() = default;

std::unique_ptr<Canvas> QtCanvasFactory::CreateCanvas(int width, int height) {
  return std::make_unique<QtCanvas>(width, height);
}

std::unique_ptr<CanvasImage> QtCanvasFactory::LoadImageFile(const std::string& path) {
  QImageReader reader(FromSystemText(path));
  QImage image = reader.read();
  if (image.isNull()) return nullptr;
  return std::make_unique<QtCanvasImage>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

const CanvasImage* QtCanvasFactory::Bitmap(int resourceId) {
  auto it = m_bitmaps.find(resourceId);
  if (it != m_bitmaps.end()) return it->second.get();
  QSvgRenderer svg(QStringLiteral(":/bitmaps/%1.svg").arg(resourceId));
  std::unique_ptr<QtCanvasImage> image;
  if (svg.isValid()) {
    QImage picture(svg.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    svg.render(&p);
    p.end();
    image = std::make_unique<QtCanvasImage>(std::move(picture));
  }
  const CanvasImage* result = image.get();
  m_bitmaps.emplace(resourceId, std::move(image));
  return result;
}

}  // namespace rovex
