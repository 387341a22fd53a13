#include "qtplatform/qt_image_loader.h"

#include <QImageReader>
#include <QImageWriter>

#include "qtplatform/qt_canvas.h"

namespace rovex {

std::optional<ImageInfo> QtImageLoader::ReadInfo(const std::string& path) {
  QImageReader reader(QString::fromLocal8Bit(path.c_str()));
  if (!reader.canRead()) return std::nullopt;
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty()) return std::nullopt;
  ImageInfo info;
  info.width = size.width();
  info.height = size.height();
  // The depth of the pixel format the file decodes to; 24 when the reader does not say.
  const QImage::Format format = reader.imageFormat();
  info.depth = format == QImage::Format_Invalid ? 24 : QImage::toPixelFormat(format).bitsPerPixel();
  if (format == QImage::Format_RGB32) info.depth = 24;
  return info;
}

bool QtImageLoader::SaveJpeg(const Canvas& surface, const std::string& path) {
  const auto* qt = dynamic_cast<const QtCanvas*>(&surface);
  if (!qt) return false;
  QImageWriter writer(QString::fromLocal8Bit(path.c_str()), "jpeg");
  writer.setQuality(90);
  return writer.write(qt->Image());
}

}  // namespace rovex
