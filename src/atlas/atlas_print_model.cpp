#include "atlas/atlas_print_model.h"

#include <memory>

#include "platform/canvas.h"

namespace rovex::atlas {

void AtlasPrintModel::PaperSize(int* width, int* length) const {
  if (customPaper) {
    *width = customWidthMm * 10;
    *length = customHeightMm * 10;
    return;
  }
  const auto& table = PaperTable();
  const bool known = paperRow >= 1 && paperRow <= static_cast<int>(table.size());
  const PaperRow& paper = table[(known ? paperRow : RowOfPaperCode(kA4PaperCode)) - 1];
  *width = paper.width;
  *length = paper.length;
}

double AtlasPrintModel::PreviewFactor() const {
  int width = 0, length = 0;
  PaperSize(&width, &length);
  return PreviewPageScale(!landscape, width, length) * PreviewScaleFactor(scale);
}

int AtlasPrintModel::DrawPage(Canvas& picture, const PrintGeometry& g,
                              const std::function<void(int, int)>& progress) const {
  picture.FillRect(0, 0, picture.Width(), picture.Height(), kWhite);
  if (!factory || layerFolder.empty()) return 0;
  const AtlasLayer layer(layerFolder);
  int drawn = 0;
  int column = -1;
  for (const PrintedTile& t : LayoutPrintTiles(g)) {
    if (t.column != column && progress) progress(t.column, g.columns);
    column = t.column;
    const std::string path = layer.TilePath(static_cast<long>(firstColumn + t.column) * tileWidth,
                                            static_cast<long>(firstRow + t.row) * tileHeight);
    if (path.empty()) continue;
    std::unique_ptr<CanvasImage> tile = factory->LoadImageFile(path);
    if (!tile) continue;
    picture.DrawImageScaled(*tile, t.x, t.y, t.width, t.height);
    ++drawn;
  }
  if (progress) progress(g.columns, g.columns);
  return drawn;
}

}  // namespace rovex::atlas
