#include "platform/posix/gdi/path_raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace gdi {
namespace {

constexpr uint8_t kTypeMask = 0x07;
constexpr uint8_t kTypeStart = 0;
constexpr uint8_t kTypeLine = 1;
constexpr uint8_t kTypeBezier = 3;
constexpr uint8_t kCloseSubpath = 0x80;
// cairo's default flattening tolerance, in pixels.
constexpr float kTolerance = 0.1f;
constexpr int kMaxBezierSteps = 256;

Vertex operator-(Vertex a, Vertex b) { return {a.x - b.x, a.y - b.y}; }
// By value, unlike std::min and std::max, so that loops using them vectorise.
float Min(float a, float b) { return a < b ? a : b; }
float Max(float a, float b) { return a > b ? a : b; }
float Dot(Vertex a, Vertex b) { return a.x * b.x + a.y * b.y; }

// Appends the cubic from figure->back() in uniform steps: the chord error is
// at most 0.75 * L / steps^2, L the larger second difference of the points.
void AddCubic(Polygon* figure, Vertex p1, Vertex p2, Vertex p3) {
  const Vertex p0 = figure->back();
  const Vertex d1{p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y};
  const Vertex d2{p1.x - 2 * p2.x + p3.x, p1.y - 2 * p2.y + p3.y};
  const float bend = std::sqrt(std::max(Dot(d1, d1), Dot(d2, d2)));
  const int steps = std::clamp(static_cast<int>(std::ceil(std::sqrt(0.75f * bend / kTolerance))), 1, kMaxBezierSteps);
  for (int i = 1; i <= steps; ++i) {
    const float t = static_cast<float>(i) / steps, u = 1 - t;
    const float w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
    figure->push_back({w0 * p0.x + w1 * p1.x + w2 * p2.x + w3 * p3.x, w0 * p0.y + w1 * p1.y + w2 * p2.y + w3 * p3.y});
  }
}

// Calls edge(a, b) for every side of every polygon.
template <typename Edge>
void ForEachEdge(const std::vector<Polygon>& polygons, Edge edge) {
  for (const Polygon& polygon : polygons) {
    for (std::size_t i = 0; i < polygon.size(); ++i) edge(polygon[i], polygon[(i + 1) % polygon.size()]);
  }
}

// Adds the signed area `height` that an edge piece crossing one pixel row
// from x = `from` to x = `to` puts right of itself, to the row's cells:
// cell k receives the part inside it, cell k + 1 the rest, so that running
// sums along the row give the coverage.
void AddRowPiece(float* cells, float from, float to, float height) {
  const float left = std::min(from, to), right = std::max(from, to);
  const int first = static_cast<int>(left), last = static_cast<int>(right);
  if (first == last) {
    const float middle = (left + right) * 0.5f - first;
    cells[first] += height * (1 - middle);
    cells[first + 1] += height * middle;
    return;
  }
  float x = left;
  for (int cell = first; cell <= last; ++cell) {
    const float next = std::min(right, static_cast<float>(cell + 1));
    const float share = height * (next - x) / (right - left);
    const float middle = (x + next) * 0.5f - cell;
    cells[cell] += share * (1 - middle);
    cells[cell + 1] += share * middle;
    x = next;
  }
}

}  // namespace

bool FlattenClosedFigures(const GpPointF* points, const uint8_t* types, int count, float offset,
                          std::vector<Polygon>* polygons) {
  polygons->clear();
  Polygon figure;
  Vertex bezier[3];
  int pending = 0;
  for (int i = 0; i < count; ++i) {
    const Vertex point{points[i].X + offset, points[i].Y + offset};
    const uint8_t type = types[i] & kTypeMask;
    if (type == kTypeStart) {
      if (!figure.empty()) return false;
      figure.push_back(point);
    } else if (figure.empty() || (type != kTypeLine && type != kTypeBezier)) {
      return false;
    } else if (type == kTypeLine) {
      figure.push_back(point);
    } else {
      bezier[pending++] = point;
      if (pending == 3) {
        AddCubic(&figure, bezier[0], bezier[1], bezier[2]);
        pending = 0;
      }
    }
    if (types[i] & kCloseSubpath) {
      if (pending != 0) return false;
      polygons->push_back(std::move(figure));
      figure.clear();
    }
  }
  return figure.empty();
}

void RasterScratch::Trim() {
  constexpr std::size_t kKeptFloats = std::size_t{1} << 20;
  if (cover.capacity() + cells.capacity() + pixels.capacity() > kKeptFloats) *this = RasterScratch();
}

Coverage::Coverage(const std::vector<Polygon>& polygons, float reach, int width, int height, RasterScratch* scratch)
    : scratch_(*scratch), cover_(scratch->cover) {
  float min_x = INFINITY, min_y = INFINITY, max_x = -INFINITY, max_y = -INFINITY;
  for (const Polygon& polygon : polygons) {
    for (Vertex v : polygon) {
      min_x = std::min(min_x, v.x);
      min_y = std::min(min_y, v.y);
      max_x = std::max(max_x, v.x);
      max_y = std::max(max_y, v.y);
    }
  }
  // Pixels are touched from a pixel's width before to one after.
  const auto first = [](float v, int limit) {
    return static_cast<int>(std::clamp(std::floor(v) - 1, 0.0f, 1.0f * limit));
  };
  const auto end = [](float v, int limit) {
    return static_cast<int>(std::clamp(std::ceil(v) + 1, 0.0f, 1.0f * limit));
  };
  left_ = first(min_x - reach, width);
  top_ = first(min_y - reach, height);
  width_ = std::max(0, end(max_x + reach, width) - left_);
  height_ = std::max(0, end(max_y + reach, height) - top_);
  cover_.assign(static_cast<std::size_t>(width_) * height_, 0.0f);
}

void Coverage::AddFill(const std::vector<Polygon>& polygons, bool even_odd) {
  const int row_cells = width_ + 2;
  std::vector<float>& cells = scratch_.cells;
  cells.assign(static_cast<std::size_t>(row_cells) * height_, 0.0f);
  ForEachEdge(polygons, [&](Vertex a, Vertex b) {
    a = a - Vertex{static_cast<float>(left_), static_cast<float>(top_)};
    b = b - Vertex{static_cast<float>(left_), static_cast<float>(top_)};
    if (a.y == b.y) return;
    float direction = 1;
    if (a.y > b.y) {
      std::swap(a, b);
      direction = -1;
    }
    const float begin = std::max(a.y, 0.0f), finish = std::min(b.y, static_cast<float>(height_));
    const float slope = (b.x - a.x) / (b.y - a.y);
    const auto x_at = [&](float y) { return std::clamp(a.x + (y - a.y) * slope, 0.0f, static_cast<float>(width_)); };
    for (int row = static_cast<int>(begin); row < finish; ++row) {
      const float top = std::max(begin, static_cast<float>(row)), bottom = std::min(finish, row + 1.0f);
      if (bottom > top)
        AddRowPiece(&cells[static_cast<std::size_t>(row) * row_cells], x_at(top), x_at(bottom),
                    (bottom - top) * direction);
    }
  });
  for (int y = 0; y < height_; ++y) {
    float* winding = &cells[static_cast<std::size_t>(y) * row_cells];
    for (int x = 1; x < width_; ++x) winding[x] += winding[x - 1];
    float* row = &At(0, y);
    for (int x = 0; x < width_; ++x) {
      float inside = std::fabs(winding[x]);
      if (even_odd) {
        inside -= 2.0f * static_cast<float>(static_cast<int>(inside * 0.5f));
        inside = Min(inside, 2 - inside);
      }
      row[x] = Max(row[x], Min(inside, 1.0f));
    }
  }
}

void Coverage::AddBand(const std::vector<Polygon>& polygons, float half_width) {
  // Only pixels whose centre is within `reach` of an edge are covered.
  const float reach = half_width + 0.5f;
  ForEachEdge(polygons, [&](Vertex a, Vertex b) {
    a = a - Vertex{left_ + 0.5f, top_ + 0.5f};  // pixel centres at whole numbers
    b = b - Vertex{left_ + 0.5f, top_ + 0.5f};
    const Vertex along = b - a;
    const float length2 = Dot(along, along);
    const float inverse = length2 > 0 ? 1 / length2 : 0;
    const int x0 = std::max(0, static_cast<int>(std::ceil(std::min(a.x, b.x) - reach)));
    const int x1 = std::min(width_ - 1, static_cast<int>(std::floor(std::max(a.x, b.x) + reach)));
    const int y0 = std::max(0, static_cast<int>(std::ceil(std::min(a.y, b.y) - reach)));
    const int y1 = std::min(height_ - 1, static_cast<int>(std::floor(std::max(a.y, b.y) + reach)));
    for (int y = y0; y <= y1; ++y) {
      float* row = &At(0, y);
      const float dy = y - a.y;
      // Branch-free, so that the compiler can vectorise it.
      for (int x = x0; x <= x1; ++x) {
        const float dx = x - a.x;
        const float t = Max(0.0f, Min(1.0f, (dx * along.x + dy * along.y) * inverse));
        const float ox = dx - t * along.x, oy = dy - t * along.y;
        const float distance = std::sqrt(ox * ox + oy * oy);
        // The part of the pixel's width, across the band, that lies in it.
        const float inside = Min(distance + 0.5f, half_width) - Max(distance - 0.5f, -half_width);
        row[x] = Max(row[x], Max(0.0f, Min(1.0f, inside)));
      }
    }
  });
}

const std::vector<uint32_t>& Coverage::Paint(ARGB color) {
  const auto scale = [](uint32_t value, uint32_t by) { return (value * by + 127) / 255; };
  uint32_t by_mask[256];
  for (uint32_t mask = 0; mask < 256; ++mask) {
    const uint32_t a = scale(color >> 24, mask);
    by_mask[mask] =
        a << 24 | scale((color >> 16) & 0xFF, a) << 16 | scale((color >> 8) & 0xFF, a) << 8 | scale(color & 0xFF, a);
  }
  std::vector<uint32_t>& pixels = scratch_.pixels;
  pixels.resize(cover_.size());
  for (std::size_t i = 0; i < cover_.size(); ++i) pixels[i] = by_mask[static_cast<uint32_t>(cover_[i] * 255 + 0.5f)];
  return pixels;
}

}  // namespace gdi
