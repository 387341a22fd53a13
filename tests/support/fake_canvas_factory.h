#pragma once

#include <sys/stat.h>

#include <map>
#include <memory>
#include <string>

#include "platform/canvas.h"
#include "support/recording_canvas.h"

// A canvas factory for tests: recording surfaces, and pictures that are only a
// name and a size (a bitmap resource is "bitmap N", 44 by 40).

namespace rovex::testing {

class FakeImage final : public CanvasImage {
 public:
  FakeImage(std::string name, int width, int height) : name(std::move(name)), m_width(width), m_height(height) {}
  int Width() const override { return m_width; }
  int Height() const override { return m_height; }
  const std::string name;

 private:
  int m_width;
  int m_height;
};

class FakeCanvasFactory final : public CanvasFactory {
 public:
  std::unique_ptr<Canvas> CreateCanvas(int width, int height) override {
    return std::make_unique<RecordingCanvas>(width, height);
  }
  // Files that exist give a 256 by 256 picture named by the path.
  std::unique_ptr<CanvasImage> LoadImageFile(const std::string& path) override {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? std::make_unique<FakeImage>(path, 256, 256) : nullptr;
  }
  const CanvasImage* Bitmap(int resourceId) override {
    auto& slot = m_bitmaps[resourceId];
    if (!slot) slot = std::make_unique<FakeImage>("bitmap " + std::to_string(resourceId), 44, 40);
    return slot.get();
  }
  // The name of a bitmap handed out, for checking which one was drawn.
  static std::string NameOf(const CanvasImage* image) {
    auto* fake = dynamic_cast<const FakeImage*>(image);
    return fake ? fake->name : std::string();
  }

 private:
  std::map<int, std::unique_ptr<FakeImage>> m_bitmaps;
};

}  // namespace rovex::testing
