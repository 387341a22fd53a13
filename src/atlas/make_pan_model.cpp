#include "atlas/make_pan_model.h"

#include "platform/image_loader.h"

namespace rovex::atlas {

MakePanModel::MakePanModel(std::string folder, CanvasFactory* f, ImageLoader* i)
    : layerFolder(std::move(folder)), folderBox(layerFolder), factory(f), images(i) {
  if (!images || layerFolder.empty()) return;
  const PanLayerInfo info = InspectPanLayer(AtlasLayer(layerFolder), *images);
  countsText = PanCountsText(info);
  tileText = PanTileText(info);
}

PanResult MakePanModel::Create(const std::function<bool(int, int)>& progress) {
  // The folder given at opening is built, whatever was browsed since.
  const AtlasLayer layer(layerFolder);
  if (!factory || !images) {
    PanResult none;
    none.message = "Pictures cannot be made here.";
    return none;
  }
  return MakePanFile(layer, *factory, *images, progress);
}

}  // namespace rovex::atlas
