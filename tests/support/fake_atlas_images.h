#pragma once

#include <sys/stat.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/image_loader.h"
#include "support/fake_canvas_factory.h"
#include "support/recording_canvas.h"
#include "support/temp_dir.h"

// Atlas pictures for tests without image codecs: a "tile" is a text file
// "WIDTH HEIGHT DEPTH"; any other content is a file that cannot be read as a
// picture. Saved pictures are recorded with their size.

namespace rovex::testing {

inline bool ReadFakePicture(const std::string& path, int* w, int* h, int* d) {
  std::ifstream in(path);
  return in && (in >> *w >> *h >> *d) && *w > 0 && *h > 0;
}

class FakeAtlasImages final : public ImageLoader, public CanvasFactory {
 public:
  std::optional<ImageInfo> ReadInfo(const std::string& path) override {
    ImageInfo i;
    if (!ReadFakePicture(path, &i.width, &i.height, &i.depth)) return std::nullopt;
    return i;
  }
  bool SaveJpeg(const Canvas& surface, const std::string& path) override {
    saved.push_back({path, surface.Width(), surface.Height()});
    lastSaved = dynamic_cast<const RecordingCanvas*>(&surface) ? static_cast<const RecordingCanvas&>(surface).calls
                                                               : std::vector<DrawCall>{};
    std::ofstream(path) << surface.Width() << " " << surface.Height() << " 24";
    return true;
  }
  std::unique_ptr<Canvas> CreateCanvas(int width, int height) override {
    ++canvasesMade;
    return std::make_unique<RecordingCanvas>(width, height);
  }
  std::unique_ptr<CanvasImage> LoadImageFile(const std::string& path) override {
    ++decodes;
    int w = 0, h = 0, d = 0;
    if (!ReadFakePicture(path, &w, &h, &d)) return nullptr;
    loaded.push_back(path);
    return std::make_unique<FakeImage>(path, w, h);
  }
  const CanvasImage* Bitmap(int) override { return nullptr; }

  struct Saved {
    std::string path;
    int width;
    int height;
  };
  std::vector<Saved> saved;
  std::vector<DrawCall> lastSaved;
  std::vector<std::string> loaded;  // the pictures handed out, in order
  int canvasesMade = 0;
  int decodes = 0;
};

// Writes a layer folder LAYER/set/PREFIX X_Y EXT of cols x rows tiles of size w x h
// (with a calibration file when mapText is not empty) under the atlas folder.
inline std::string MakeFakeLayer(const TempDir& dir, const std::string& layer, int cols, int rows, int w = 256,
                                 int h = 256, const std::string& prefix = "t_", const std::string& ext = ".png",
                                 const std::string& mapText = "") {
  const std::string folder = dir.File(layer);
  mkdir(folder.c_str(), 0755);
  mkdir((folder + "/set").c_str(), 0755);
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < rows; ++r) {
      std::ofstream(folder + "/set/" + prefix + std::to_string(c * w) + "_" + std::to_string(r * h) + ext)
          << w << " " << h << " 24";
    }
  }
  if (!mapText.empty()) std::ofstream(folder + "/layer.map") << mapText;
  return folder;
}

}  // namespace rovex::testing
