#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A drawing surface with the model of a Windows device context, because every
// view layout of the system is written in its terms: selected pen, brush and
// font, text and background colours with a transparent or opaque text
// background, integer pixel coordinates with right and bottom edges exclusive,
// and off-screen surfaces copied to the window in one step. The Qt program draws
// on images; tests record the calls.

namespace rovex {

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null };

struct Pen {
  Rgb colour;
  int width = 1;  // 0 draws the thinnest line, as 1 does
  PenStyle style = PenStyle::Solid;
  bool operator==(const Pen&) const = default;
};

enum class BrushStyle { Solid, Hollow };

struct Brush {
  Rgb colour;
  BrushStyle style = BrushStyle::Solid;
  bool operator==(const Brush&) const = default;
};

// height is the cell height in pixels (ascent plus descent) when positive and
// the character height (the em) when negative; 0 takes a default size.
struct Font {
  std::string face = "Times New Roman";
  int height = 0;
  int weight = 400;  // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  bool operator==(const Font&) const = default;
};

enum class BackgroundMode { Transparent, Opaque };

// Border: fill outwards until pixels of the given colour. Surface: fill the
// connected area that has the given colour.
enum class FloodFillMode { Border, Surface };

struct CanvasPoint {
  int x = 0;
  int y = 0;
  bool operator==(const CanvasPoint&) const = default;
};

struct TextExtent {
  int width = 0;
  int height = 0;
};

// A picture that can be copied onto a canvas (a bitmap resource, a map tile).
class CanvasImage {
 public:
  virtual ~CanvasImage() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // The selected drawing objects and text attributes; they stay until changed.
  virtual void SelectPen(const Pen& pen) = 0;
  virtual void SelectBrush(const Brush& brush) = 0;
  virtual void SelectFont(const Font& font) = 0;
  virtual void SetTextColour(Rgb colour) = 0;
  virtual void SetBackgroundColour(Rgb colour) = 0;
  virtual void SetBackgroundMode(BackgroundMode mode) = 0;

  // Lines with the selected pen. LineTo draws from the current position and
  // leaves out its end point, so joined segments never draw a pixel twice.
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // Joined segments through the points (at least two), the last point left out.
  virtual void Polyline(const std::vector<CanvasPoint>& points) = 0;

  // Outlined with the pen and filled with the brush; covers left..right-1, top..bottom-1.
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  virtual void Polygon(const std::vector<CanvasPoint>& points) = 0;
  // Fills with a colour alone, no pen.
  virtual void FillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
  // The part of the ellipse in the bounding box from the radial through
  // (xStart, yStart) counter-clockwise to the radial through (xEnd, yEnd).
  virtual void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) = 0;

  virtual void SetPixel(int x, int y, Rgb colour) = 0;
  // Black outside the surface.
  virtual Rgb GetPixel(int x, int y) const = 0;
  // With the selected brush.
  virtual void FloodFill(int x, int y, Rgb colour, FloodFillMode mode) = 0;

  // The text's top-left corner at x, y in the selected font and text colour;
  // with an opaque background the text's cell is filled first.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual TextExtent MeasureText(const std::string& text) = 0;

  virtual void DrawImage(const CanvasImage& image, int x, int y) = 0;
  virtual void DrawImageScaled(const CanvasImage& image, int left, int top, int width, int height) = 0;

  // An off-screen surface of the same kind; CopyFrom puts all of it at x, y.
  virtual std::unique_ptr<Canvas> CreateSurface(int width, int height) = 0;
  virtual void CopyFrom(const Canvas& surface, int x, int y) = 0;
};

// Where surfaces and pictures come from: the program's numbered bitmap
// resources and image files (JPEG, PNG).
class CanvasFactory {
 public:
  virtual ~CanvasFactory() = default;
  virtual std::unique_ptr<Canvas> CreateCanvas(int width, int height) = 0;
  // Null when the file cannot be read as a picture.
  virtual std::unique_ptr<CanvasImage> LoadImageFile(const std::string& path) = 0;
  // The bitmap resource with that number, owned by the factory; null when there is none.
  virtual const CanvasImage* Bitmap(int resourceId) = 0;
};

}  // namespace rovex
