#pragma once

#include <map>
#include <memory>

#include "platform/canvas.h"

// Qt surfaces, image files through Qt's image readers, and the program's
// numbered bitmap resources, drawn from the SVG artwork compiled into the
// program (":/bitmaps/NUMBER.svg") at their own size.

namespace rovex {

class QtCanvasImage;

class QtCanvasFactory final : public CanvasFactory {
 public:
  QtCanvasFactory();
  ~QtCanvasFactory() override;

  std::unique_ptr<Canvas> CreateCanvas(int width, int height) override;
  std::unique_ptr<CanvasImage> LoadImageFile(const std::string& path) override;
  const CanvasImage* Bitmap(int resourceId) override;

 private:
  std::map<int, std::unique_ptr<QtCanvasImage>> m_bitmaps;
};

}  // namespace rovex
