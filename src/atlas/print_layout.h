#pragma once

#include <vector>

// The arithmetic of printing an atlas layer on one page ("Print current zoom
// level"): the printed tile size from the printer's resolution, the page and
// the scale value, the tiles that fit with the margins, and the preview scale.

namespace rovex::atlas {

struct PrintGeometry {
  int width = 0;        // W: the page's clip width minus 6
  int height = 0;       // H
  double tileWidth = 0;   // tw
  double tileHeight = 0;  // th, from the width as well
  int columns = 0;      // N
  int rows = 0;         // M
  int top = 0;          // t
  int left = 0;         // l
};

// clipWidth/clipHeight in printer pixels, px/py pixels per inch, scale 1..20
// (limited), margins in 1/600 inch.
PrintGeometry ComputePrintGeometry(int clipWidth, int clipHeight, double px, double py, int scale, int topMargin,
                                   int leftMargin);

struct PrintedTile {
  int column = 0;  // offset from the viewer's first column
  int row = 0;
  int x = 0;  // on the W x H picture
  int y = 0;
  int width = 0;
  int height = 0;
};

// The tiles printed, columns in order, each column's rows in order.
std::vector<PrintedTile> LayoutPrintTiles(const PrintGeometry& g);

// The scale value limited to 1 ... 20 (the "Drawing dimensions" box).
int ClampScale(long value);
// The preview's factor for a scale value: 0.352 x 1.1^value; above 20 is taken as 20.
double PreviewScaleFactor(int scale);
// The page scale of the preview normalised to A4: portrait by 2100 / paper
// width, landscape by 2970 / paper length (tenths of a millimetre).
double PreviewPageScale(bool portrait, int paperWidth, int paperLength);

}  // namespace rovex::atlas
