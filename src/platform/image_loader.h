#pragma once

#include <optional>
#include <string>

// Reading picture files' headers and writing pictures: the image codecs of the
// platform. Decoding for drawing goes through CanvasFactory::LoadImageFile.

namespace rovex {

class Canvas;

struct ImageInfo {
  int width = 0;
  int height = 0;
  int depth = 0;  // bits per pixel
};

class ImageLoader {
 public:
  virtual ~ImageLoader() = default;
  // The size and colour depth of a picture file without decoding its pixels;
  // empty when the file is not a picture that can be read.
  virtual std::optional<ImageInfo> ReadInfo(const std::string& path) = 0;
  // Writes the surface (one made by the same platform's CanvasFactory) as a JPEG file.
  virtual bool SaveJpeg(const Canvas& surface, const std::string& path) = 0;
};

}  // namespace rovex
