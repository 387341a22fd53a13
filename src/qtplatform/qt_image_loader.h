#pragma once

#include "platform/image_loader.h"

// Picture headers through QImageReader and JPEG output through QImageWriter.

namespace rovex {

class QtImageLoader final : public ImageLoader {
 public:
  std::optional<ImageInfo> ReadInfo(const std::string& path) override;
  bool SaveJpeg(const Canvas& surface, const std::string& path) override;
};

}  // namespace rovex
