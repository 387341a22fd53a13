#include "trackeditor/editor_view.h"

#include <cmath>
#include <cstdio>

namespace rovex::trackeditor {

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kMetresPerDegreeLongitude = 111319.2;
constexpr double kMetresPerDegreeLatitude = 111248.4;
constexpr double kMinimumScale = 0.0001;

}  // namespace

ScreenPoint EditorView::Project(double latitude, double longitude) const {
  const double x = std::cos(latitude * kRadiansPerDegree) * (longitude - leftLongitude) * kMetresPerDegreeLongitude * scale;
  const double y = (topLatitude - latitude) * kMetresPerDegreeLatitude * scale;
  // Far-off points are held to a range that a pixel coordinate can take.
  auto pixel = [](double v) { return static_cast<int>(std::fmax(-1e8, std::fmin(1e8, std::isnan(v) ? 0.0 : v))); };
  return {pixel(x), pixel(y)};
}

void EditorView::ResetRange() {
  startMarker = {};
  endMarker = {};
  startIndex = -1;
  endIndex = 100;
  pointCount = 100;
}

void EditorView::Fit(double minLat, double maxLat, double minLon, double maxLon) {
  minLatitude = minLat;
  maxLatitude = maxLat;
  minLongitude = minLon;
  maxLongitude = maxLon;
  const double latSpan = maxLat - minLat;
  const double lonSpan = maxLon - minLon;
  leftLongitude = minLon - lonSpan / 10;
  topLatitude = maxLat + latSpan / 10;
  const double span = latSpan < lonSpan ? lonSpan : latSpan;
  scale = span > 0 ? 0.008 / span : 0.005;
  if (scale < kMinimumScale) scale = kMinimumScale;
}

bool EditorView::FitToVisible(const TrackEditor* map) {
  double minLat = 89.9, maxLat = -89.9, minLon = 179.9, maxLon = -179.9;
  bool any = false;
  if (map) {
    for (const TrackEntry& entry : map->TracksMem) {
      if (!entry.Visible()) continue;
      for (const TrackPoint& p : entry.points->points) {
        any = true;
        minLat = std::fmin(minLat, p.latitude);
        maxLat = std::fmax(maxLat, p.latitude);
        minLon = std::fmin(minLon, p.longitude);
        maxLon = std::fmax(maxLon, p.longitude);
      }
    }
  }
  // Without points the start values would give a negative span: the view stays where it is.
  if (!any) return false;
  Fit(minLat, maxLat, minLon, maxLon);
  return true;
}

void EditorView::FitToTrack(TrackPoints& edited) {
  double minLat = 89.9, maxLat = -89.9, minLon = 179.9, maxLon = -179.9;
  for (const TrackPoint& p : edited.points) {
    minLat = std::fmin(minLat, p.latitude);
    maxLat = std::fmax(maxLat, p.latitude);
    minLon = std::fmin(minLon, p.longitude);
    maxLon = std::fmax(maxLon, p.longitude);
  }
  edited.minLatitude = minLat;
  edited.maxLatitude = maxLat;
  edited.minLongitude = minLon;
  edited.maxLongitude = maxLon;
  pointCount = static_cast<double>(edited.points.size());
  startIndex = 0;
  endIndex = pointCount - 1;
  PlaceStartMarker(&edited);
  PlaceEndMarker(&edited);
  if (!edited.points.empty()) Fit(minLat, maxLat, minLon, maxLon);
}

void EditorView::ZoomOut() {
  scale *= 0.6;
  shading.divisor += 0.5;
}

void EditorView::ZoomIn() {
  scale *= 1.4;
  if (shading.divisor > 1) shading.divisor -= 0.5;
}

void EditorView::PanUp() {
  topLatitude += 1 / scale / 1000;
  if (shading.row > 299) shading.row -= 300;
}

void EditorView::PanDown() {
  topLatitude -= 1 / scale / 1000;
  shading.row += 300;
}

void EditorView::PanLeft() {
  leftLongitude -= 1 / scale / 1000;
  if (shading.column > 299) shading.column -= 300;
}

void EditorView::PanRight() {
  leftLongitude += 1 / scale / 1000;
  shading.column += 300;
}

std::optional<std::size_t> EditorView::PointFor(double index, std::size_t size) {
  if (!(index >= 0) || index > static_cast<double>(size)) return std::nullopt;
  const auto k = static_cast<std::size_t>(index);
  const std::size_t point = k == 0 ? 0 : k - 1;
  if (point >= size) return std::nullopt;
  return point;
}

void EditorView::PlaceStartMarker(const TrackPoints* edited) {
  if (!edited) return;
  if (auto p = PointFor(startIndex, edited->points.size())) startMarker = edited->points[*p];
}

void EditorView::PlaceEndMarker(const TrackPoints* edited) {
  if (!edited) return;
  if (auto p = PointFor(endIndex, edited->points.size())) endMarker = edited->points[*p];
}

bool EditorView::LeftDown(int x, int y, int width, int height, const TrackPoints* edited, std::string* message) {
  leftDown = {x, y};
  buttonDown = true;
  const int right = width;
  const int bottom = height;
  char text[80];
  if (y >= 86 && y < 106) return false;
  if (y >= 112 && y < 129) {
    const double count = pointCount;
    if (x >= 250 && x < 273) {
      startIndex = startIndex > 9 ? startIndex - 10 : 0;
    } else if (x >= 277 && x < 301) {
      if (startIndex > 0) startIndex -= 1;
    } else if (x >= 309 && x < 332) {
      if (startIndex < count) startIndex += 1;
    } else if (x >= 337 && x < 360) {
      startIndex = count - 9 <= startIndex ? count : startIndex + 10;
    } else if (x >= 400 && x < 422) {
      endIndex = endIndex > 9 ? endIndex - 10 : 0;
    } else if (x >= 427 && x < 451) {
      if (endIndex > 0) endIndex -= 1;
    } else if (x >= 458 && x < 482) {
      if (endIndex < count) endIndex += 1;
    } else if (x >= 486 && x < 508) {
      endIndex = count - 9 <= endIndex ? count : endIndex + 10;
    } else {
      std::snprintf(text, sizeof text, "Top button bar x %d, y %d", x, y);
      *message = text;
      return false;
    }
    if (x < 400) {
      PlaceStartMarker(edited);
    } else {
      PlaceEndMarker(edited);
    }
    return true;
  }
  if (y > bottom - 25 && y < bottom - 3) {
    if (x >= 5 && x < 28) {
      ZoomOut();
      return true;
    }
    if (x >= 33 && x < 58) {
      ZoomIn();
      return true;
    }
    std::snprintf(text, sizeof text, "Bottom button bar x %d, y %d", x, y);
    *message = text;
    return false;
  }
  if (y > bottom - 106 && y < bottom - 36) {
    if (x >= 7 && x < 34 && y < bottom - 90) {
      PanUp();
    } else if (x >= 7 && x < 34 && y > bottom - 90 && y < bottom - 76) {
      PanDown();
    } else if (x > 4 && x < 19 && y > bottom - 64 && y < bottom - 28) {
      PanLeft();
    } else if (x >= 22 && x < 35 && y > bottom - 64 && y < bottom - 28) {
      PanRight();
    } else {
      return false;
    }
    return true;
  }
  (void)right;
  return false;
}

void EditorView::LeftUp(int x, int y) {
  leftDown = {x, y};
  buttonDown = false;
}

void EditorView::RightDown(int x, int y) { rightDown = {x, y}; }

bool EditorView::RightUp(int x, int y) {
  const double dx = topLatitude > 0 ? rightDown.x - x : x - rightDown.x;
  leftLongitude += std::sin(topLatitude * kRadiansPerDegree) * 0.00001835 * dx / scale;
  topLatitude += (y - rightDown.y) * 0.000009 / scale;
  return true;
}

bool EditorView::DoubleClick(MouseButton button, int x, int y, int width, int height, const TrackPoints* edited) {
  const int right = width;
  const int bottom = height;
  const bool left = button == MouseButton::Left;
  if (y >= 86 && y < 106 && x > 93 && x < right - 103) {
    // The bar's width in the divisor: nothing to set on a client too narrow for the bar.
    const int span = left ? right - 197 : right - 200;
    if (pointCount <= 3 || span <= 0) return false;
    const double index = (x - 93) * pointCount / span;
    (left ? startIndex : endIndex) = index;
    return true;
  }
  if (y > 111 && y < 129) return false;
  if (y > bottom - 25 && y < (left ? bottom : bottom - 3)) return false;
  if (y > bottom - 106 && y < bottom - 36 && x < 38) return false;
  if (!edited || edited->points.empty()) return false;
  double best = 10000;
  std::optional<std::size_t> winner;
  for (std::size_t i = 0; i < edited->points.size(); ++i) {
    const ScreenPoint p = Project(edited->points[i].latitude, edited->points[i].longitude);
    const double d = std::hypot(double(p.x) - x, double(p.y) - (y - 129));
    if (d < best) {
      best = d;
      winner = i;
    }
  }
  if (!winner) return false;
  if (left) {
    startMarker = edited->points[*winner];
    startIndex = static_cast<double>(*winner);
  } else {
    endMarker = edited->points[*winner];
    endIndex = static_cast<double>(*winner);
  }
  return true;
}

}  // namespace rovex::trackeditor
