#include "views/track_editor_background.h"

#include <string>
#include <vector>

#include "trackeditor/node_labels.h"

namespace rovex::track_editor_view {

namespace {

using trackeditor::kHeightTileSide;
using trackeditor::kMapTop;
using trackeditor::ScreenPoint;
using trackeditor::TrackEntry;
using trackeditor::TrackPoint;

enum class Shape { Square, Circle, Diamond };

struct IconLook {
  int picture;
  Shape shape;
  Rgb fill;
  const char* label;
};

constexpr Rgb kAmenity{30, 80, 200};
constexpr Rgb kLeisure{30, 150, 60};
constexpr Rgb kSport{230, 120, 20};
constexpr Rgb kRail{60, 60, 60};
constexpr Rgb kWater{0, 150, 230};
constexpr Rgb kHistoric{140, 90, 40};
constexpr Rgb kAerial{120, 120, 150};

// Letters on a badge whose shape and colour tell the group; the few pictures
// that read better as drawings are drawn in DrawPictogram.
const IconLook kLooks[] = {
    {1, Shape::Square, kAmenity, "P"},      {2, Shape::Square, kAmenity, "WC"},
    {3, Shape::Square, kAmenity, "Sc"},     {4, Shape::Square, kAmenity, "Fn"},
    {5, Shape::Square, kAmenity, ""},       {6, Shape::Square, kAmenity, "PB"},
    {7, Shape::Square, kAmenity, "Bg"},     {8, Shape::Square, kAmenity, "TH"},
    {9, Shape::Square, {200, 30, 30}, "H"}, {10, Shape::Square, kAmenity, "GY"},
    {11, Shape::Square, kAmenity, "U"},     {12, Shape::Square, kAmenity, "R"},
    {13, Shape::Square, kAmenity, "FF"},    {14, Shape::Square, kAmenity, "SG"},
    {15, Shape::Square, kAmenity, "PO"},    {16, Shape::Square, kAmenity, "F"},
    {17, Shape::Square, kAmenity, "T"},     {18, Shape::Square, kAmenity, "Pb"},
    {1000, Shape::Circle, kLeisure, "G"},   {1001, Shape::Square, kLeisure, "PG"},
    {1002, Shape::Square, kLeisure, "St"},  {1003, Shape::Square, kLeisure, "M"},
    {1004, Shape::Square, kLeisure, "Fi"},  {1100, Shape::Circle, kSport, "10"},
    {1101, Shape::Circle, kSport, "At"},    {1102, Shape::Circle, kSport, "Bb"},
    {1103, Shape::Circle, kSport, "Bw"},    {1104, Shape::Circle, kSport, "Bo"},
    {1105, Shape::Circle, kSport, "Fb"},    {1107, Shape::Circle, kSport, "IS"},
    {1108, Shape::Circle, kSport, "Sw"},    {1109, Shape::Circle, kSport, "Ro"},
    {1110, Shape::Circle, kSport, "Ru"},    {1111, Shape::Circle, kSport, "Sb"},
    {1112, Shape::Circle, kSport, "Sk"},    {1113, Shape::Circle, kSport, "Sq"},
    {1115, Shape::Circle, kSport, "Te"},    {1200, Shape::Square, kRail, "S"},
    {1201, Shape::Diamond, kWhite, ""},     {1300, Shape::Square, kWhite, ""},
    {1400, Shape::Diamond, kWater, "L"},    {1401, Shape::Diamond, kWater, "W"},
    {1500, Shape::Square, kHistoric, "Me"}, {1501, Shape::Square, kHistoric, ""},
    {1502, Shape::Square, kHistoric, "Mo"}, {1503, Shape::Square, kHistoric, "Ft"},
    {1505, Shape::Square, kHistoric, "We"}, {1506, Shape::Square, kHistoric, "Bd"},
    {1507, Shape::Square, kHistoric, "Sa"}, {1508, Shape::Square, kHistoric, "Wm"},
    {1510, Shape::Square, kHistoric, "Ru"}, {1511, Shape::Square, kHistoric, "Mu"},
    {1512, Shape::Square, kHistoric, "Ho"}, {1513, Shape::Square, kHistoric, "Pr"},
    {1514, Shape::Square, kHistoric, "FW"}, {1515, Shape::Square, kAerial, "CL"},
    {1516, Shape::Square, kAerial, "CC"},   {1517, Shape::Square, kAerial, "Go"},
    {1518, Shape::Square, kAerial, "DL"},
};

const IconLook* LookOf(int picture) {
  for (const IconLook& look : kLooks) {
    if (look.picture == picture) return &look;
  }
  return nullptr;
}

void Badge(Canvas& canvas, const IconLook& look, int x, int y, int side, int scale) {
  canvas.SelectPen(Pen{kBlack, scale});
  canvas.SelectBrush(Brush{look.fill});
  switch (look.shape) {
    case Shape::Square: canvas.Rectangle(x, y, x + side, y + side); break;
    case Shape::Circle: canvas.Ellipse(x, y, x + side, y + side); break;
    case Shape::Diamond:
      canvas.Polygon({{x + side / 2, y}, {x + side - 1, y + side / 2}, {x + side / 2, y + side - 1}, {x, y + side / 2}});
      break;
  }
}

// The pictures drawn rather than lettered: a church cross, the railway
// crossing's X, a speed camera and a castle's battlements.
void DrawPictogram(Canvas& canvas, int picture, int x, int y, int side, int scale) {
  const int s = scale;
  switch (picture) {
    case 5:
      canvas.FillRect(x + 7 * s, y + 2 * s, x + 9 * s, y + 14 * s, kWhite);
      canvas.FillRect(x + 4 * s, y + 5 * s, x + 12 * s, y + 7 * s, kWhite);
      break;
    case 1201:
      canvas.SelectPen(Pen{{200, 30, 30}, 2 * s});
      canvas.MoveTo(x + 4 * s, y + 4 * s);
      canvas.LineTo(x + 12 * s, y + 12 * s);
      canvas.MoveTo(x + 12 * s, y + 4 * s);
      canvas.LineTo(x + 4 * s, y + 12 * s);
      break;
    case 1300:
      canvas.FillRect(x + 2 * s, y + 5 * s, x + 14 * s, y + 13 * s, kBlack);
      canvas.FillRect(x + 4 * s, y + 3 * s, x + 8 * s, y + 5 * s, kBlack);
      canvas.SelectPen(Pen{kWhite, s});
      canvas.SelectBrush(Brush{{120, 120, 120}});
      canvas.Ellipse(x + 5 * s, y + 6 * s, x + 11 * s, y + 12 * s);
      break;
    case 1501:
      canvas.FillRect(x + 3 * s, y + 6 * s, x + 13 * s, y + 14 * s, kWhite);
      for (int i = 0; i < 3; ++i) canvas.FillRect(x + (3 + 4 * i) * s, y + 3 * s, x + (5 + 4 * i) * s, y + 6 * s, kWhite);
      canvas.FillRect(x + 7 * s, y + 10 * s, x + 9 * s, y + 14 * s, kHistoric);
      break;
    default: break;
  }
  (void)side;
}

}  // namespace

Rgb ShadingColour(int32_t cell) {
  const int v = cell & 0xFF;
  if (v == 0) return kBlack;
  if (v == 1) return kWhite;
  if (v < 30) return Rgb{50, static_cast<uint8_t>((4 * v + 125) % 256), 50};
  return Rgb{static_cast<uint8_t>((v + 200) / 3), static_cast<uint8_t>((v + 400) / 3),
             static_cast<uint8_t>(((v + 300) / 2) % 256)};
}

void DrawHeightShading(Canvas& canvas, const trackeditor::HeightTile& tile, const trackeditor::ShadingOffsets& at) {
  const int width = canvas.Width(), height = canvas.Height();
  if (!(at.divisor > 0) || at.row < 0 || at.column < 0) return;
  for (long row = at.row; row < kHeightTileSide; ++row) {
    const int y = static_cast<int>((row - at.row) / at.divisor + 1);
    if (y >= height) break;
    for (long column = at.column; column < kHeightTileSide; ++column) {
      const int x = static_cast<int>((column - at.column) / at.divisor + 1);
      if (x >= width) break;
      canvas.SetPixel(x, y, ShadingColour(tile.At(static_cast<int>(row), static_cast<int>(column))));
    }
  }
}

void DrawNodeIcon(Canvas& canvas, int picture, int x, int y, int scale) {
  const IconLook* look = LookOf(picture);
  if (!look) return;
  const int side = 16 * scale;
  Badge(canvas, *look, x, y, side, scale);
  DrawPictogram(canvas, picture, x, y, side, scale);
  if (*look->label == '\0') return;
  canvas.SelectFont(Font{"DejaVu Sans", (look->label[1] ? 9 : 12) * scale, 700});
  canvas.SetTextColour(kWhite);
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  const TextExtent e = canvas.MeasureText(look->label);
  canvas.TextOut(x + (side - e.width) / 2, y + (side - e.height) / 2, look->label);
}

void DrawNodeMarks(Canvas& canvas, const trackeditor::TrackEditor& map, bool icons, bool names,
                   const std::function<ScreenPoint(const TrackPoint&)>& project,
                   const std::function<bool(ScreenPoint)>& shown, const NodeMarkStyle& style) {
  auto forEach = [&](const std::function<void(const std::string&, ScreenPoint)>& draw) {
    for (const TrackEntry& entry : map.TracksMem) {
      if (!entry.Visible() || entry.points->points.empty() || !entry.description) continue;
      const ScreenPoint p = project(entry.points->points.front());
      if (shown(p)) draw(*entry.description, p);
    }
  };
  if (icons) {
    forEach([&](const std::string& description, ScreenPoint p) {
      DrawNodeIcon(canvas, trackeditor::IconPicture(trackeditor::IconCode(description)), p.x, p.y + kMapTop,
                   style.scale);
    });
  }
  if (names) {
    forEach([&](const std::string& description, ScreenPoint p) {
      const std::string name = trackeditor::NodeName(description);
      if (name.empty()) return;
      canvas.SelectFont(style.nameFont);
      canvas.SetTextColour(style.nameColour);
      canvas.SetBackgroundColour(style.nameBackground);
      canvas.SetBackgroundMode(BackgroundMode::Opaque);
      canvas.TextOut(p.x + 40 * style.scale, p.y + kMapTop, name);
    });
  }
}

}  // namespace rovex::track_editor_view
