#pragma once

#include <functional>
#include <string>

#include "atlas/atlas_layer.h"
#include "atlas/paper_table.h"
#include "atlas/print_layout.h"

// The rules of "Print Trekbuddy map" (`CPrintDlg`): the viewer's layer and
// position given before it opens, the paper, orientation, scale and margins
// chosen, and the page drawn from them. The printer itself is the window's.

namespace rovex {
class Canvas;
class CanvasFactory;
}  // namespace rovex

namespace rovex::atlas {

struct AtlasPrintModel {
  // Given by the viewer.
  int tileWidth = 256;
  int tileHeight = 256;
  std::string layerFolder;
  int firstColumn = 0;
  int firstRow = 0;
  int columnCount = 0;
  int rowCount = 0;
  CanvasFactory* factory = nullptr;

  // Chosen in the dialog.
  int paperRow = kA4PaperCode;  // row of the paper table (1-based); the A4 row at first
  bool landscape = true;
  bool customPaper = false;
  int customWidthMm = 210;
  int customHeightMm = 297;
  int scale = 5;
  int topMargin = 0;   // 1/600 inch
  int leftMargin = 0;
  // When set, the page goes to this PDF file without asking (the command line).
  std::string pdfFile;

  // The paper in tenths of a millimetre as chosen (custom sizes x 10), before orientation.
  void PaperSize(int* width, int* length) const;
  // "Drawing dimensions" + "Apply": the scale limited to 1 ... 20.
  void ApplyDrawingDimensions(long value) { scale = ClampScale(value); }
  // The preview's factor: the page normalised to A4 times the scale's table value.
  double PreviewFactor() const;

  // Draws the tiles on a white W x H picture; progress(i, N) at each column.
  // Returns the number of tiles drawn.
  int DrawPage(Canvas& picture, const PrintGeometry& g, const std::function<void(int, int)>& progress = nullptr) const;
};

}  // namespace rovex::atlas
