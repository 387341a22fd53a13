#include "atlas/trekbuddy.h"

#include <cmath>

#include "platform/image_loader.h"
#include "settings/registry_settings.h"

namespace rovex::atlas {
namespace {

int LimitToCount(int value, int count) {
  if (value > count) value = count - 3;
  return value < 0 ? 0 : value;
}

}  // namespace

ToolbarHit HitToolbar(int x) {
  struct Range {
    int low, high;
    ToolbarHit hit;
  };
  static const Range kRanges[] = {{1, 78, ToolbarHit::ZoomDialog}, {126, 158, ToolbarHit::ZoomIn},
                                  {159, 192, ToolbarHit::ZoomOut},  {218, 271, ToolbarHit::Overview},
                                  {278, 310, ToolbarHit::Left},     {310, 342, ToolbarHit::Up},
                                  {342, 374, ToolbarHit::Down},     {374, 406, ToolbarHit::Right}};
  for (const Range& r : kRanges) {
    if (x > r.low && x < r.high) return r.hit;
  }
  return ToolbarHit::None;
}

CTrekbuddy::CTrekbuddy(RegistrySettings& settings, ImageLoader* images) : m_settings(settings), m_images(images) {}

void CTrekbuddy::LoadLayer() {
  const long stored = static_cast<int32_t>(m_settings.ReadNumberSetting("AtlasZoom"));
  zoom = stored < 0 ? 0 : static_cast<int>(stored);
  m_layer = AtlasLayer(FindLayerFolder(m_settings.ReadTextSetting("AtlasFolder"), zoom));
  ReadTileSize();
  m_columns = m_layer.CountColumns(tileWidth);
  m_rows = m_layer.CountRows(tileHeight);
  if (!m_layer.MapFile().empty()) ReadAtlasMapFile(m_layer.MapFile(), &calibration);
}

void CTrekbuddy::ReadTileSize() {
  m_unreadableTile.clear();
  tileWidth = 256;
  tileHeight = 256;
  depth = 24;
  const std::string path = m_layer.FirstTilePath();
  if (path.empty()) return;
  std::optional<ImageInfo> info = m_images ? m_images->ReadInfo(path) : std::nullopt;
  // A tile that cannot be read must not leave a zero size that later divides.
  if (!info || info->width <= 0 || info->height <= 0) {
    m_unreadableTile = path;
    return;
  }
  tileWidth = info->width;
  tileHeight = info->height;
  depth = info->depth > 0 ? info->depth : 24;
}

void CTrekbuddy::RetryLayer() {
  if (!m_layer.Empty()) return;
  firstColumn = 0;
  firstRow = 0;
  LoadLayer();
}

void CTrekbuddy::Limit() {
  firstColumn = LimitToCount(firstColumn, m_columns);
  firstRow = LimitToCount(firstRow, m_rows);
}

void CTrekbuddy::Home() {
  firstColumn = m_columns / 2 - 1;
  firstRow = m_rows / 2 - 1;
  Limit();
  positionChanged = true;
}

void CTrekbuddy::Insert() {
  firstColumn = 0;
  firstRow = 0;
  positionChanged = true;
}

void CTrekbuddy::End() {
  firstColumn = m_columns - 3;
  firstRow = m_rows - 3;
  Limit();
  positionChanged = true;
}

void CTrekbuddy::PageUp(int height) {
  if (tileWidth > 0) firstRow -= height / tileWidth;
  Limit();
  positionChanged = true;
}

void CTrekbuddy::PageDown(int height) {
  if (tileWidth > 0) firstRow += height / tileWidth;
  Limit();
  positionChanged = true;
}

void CTrekbuddy::Left() {
  if (firstColumn > 0) --firstColumn;
  positionChanged = true;
}

void CTrekbuddy::Up() {
  if (firstRow > 0) --firstRow;
  positionChanged = true;
}

void CTrekbuddy::Right() {
  ++firstColumn;
  positionChanged = true;
}

void CTrekbuddy::Down() {
  ++firstRow;
  positionChanged = true;
}

void CTrekbuddy::Drag(int downX, int downY, int upX, int upY) {
  if (tileWidth <= 0 || tileHeight <= 0) return;
  const int dx = downX - upX;
  const int dy = downY - upY;
  firstColumn += (tileWidth / 2 + dx) / tileWidth;
  firstRow += (tileHeight / 2 + dy) / tileHeight;
  if (firstColumn < 0) firstColumn = 0;
  if (firstRow < 0) firstRow = 0;
  positionChanged = true;
}

void CTrekbuddy::OverviewClick(int x, int y) {
  y -= 32;
  const int width = drawnWidth > 0 ? drawnWidth : (clientWidth > 0 ? clientWidth : 600);
  const int height = drawnHeight > 0 ? drawnHeight : (clientHeight > 0 ? clientHeight : 600);
  const long px = x >= width ? overviewWidth : static_cast<long>(static_cast<double>(overviewWidth) * x / width);
  const long py = y >= height ? overviewHeight : static_cast<long>(static_cast<double>(overviewHeight) * y / height);
  firstColumn = static_cast<int>(px / 80);
  firstRow = static_cast<int>(py / 80);
  if (firstColumn < 0) firstColumn = 0;
  if (firstRow < 0) firstRow = 0;
  overview = false;
  ComputeTopLeft();
}

void CTrekbuddy::ComputeTopLeft() {
  if (m_columns < 1 || m_rows < 1) return;
  const AtlasCalibration& c = calibration;
  topLatitude = c.lat[3] + static_cast<float>(m_rows - firstRow) / m_rows * (c.lat[0] - c.lat[3]);
  leftLongitude = c.lon[0] + static_cast<float>(firstColumn) / m_columns * (c.lon[1] - c.lon[0]);
}

void CTrekbuddy::ChangeLevel(int level) {
  const int savedColumn = firstColumn;
  const int savedRow = firstRow;
  const int savedColumns = m_columns < 1 ? 20 : m_columns;
  const int savedRows = m_rows < 1 ? 20 : m_rows;
  const AtlasCalibration old = calibration;

  zoom = level < 0 ? 0 : level;
  m_settings.WriteNumberSetting("AtlasZoom", static_cast<uint32_t>(zoom));
  LoadLayer();

  // Keep the same place with the previous layer's calibration.
  double lonSpan = old.lon[1] - old.lon[0];
  double latSpan = old.lat[0] - old.lat[3];
  if (lonSpan == 0) lonSpan = 51;
  if (latSpan == 0) latSpan = 51;
  const double left = old.lon[0] + lonSpan / savedColumns * savedColumn;
  const double top = old.lat[3] + latSpan / savedRows * (savedRows - savedRow);
  // Truncated, with a margin for the rounding of the 32-bit calibration: column 1 of 5 is column 2 of 10.
  constexpr double kRounding = 1e-6;
  firstColumn = static_cast<int>(std::floor((left - old.lon[0]) / lonSpan * m_columns + kRounding));
  firstRow = static_cast<int>(std::floor(m_rows - (top - old.lat[3]) / latSpan * m_rows + kRounding));
  if (firstColumn < 0) firstColumn = 0;
  if (firstRow < 0) firstRow = 0;
}

void CTrekbuddy::ZoomStep(bool in) {
  if (positionChanged) {
    ComputeTopLeft();
    positionChanged = false;
  }
  if (!in && zoom <= 0) return;
  ChangeLevel(in ? zoom + 1 : zoom - 1);
}

bool CTrekbuddy::ZoomTo(int level) {
  ChangeLevel(level);
  ComputeTopLeft();
  return !m_layer.Empty();
}

bool CTrekbuddy::FixToView(double latitude, double longitude, double* x, double* y) const {
  const AtlasCalibration& c = calibration;
  const double lonSpan = c.lon[1] - c.lon[0];
  const double latSpan = c.lat[0] - c.lat[3];
  if (latitude == 0.0 || longitude == 0.0 || lonSpan == 0 || latSpan == 0 || m_columns < 1 || m_rows < 1) return false;
  const double layerX = (longitude - c.lon[0]) / lonSpan * m_columns * tileWidth;
  const double layerY = (c.lat[0] - latitude) / latSpan * m_rows * tileHeight;
  *x = layerX - static_cast<double>(firstColumn) * tileWidth;
  *y = layerY - static_cast<double>(firstRow) * tileHeight + 33;
  return true;
}

void CTrekbuddy::NoTileDrawn() {
  if (firstColumn > m_columns) firstColumn = m_columns - 3;
  if (firstColumn < 0) firstColumn = 0;
  if (firstRow > m_rows) firstRow = m_rows - 3;
  if (firstRow < 0) firstRow = 0;
  positionChanged = true;
}

}  // namespace rovex::atlas
