#include "support/fake_canvas_factory.h"

#include <sys/stat.h>

#include "support/recording_canvas.h"

namespace rovex::testing {

std::unique_ptr<Canvas> FakeCanvasFactory::CreateCanvas(int width, int height) {
  return std::make_unique<RecordingCanvas>(width, height);
}

std::unique_ptr<CanvasImage> FakeCanvasFactory::LoadImageFile(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return nullptr;
  return std::make_unique<FakeImage>(path, 256, 256);
}

const CanvasImage* FakeCanvasFactory::Bitmap(int resourceId) {
  auto& slot = m_bitmaps[resourceId];
  if (!slot) slot = std::make_unique<FakeImage>("bitmap " + std::to_string(resourceId), 44, 40);
  return slot.get();
}

std::string FakeCanvasFactory::NameOf(const CanvasImage* image) {
  auto* fake = dynamic_cast<const FakeImage*>(image);
  return fake ? fake->name : std::string();
}

}  // namespace rovex::testing
