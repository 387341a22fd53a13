#pragma once

#include <QImage>

#include "platform/canvas.h"

// A picture for the Qt canvas.

namespace rovex {

class QtCanvasImage final : public CanvasImage {
 public:
  explicit QtCanvasImage(QImage image) : m_image(std::move(image)) {}
  int Width() const override { return m_image.width(); }
  int Height() const override { return m_image.height(); }
  const QImage& Image() const { return m_image; }

 private:
  QImage m_image;
};

}  // namespace rovex
