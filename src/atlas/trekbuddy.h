#pragma once

#include <string>

#include "atlas/atlas_calibration.h"
#include "atlas/atlas_layer.h"

// `CTrekbuddy`: the atlas viewer's state (the layer shown, its tile size and
// counts, the calibration, the first column and row shown, overview mode)
// and the rules that move it: keys, toolbar, drags, overview clicks and zoom
// changes. Drawing is the atlas view's; settings are read through the
// callbacks so the rules stay testable.

namespace rovex {
class ImageLoader;
class RegistrySettings;
}  // namespace rovex

namespace rovex::atlas {

// Where the toolbar of the atlas view sends a left click (y < 32).
enum class ToolbarHit { None, ZoomDialog, ZoomIn, ZoomOut, Overview, Left, Up, Down, Right };
ToolbarHit HitToolbar(int x);

class CTrekbuddy {
 public:
  CTrekbuddy(RegistrySettings& settings, ImageLoader* images);

  // Reads `AtlasFolder` and `AtlasZoom`, finds and indexes the layer, reads
  // its tile size, counts and calibration (a missing ".map" keeps the calibration).
  void LoadLayer();
  const AtlasLayer& Layer() const { return m_layer; }
  // The first tile when it exists but could not be read (tile size 256 taken); else empty.
  const std::string& UnreadableFirstTile() const { return m_unreadableTile; }

  int Columns() const { return m_columns; }
  int Rows() const { return m_rows; }

  // Keys. Home, End and the page keys limit the result to the layer.
  void Home();
  void Insert();
  void End();
  void PageUp(int clientHeight);
  void PageDown(int clientHeight);
  void Left();
  void Up();
  void Right();
  void Down();
  // Right-button drag from down to up.
  void Drag(int downX, int downY, int upX, int upY);
  // A click at (x, y) below the toolbar while the overview is shown.
  void OverviewClick(int x, int y);

  // Zoom steps (+, -, wheel, toolbar) and the dialog's level; false when the
  // dialog's level has no layer (the caller shows the message).
  void ZoomStep(bool in);
  bool ZoomTo(int level);

  // The geographic position of the top-left of the first tile shown.
  void ComputeTopLeft();
  // Leaving or resizing away the view: overview mode ends.
  void ResetView() { overview = false; }

  // Where a fix lies in the view's pixels (toolbar height included); false
  // without a calibration or tile size.
  bool FixToView(double latitude, double longitude, double* x, double* y) const;

  // Before drawing tiles: the layer is looked for again while none was found.
  void RetryLayer();
  // After a frame in which no tile was drawn: pull the position back into the layer.
  void NoTileDrawn();

  int firstColumn = 0;
  int firstRow = 0;
  int tileWidth = 256;
  int tileHeight = 256;
  int depth = 24;
  int zoom = 0;
  bool overview = false;
  int overviewWidth = 0;
  int overviewHeight = 0;
  int drawnWidth = 0;
  int drawnHeight = 0;
  AtlasCalibration calibration;
  float topLatitude = 0;
  float leftLongitude = 0;
  bool positionChanged = false;
  int clientWidth = 800;
  int clientHeight = 600;

 private:
  void Limit();
  void ReadTileSize();
  void ChangeLevel(int level);

  RegistrySettings& m_settings;
  ImageLoader* m_images;
  AtlasLayer m_layer;
  std::string m_unreadableTile;
  int m_columns = 0;
  int m_rows = 0;
};

}  // namespace rovex::atlas
