#include "views/atlas_view.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "atlas/tile_cache.h"
#include "atlas/trekbuddy.h"
#include "platform/canvas.h"

namespace rovex::atlas_view {
namespace {

constexpr Rgb kButtonFace{0, 70, 160};
constexpr Rgb kCarRed{220, 0, 0};

void Lines(Canvas& canvas, const char* const* lines, int count) {
  canvas.SelectFont(Font{"Times New Roman", 32, 400});
  canvas.SetTextColour(kBlack);
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  for (int i = 0; i < count; ++i) canvas.TextOut(5, 100 + 50 * i, lines[i]);
}

// One toolbar button: a blue face with a white arrow, or a label.
void Button(Canvas& canvas, int x, int width, const char* label, int arrow) {
  canvas.SelectPen(Pen{kWhite});
  canvas.SelectBrush(Brush{kButtonFace});
  canvas.Rectangle(x, 0, x + width, 32);
  canvas.SelectBrush(Brush{kWhite});
  const int cx = x + width / 2;
  switch (arrow) {
    case 1: canvas.Polygon({{cx + 8, 8}, {cx + 8, 24}, {cx - 8, 16}}); return;   // left
    case 2: canvas.Polygon({{cx - 8, 24}, {cx + 8, 24}, {cx, 8}}); return;       // up
    case 3: canvas.Polygon({{cx - 8, 8}, {cx + 8, 8}, {cx, 24}}); return;        // down
    case 4: canvas.Polygon({{cx - 8, 8}, {cx - 8, 24}, {cx + 8, 16}}); return;   // right
    default: break;
  }
  canvas.SelectFont(Font{"Times New Roman", 18, 700});
  canvas.SetTextColour(kWhite);
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  const TextExtent e = canvas.MeasureText(label);
  canvas.TextOut(cx - e.width / 2, 16 - e.height / 2, label);
}

void Toolbar(Canvas& canvas, const atlas::CTrekbuddy& v, int dpi) {
  canvas.FillRect(0, 0, canvas.Width(), kToolbarHeight, kBlack);
  Button(canvas, 0, 78, "Zoom", 0);
  Button(canvas, 130, 30, "+", 0);
  Button(canvas, 164, 30, "-", 0);
  Button(canvas, 220, 52, "Pan", 0);
  Button(canvas, 278, 30, "", 1);
  Button(canvas, 310, 30, "", 2);
  Button(canvas, 342, 30, "", 3);
  Button(canvas, 374, 30, "", 4);
  canvas.SelectFont(Font{"Times New Roman", dpi / 3, 400});
  canvas.SetTextColour(kWhite);
  canvas.SetBackgroundColour(kBlack);
  canvas.SetBackgroundMode(BackgroundMode::Opaque);
  canvas.TextOut(80, 0, std::to_string(v.zoom));
  char text[160];
  std::snprintf(text, sizeof text, "Tile  X %d, Y %d, %f   %f", v.firstColumn, v.firstRow, v.topLatitude,
                v.leftLongitude);
  canvas.SelectFont(Font{"Times New Roman", dpi / 6, 400});
  canvas.TextOut(410, 8, text);
}

void Overview(Canvas& canvas, AtlasViewData& d) {
  atlas::CTrekbuddy& v = *d.viewer;
  const CanvasImage* pan = d.images ? d.tiles->Get(*d.images, v.Layer().PanPath()) : nullptr;
  if (!pan || pan->Width() <= 0 || pan->Height() <= 0) {
    static const char* const kLines[] = {"There is no pan.jpg file for this zoom level.", "You can create one by using the",
                                         "Trekbuddy menu and Make pan files."};
    Lines(canvas, kLines, 3);
    return;
  }
  v.overviewWidth = pan->Width();
  v.overviewHeight = pan->Height();
  const int cw = canvas.Width();
  const int ch = canvas.Height() - kToolbarHeight;
  // Scaled to fit with its proportions kept.
  if (static_cast<double>(cw) / ch > static_cast<double>(pan->Width()) / pan->Height()) {
    v.drawnHeight = ch;
    v.drawnWidth = static_cast<int>(static_cast<double>(pan->Width()) * ch / pan->Height());
  } else {
    v.drawnWidth = cw;
    v.drawnHeight = static_cast<int>(static_cast<double>(pan->Height()) * cw / pan->Width());
  }
  canvas.DrawImageScaled(*pan, 0, kToolbarHeight, v.drawnWidth, v.drawnHeight);
  canvas.SelectFont(Font{"Times New Roman", 20, 700});
  canvas.SetTextColour(kBlack);
  canvas.SetBackgroundColour(kWhite);
  canvas.SetBackgroundMode(BackgroundMode::Opaque);
  canvas.TextOut(5, kToolbarHeight + 4, "Reposition the map by clicking on the place you want or press Esc to cancel");
}

void Car(Canvas& canvas, const AtlasViewData& d) {
  double x = 0, y = 0;
  if (!d.fix || !d.viewer->FixToView(d.fix->latitude, d.fix->longitude, &x, &y)) return;
  const int cx = static_cast<int>(std::lround(x));
  const int cy = static_cast<int>(std::lround(y));
  if (cx < 0 || cx >= canvas.Width() || cy < kToolbarHeight || cy >= canvas.Height()) return;
  canvas.SelectPen(Pen{kWhite, 2});
  canvas.SelectBrush(Brush{kCarRed});
  canvas.Ellipse(cx - 8, cy - 8, cx + 9, cy + 9);
}

}  // namespace

int DrawAtlasView(Canvas& canvas, AtlasViewData& d) {
  atlas::CTrekbuddy& v = *d.viewer;
  v.clientWidth = canvas.Width();
  v.clientHeight = canvas.Height();
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height(), kWhite);
  if (v.overview) {
    Toolbar(canvas, v, d.logicalDpi);
    Overview(canvas, d);
    return 0;
  }
  v.RetryLayer();
  Toolbar(canvas, v, d.logicalDpi);
  if (v.Layer().Empty()) {
    static const char* const kLines[] = {"Unable to find a tile folder for this zoom level.",
                                         "Check that the default Trekbuddy atlas folder",
                                         "is set to the correct folder and that there is ",
                                         "a subfolder for the current zoom level. "};
    Lines(canvas, kLines, 4);
    return 0;
  }
  int drawn = 0;
  for (int c = 0; c <= 7 && c * v.tileWidth <= canvas.Width(); ++c) {
    for (int r = 0; r <= 5 && r * v.tileHeight + kToolbarHeight <= canvas.Height(); ++r) {
      const long x = static_cast<long>(v.firstColumn + c) * v.tileWidth;
      const long y = static_cast<long>(v.firstRow + r) * v.tileHeight;
      const std::string path = v.Layer().TilePath(x, y);
      if (path.empty() || !d.images) continue;
      const CanvasImage* tile = d.tiles->Get(*d.images, path);
      if (!tile) continue;
      canvas.DrawImage(*tile, c * v.tileWidth, r * v.tileHeight + kToolbarHeight);
      ++drawn;
    }
  }
  if (drawn == 0) {
    v.NoTileDrawn();
    static const char* const kLines[] = {"No image tiles were found for this zoom level.",
                                         "Check that the default Trekbuddy atlas folder",
                                         "is set to the correct folder and that there is ",
                                         "a subfolder for the current zoom level. ",
                                         "Check that the x and y pan values are",
                                         "not outside of the map area.",
                                         "Note: the x and y pan values will now be reset."};
    Lines(canvas, kLines, 7);
    return 0;
  }
  Car(canvas, d);
  return drawn;
}

}  // namespace rovex::atlas_view
