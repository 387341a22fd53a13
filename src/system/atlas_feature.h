#pragma once

#include <functional>
#include <memory>
#include <string>

#include "atlas/tile_cache.h"
#include "atlas/trekbuddy.h"
#include "system/feature.h"

// The Trekbuddy atlas in the running system: the viewer (`CTrekbuddy`), its
// menu, keys, mouse and dialogs, the atlas view (mode 7) with the car on it,
// pan pictures, printing of the current layer, and File Print for the views.

namespace rovex {

class SystemContext;

namespace atlas {
struct AtlasPrintModel;
}

class AtlasFeature final : public Feature {
 public:
  // switchToMode enters a view mode as its own command does ("Apply and view map").
  AtlasFeature(SystemContext& context, std::function<void(int)> switchToMode);

  atlas::CTrekbuddy& Viewer() { return m_viewer; }
  // The print dialog's model for the current layer and position.
  atlas::AtlasPrintModel PrintModel();
  // Prints the current layer to a PDF file as "Print current zoom level" would; false when it failed.
  bool PrintAtlasToPdf(const std::string& pdfFile);
  // Enters the atlas with the layer of that zoom level (the command line's --layer).
  void ShowLayer(int zoom);

  void RegisterCommands(CommandRegistry& commands) override;
  bool OnKeyDown(int key) override;
  bool OnMouse(const MouseEvent& event) override;
  void OnViewResized(int width, int height, bool minimised) override;
  void OnModeStep(ModeStep step, const ModeSwitch& change) override;
  bool DrawMode(int mode, Canvas& canvas, const DrawState& state) override;

 private:
  bool InAtlas() const;
  void LoadLayer();
  void Moved();
  void Zoom(bool in);
  // After a zoom change: the tiles are read afresh and the title names the layer's calibration file.
  void LayerChanged();
  void FolderDialog();
  void ZoomDialog();
  void MakePan();
  void PrintAtlas();
  void PrintView(int action);

  SystemContext& m_context;
  std::function<void(int)> m_switchToMode;
  atlas::CTrekbuddy m_viewer;
  atlas::TileCache m_tiles;
  std::string m_reportedTile;
  int m_rightDownX = 0;
  int m_rightDownY = 0;
};

}  // namespace rovex
