#include "system/atlas_feature.h"

#include "atlas/atlas_folder_model.h"
#include "atlas/atlas_print_model.h"
#include "atlas/atlas_zoom_model.h"
#include "atlas/make_pan_model.h"
#include "atlas/pan_maker.h"
#include "atlas/trekbuddy_keys.h"
#include "platform/canvas.h"
#include "platform/user_prompt.h"
#include "settings/registry_settings.h"
#include "system/accelerator_table.h"
#include "system/command_ids.h"
#include "system/system_context.h"
#include "system/view_host.h"
#include "system/view_mode.h"
#include "system/view_print_request.h"
#include "views/atlas_view.h"

namespace rovex {
namespace {

// Keys of the atlas that have no accelerator of their own: the main keyboard's plus and minus.
constexpr int kOemPlus = 0xBB;
constexpr int kOemMinus = 0xBD;

}  // namespace

AtlasFeature::AtlasFeature(SystemContext& context, std::function<void(int)> switchToMode)
    : m_context(context),
      m_switchToMode(std::move(switchToMode)),
      m_viewer(context.Registry(), context.GetServices().images) {}

bool AtlasFeature::InAtlas() const { return m_context.View().viewMode == kTrekbuddyMode; }

void AtlasFeature::LoadLayer() {
  m_viewer.LoadLayer();
  // The position shown in the toolbar is right from the first frame.
  m_viewer.ComputeTopLeft();
  m_viewer.positionChanged = false;
  m_tiles.Clear();
  // Said once per tile: the view goes on with 256-pixel tiles.
  const std::string& bad = m_viewer.UnreadableFirstTile();
  if (!bad.empty() && bad != m_reportedTile) {
    m_reportedTile = bad;
    if (UserPrompt* prompt = m_context.GetServices().prompt) {
      const size_t slash = bad.find_last_of('/');
      prompt->MessageBox(atlas::UnreadableTileText(slash == std::string::npos ? bad : bad.substr(slash + 1)),
                         MsgIcon::Stop, MsgButtons::Ok);
    }
  }
}

void AtlasFeature::Moved() { m_context.Host().Repaint(); }

void AtlasFeature::ShowLayer(int zoom) {
  m_context.Registry().WriteNumberSetting("AtlasZoom", static_cast<uint32_t>(zoom < 0 ? 0 : zoom));
  if (InAtlas()) {
    LoadLayer();
    m_context.Host().Repaint();
  } else {
    m_switchToMode(kTrekbuddyMode);
  }
}

void AtlasFeature::RegisterCommands(CommandRegistry& commands) {
  using namespace cmd;
  commands.Register(kAtlasFolder, [this] { FolderDialog(); });
  commands.Register(kAtlasZoomLevel, [this] { ZoomDialog(); });
  commands.Register(kAtlasMakePan, [this] { MakePan(); });
  commands.Register(kPrintAtlas, [this] { PrintAtlas(); });
  commands.Register(kPrintShortcutList, [this] {
    std::vector<atlas::KeyRow> rows = atlas::TrekbuddyKeyRows();
    m_context.Host().Run(rows);
  });
  commands.Register(kAtlasHome, [this] { m_viewer.Home(); Moved(); });
  commands.Register(kAtlasInsert, [this] { m_viewer.Insert(); Moved(); });
  commands.Register(kAtlasEnd, [this] { m_viewer.End(); Moved(); });
  commands.Register(kAtlasPageUp, [this] { m_viewer.PageUp(m_viewer.clientHeight); Moved(); });
  commands.Register(kAtlasPageDown, [this] { m_viewer.PageDown(m_viewer.clientHeight); Moved(); });
  commands.Register(kFilePrint, [this] { PrintView(0); });
  commands.Register(kFilePrintPreview, [this] { PrintView(1); });
  commands.Register(kFilePrintSetup, [this] { PrintView(2); });
}

bool AtlasFeature::OnKeyDown(int key) {
  if (!InAtlas()) return false;
  switch (key) {
    case vk::kLeft: m_viewer.Left(); break;
    case vk::kUp: m_viewer.Up(); break;
    case vk::kRight: m_viewer.Right(); break;
    case vk::kDown: m_viewer.Down(); break;
    case kOemPlus:
    case vk::kAdd:
    case vk::F(4): Zoom(true); return true;
    case kOemMinus:
    case vk::kSubtract:
    case vk::F(3): Zoom(false); return true;
    case vk::kEscape:
      // Esc also stops a running replay: the accelerator still sees it.
      if (m_viewer.overview) {
        m_viewer.overview = false;
        Moved();
      }
      return false;
    default: return false;
  }
  Moved();
  return true;
}

void AtlasFeature::Zoom(bool in) {
  m_viewer.ZoomStep(in);
  LayerChanged();
  m_context.Host().Repaint();
}

void AtlasFeature::LayerChanged() {
  m_tiles.Clear();
  const std::string& map = m_viewer.Layer().MapFile();
  if (!map.empty()) m_context.Host().SetTitle("ROVEX Trekbuddy " + map.substr(map.find_last_of('/') + 1));
}

bool AtlasFeature::OnMouse(const MouseEvent& e) {
  if (!InAtlas()) return false;
  switch (e.action) {
    case MouseAction::Wheel:
      if (e.wheelDelta != 0) Zoom(e.wheelDelta > 0);
      return true;
    case MouseAction::RightDown:
      m_rightDownX = e.x;
      m_rightDownY = e.y;
      return true;
    case MouseAction::RightUp:
      m_viewer.Drag(m_rightDownX, m_rightDownY, e.x, e.y);
      Moved();
      return true;
    case MouseAction::LeftUp:
    case MouseAction::RightDoubleClick:
      return true;
    // The second press of a double click is a press like the first.
    case MouseAction::LeftDown:
    case MouseAction::LeftDoubleClick:
      break;
  }
  if (e.y < 32) {
    switch (atlas::HitToolbar(e.x)) {
      case atlas::ToolbarHit::ZoomDialog: ZoomDialog(); return true;
      case atlas::ToolbarHit::ZoomIn: Zoom(true); return true;
      case atlas::ToolbarHit::ZoomOut: Zoom(false); return true;
      case atlas::ToolbarHit::Overview: m_viewer.overview = true; break;
      case atlas::ToolbarHit::Left: m_viewer.Left(); break;
      case atlas::ToolbarHit::Up: m_viewer.Up(); break;
      case atlas::ToolbarHit::Down: m_viewer.Down(); break;
      case atlas::ToolbarHit::Right: m_viewer.Right(); break;
      case atlas::ToolbarHit::None: return true;
    }
    Moved();
    return true;
  }
  if (e.y > 32 && m_viewer.overview) {
    m_viewer.OverviewClick(e.x, e.y);
    Moved();
  }
  return true;
}

void AtlasFeature::OnViewResized(int width, int height, bool minimised) {
  if (!InAtlas()) return;
  if (minimised) {
    m_viewer.ResetView();
    return;
  }
  m_viewer.clientWidth = width;
  m_viewer.clientHeight = height;
  m_context.Host().Repaint();
}

void AtlasFeature::OnModeStep(ModeStep step, const ModeSwitch& change) {
  if (step == ModeStep::ResetAtlasView) m_viewer.ResetView();
  if (step == ModeStep::Enter && change.to == kTrekbuddyMode) LoadLayer();
}

bool AtlasFeature::DrawMode(int mode, Canvas& canvas, const DrawState& state) {
  if (mode != kTrekbuddyMode) return false;
  atlas_view::AtlasViewData data;
  data.viewer = &m_viewer;
  data.tiles = &m_tiles;
  data.images = state.bitmaps;
  data.fix = &state.fix;
  // Drawn off-screen and copied in one step, so the window never shows half a frame.
  std::unique_ptr<Canvas> surface =
      state.bitmaps ? state.bitmaps->CreateCanvas(canvas.Width(), canvas.Height()) : nullptr;
  if (!surface) {
    atlas_view::DrawAtlasView(canvas, data);
    return true;
  }
  atlas_view::DrawAtlasView(*surface, data);
  canvas.CopyFrom(*surface, 0, 0);
  return true;
}

void AtlasFeature::FolderDialog() {
  atlas::AtlasFolderModel model(m_context.Registry());
  if (m_context.Host().Run(model)) {
    model.Ok();
    if (model.applyAndView && !InAtlas()) {
      m_switchToMode(kTrekbuddyMode);
      return;
    }
    LoadLayer();
  }
  m_context.Host().Repaint();
}

void AtlasFeature::ZoomDialog() {
  atlas::AtlasZoomModel model(m_context.Registry());
  if (!m_context.Host().Run(model)) return;
  if (m_viewer.positionChanged) m_viewer.ComputeTopLeft();
  const bool found = m_viewer.ZoomTo(model.level);
  LayerChanged();
  if (!found) {
    if (UserPrompt* prompt = m_context.GetServices().prompt) {
      prompt->MessageBox("Unable to find a folder at the selected Atlas zoom level " + std::to_string(model.level) +
                             ".\n\nCheck a folder exists in the atlas with that zoom level\nand that the Default "
                             "atlas folder is set to the folder\nthat contains the zoom level folders.\n",
                         MsgIcon::Stop, MsgButtons::Ok);
    }
  }
  m_context.Host().Repaint();
}

void AtlasFeature::MakePan() {
  if (m_viewer.Layer().Empty()) LoadLayer();
  atlas::MakePanModel model(m_viewer.Layer().Folder(), m_context.GetServices().canvas,
                            m_context.GetServices().images);
  m_context.Host().Run(model);
  m_tiles.Clear();  // a new pan.jpg is read afresh
  m_context.Host().Invalidate();
}

atlas::AtlasPrintModel AtlasFeature::PrintModel() {
  if (m_viewer.Layer().Empty()) LoadLayer();
  atlas::AtlasPrintModel model;
  model.tileWidth = m_viewer.tileWidth;
  model.tileHeight = m_viewer.tileHeight;
  model.layerFolder = m_viewer.Layer().Folder();
  model.firstColumn = m_viewer.firstColumn;
  model.firstRow = m_viewer.firstRow;
  model.columnCount = m_viewer.Columns();
  model.rowCount = m_viewer.Rows();
  model.factory = m_context.GetServices().canvas;
  return model;
}

void AtlasFeature::PrintAtlas() {
  atlas::AtlasPrintModel model = PrintModel();
  m_context.Host().Run(model);
  m_context.Host().Invalidate();
}

bool AtlasFeature::PrintAtlasToPdf(const std::string& pdfFile) {
  atlas::AtlasPrintModel model = PrintModel();
  model.pdfFile = pdfFile;
  return m_context.Host().Run(model);
}

void AtlasFeature::PrintView(int action) {
  ViewPrintRequest request;
  request.action = static_cast<ViewPrintAction>(action);
  request.mode = m_context.View().viewMode;
  m_context.Host().Run(request);
}

}  // namespace rovex
