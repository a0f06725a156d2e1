// Filling and stroking paths. cairo takes about 0.1 ms to stroke one CJK
// glyph outline, and libgdiplus's fill strokes the outline 1 pixel wide on
// top of filling it, so an outlined 20-character line took 8 ms. These
// definitions hide libgdiplus's (next_definition.h): when a drawing is plain
// (solid colour, closed figures, no transform, anti-aliased, source-over,
// a pen that is solid, centred, round-joined), the coverage is computed by
// path_raster.h and cairo only composites it, as an image, onto the
// graphics. The result is what libgdiplus draws up to anti-aliasing: the
// path shifted by its half-pixel anti-aliasing offset, a fill that also
// covers its outline half a pixel wide, pens under a pixel drawn 1 pixel
// wide. Two differences are deliberate: that outline is painted once with
// the fill, where libgdiplus paints it twice (visible with translucent
// brushes), and always with round joins, where libgdiplus takes the joins of
// the last pen used. Other drawings go to libgdiplus.

#include <vector>

#include "platform/gdiplus_lock.h"
#include "platform/posix/gdi/gdiplus_queries.h"
#include "platform/posix/gdi/next_definition.h"
#include "platform/posix/gdi/path_raster.h"
#include "platform_export.h"

namespace {

constexpr GpStatus kOk = 0;
constexpr int kSmoothingHighQuality = 2;
constexpr int kUnitDisplay = 1;
constexpr int kSolidColor = 0;  // brush and pen type
constexpr int kDashSolid = 0;
constexpr int kPenAlignmentCenter = 0;
constexpr int kFillModeWinding = 1;
constexpr GpPixelFormat kPixelFormat32bppPARGB = 0xE200B;
// libgdiplus moves anti-aliased drawing by half a pixel.
constexpr float kAntialiasOffset = 0.5f;
// The fill's outline, which libgdiplus strokes 1 pixel wide.
constexpr float kFillBandHalfWidth = 0.5f;

bool IsIdentity(GpMatrix* matrix) {
  win::BOOL identity = 0;
  return GdipIsMatrixIdentity(matrix, &identity) == kOk && identity;
}

// Whether `query` writes a matrix that is the identity.
template <typename Query>
bool GivesIdentity(Query query) {
  GpMatrix* matrix = nullptr;
  if (GdipCreateMatrix(&matrix) != kOk) return false;
  const bool identity = query(matrix) == kOk && IsIdentity(matrix);
  GdipDeleteMatrix(matrix);
  return identity;
}

// Anti-aliased source-over drawing in pixels, without a transform.
bool IsPlainGraphics(GpGraphics* graphics) {
  int compositing = -1, smoothing = -1, unit = -1;
  REAL scale = 0;
  return GdipGetCompositingMode(graphics, &compositing) == kOk && compositing == CompositingModeSourceOver &&
         GdipGetSmoothingMode(graphics, &smoothing) == kOk &&
         (smoothing == SmoothingModeAntiAlias || smoothing == kSmoothingHighQuality) &&
         GdipGetPageUnit(graphics, &unit) == kOk && (unit == UnitPixel || unit == kUnitDisplay) &&
         GdipGetPageScale(graphics, &scale) == kOk && scale == 1.0f &&
         GivesIdentity([graphics](GpMatrix* m) { return GdipGetWorldTransform(graphics, m); });
}

// The pen's colour and half width when it is solid, centred and round-joined.
bool ReadPlainPen(GpPen* pen, ARGB* color, float* half_width) {
  int type = -1, unit = -1, join = -1, dash = -1, compound = -1, alignment = -1;
  REAL width = 0;
  if (GdipGetPenFillType(pen, &type) != kOk || type != kSolidColor || GdipGetPenColor(pen, color) != kOk ||
      GdipGetPenWidth(pen, &width) != kOk || GdipGetPenUnit(pen, &unit) != kOk ||
      (unit != UnitWorld && unit != UnitPixel) || GdipGetPenLineJoin(pen, &join) != kOk || join != LineJoinRound ||
      GdipGetPenDashStyle(pen, &dash) != kOk || dash != kDashSolid || GdipGetPenCompoundCount(pen, &compound) != kOk ||
      compound != 0 || GdipGetPenMode(pen, &alignment) != kOk || alignment != kPenAlignmentCenter ||
      !GivesIdentity([pen](GpMatrix* m) { return GdipGetPenTransform(pen, m); })) {
    return false;
  }
  *half_width = (width < 1 ? 1 : width) * 0.5f;
  return true;
}

// The path's figures, moved by the anti-aliasing offset, when all are closed.
bool ReadClosedFigures(GpPath* path, std::vector<gdi::Polygon>* figures) {
  int count = 0;
  if (GdipGetPointCount(path, &count) != kOk || count <= 0) return false;
  std::vector<GpPointF> points(count);
  std::vector<uint8_t> types(count);
  return GdipGetPathPoints(path, points.data(), count) == kOk && GdipGetPathTypes(path, types.data(), count) == kOk &&
         gdi::FlattenClosedFigures(points.data(), types.data(), count, kAntialiasOffset, figures);
}

// The size of the graphics' image, which bounds what is drawn.
bool ImageSize(GpGraphics* graphics, int* width, int* height) {
  GpRectF bounds{};
  if (GdipGetVisibleClipBounds(graphics, &bounds) != kOk) return false;
  *width = static_cast<int>(bounds.X + bounds.Width);
  *height = static_cast<int>(bounds.Y + bounds.Height);
  return *width > 0 && *height > 0;
}

// Drawing runs under the GDI+ lock, so one scratch memory serves all.
gdi::RasterScratch& Scratch() {
  static gdi::RasterScratch scratch;
  return scratch;
}

// Composites `color` through `coverage` onto the graphics, as an image.
GpStatus DrawCoverage(GpGraphics* graphics, gdi::Coverage& coverage, ARGB color) {
  if (coverage.Width() == 0 || coverage.Height() == 0 || (color >> 24) == 0) return kOk;
  const std::vector<uint32_t>& pixels = coverage.Paint(color);
  GpBitmap* layer = nullptr;
  GpStatus status = GdipCreateBitmapFromScan0(coverage.Width(), coverage.Height(), coverage.Width() * 4,
                                              kPixelFormat32bppPARGB, const_cast<uint32_t*>(pixels.data()), &layer);
  if (status != kOk) return status;
  status = GdipDrawImageRectI(graphics, reinterpret_cast<GpImage*>(layer), coverage.Left(), coverage.Top(),
                              coverage.Width(), coverage.Height());
  GdipDisposeImage(reinterpret_cast<GpImage*>(layer));
  return status;
}

}  // namespace

extern "C" {

PLATFORM_EXPORT GpStatus GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path) {
  static const auto original = gdi::NextDefinition<decltype(GdipDrawPath)>("GdipDrawPath");
  platform::GdiplusGuard guard;
  ARGB color = 0;
  float half_width = 0;
  int width = 0, height = 0;
  std::vector<gdi::Polygon> figures;
  if (!graphics || !pen || !path || !IsPlainGraphics(graphics) || !ReadPlainPen(pen, &color, &half_width) ||
      !ReadClosedFigures(path, &figures) || !ImageSize(graphics, &width, &height)) {
    return original(graphics, pen, path);
  }
  gdi::Coverage coverage(figures, half_width, width, height, &Scratch());
  coverage.AddBand(figures, half_width);
  const GpStatus status = DrawCoverage(graphics, coverage, color);
  Scratch().Trim();
  return status;
}

PLATFORM_EXPORT GpStatus GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path) {
  static const auto original = gdi::NextDefinition<decltype(GdipFillPath)>("GdipFillPath");
  platform::GdiplusGuard guard;
  int type = -1, fill_mode = -1, width = 0, height = 0;
  ARGB color = 0;
  std::vector<gdi::Polygon> figures;
  if (!graphics || !brush || !path || !IsPlainGraphics(graphics) || GdipGetBrushType(brush, &type) != kOk ||
      type != kSolidColor || GdipGetSolidFillColor(reinterpret_cast<GpSolidFill*>(brush), &color) != kOk ||
      GdipGetPathFillMode(path, &fill_mode) != kOk || !ReadClosedFigures(path, &figures) ||
      !ImageSize(graphics, &width, &height)) {
    return original(graphics, brush, path);
  }
  gdi::Coverage coverage(figures, kFillBandHalfWidth, width, height, &Scratch());
  coverage.AddFill(figures, fill_mode != kFillModeWinding);
  coverage.AddBand(figures, kFillBandHalfWidth);
  const GpStatus status = DrawCoverage(graphics, coverage, color);
  Scratch().Trim();
  return status;
}

}  // extern "C"
