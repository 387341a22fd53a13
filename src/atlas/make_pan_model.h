#pragma once

#include <functional>
#include <string>

#include "atlas/atlas_layer.h"
#include "atlas/pan_maker.h"

// The rules of "Make Pan Image" (`CDialogMakePanFile`): the layer folder given
// when it opens, its two information lines, and "Create pan.jpg file".

namespace rovex {
class CanvasFactory;
class ImageLoader;
}  // namespace rovex

namespace rovex::atlas {

struct MakePanModel {
  MakePanModel(std::string layerFolder, CanvasFactory* factory, ImageLoader* images);

  // "Create pan.jpg file"; progress as for MakePanFile.
  PanResult Create(const std::function<bool(int, int)>& progress = nullptr);

  std::string layerFolder;
  std::string folderBox;  // what "&Browse" wrote; "Open current folder" opens it
  std::string countsText;
  std::string tileText;
  CanvasFactory* factory;
  ImageLoader* images;
};

}  // namespace rovex::atlas
