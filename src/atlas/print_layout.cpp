#include "atlas/print_layout.h"

#include <cmath>

namespace rovex::atlas {

int ClampScale(long value) { return value < 1 ? 1 : (value > 20 ? 20 : static_cast<int>(value)); }

PrintGeometry ComputePrintGeometry(int clipWidth, int clipHeight, double px, double py, int scale, int topMargin,
                                   int leftMargin) {
  PrintGeometry g;
  g.width = clipWidth - 6;
  g.height = clipHeight - 6;
  const int s = ClampScale(scale);
  g.tileWidth = px / 600.0 * g.width / s;
  g.tileHeight = py / 600.0 * g.width / s;
  if (g.width <= 0 || g.height <= 0 || g.tileWidth <= 0 || g.tileHeight <= 0) return g;
  g.columns = static_cast<int>(std::lround(g.width / g.tileWidth));
  g.rows = static_cast<int>(std::lround(g.height / g.tileHeight));
  g.top = static_cast<int>(topMargin * px / 600.0);
  g.left = static_cast<int>(leftMargin * px / 600.0);
  return g;
}

std::vector<PrintedTile> LayoutPrintTiles(const PrintGeometry& g) {
  std::vector<PrintedTile> tiles;
  const int w = static_cast<int>(std::lround(g.tileWidth));
  const int h = static_cast<int>(std::lround(g.tileHeight));
  double x = 0;
  for (int i = 0; i < g.columns; ++i) {
    if (i * g.tileWidth + g.left <= g.width) {
      double y = 0;
      for (int j = 0; j < g.rows; ++j) {
        if (j * g.tileHeight + g.top > g.height) break;
        tiles.push_back({i, j, static_cast<int>(x) + g.left, static_cast<int>(y) + g.top, w, h});
        y = std::round(y + g.tileHeight);
      }
    }
    x = std::round(x + g.tileWidth);
  }
  return tiles;
}

double PreviewScaleFactor(int scale) {
  if (scale > 20) scale = 20;
  if (scale < 0) scale = 0;
  return 0.352 * std::pow(1.1, scale);
}

double PreviewPageScale(bool portrait, int paperWidth, int paperLength) {
  const int side = portrait ? paperWidth : paperLength;
  if (side <= 0) return 1.0;
  return (portrait ? 2100.0 : 2970.0) / side;
}

}  // namespace rovex::atlas
