#include "standins/gdiplus/figure_tile.h"

#include <cmath>
#include <cstring>
#include <string>

#include "standins/gdiplus/coverage_cache.h"
#include "standins/gdiplus/figure_rasteriser.h"

namespace gdiplus {
namespace {

// Larger tiles, or tiles far off, are not made: such a group is drawn
// straight into its mask, which the bitmap bounds.
constexpr double kMostTilePixels = 4 << 20;
constexpr float kFarthestOrigin = 1 << 24;

template <typename Value>
void Append(std::string& key, const Value& value) {
  key.append(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string KeyOf(const PathFigures& local, const Rasterisation& how) {
  std::string key;
  key.reserve(16 + local.points.size() * (sizeof(GpPointF) + 1));
  Append(key, how.stroke);
  if (how.stroke) {
    Append(key, how.width);
    Append(key, how.line_join);
  } else {
    Append(key, how.even_odd);
  }
  key.append(reinterpret_cast<const char*>(local.points.data()), local.points.size() * sizeof(GpPointF));
  key.append(reinterpret_cast<const char*>(local.types.data()), local.types.size());
  return key;
}

}  // namespace

Status GroupTile(const PathFigures& figures, const FigureGroup& group, const Rasterisation& how, PlacedTile* placed) {
  placed->tile = nullptr;
  // One pixel more on each side for the pixel centre offset and rounding.
  const float left = std::floor(group.bounds.left - how.reach) - 1;
  const float top = std::floor(group.bounds.top - how.reach) - 1;
  const double width = std::ceil(group.bounds.right - left + how.reach) + 2;
  const double height = std::ceil(group.bounds.bottom - top + how.reach) + 2;
  if (!(width * height <= kMostTilePixels) || !(std::fabs(left) < kFarthestOrigin) ||
      !(std::fabs(top) < kFarthestOrigin))
    return Ok;
  placed->x = static_cast<int>(left);
  placed->y = static_cast<int>(top);
  PathFigures local;
  for (const FigureSpan& span : group.figures) {
    for (std::size_t i = span.first; i < span.end; ++i) {
      local.points.push_back({figures.points[i].X - left, figures.points[i].Y - top});
      local.types.push_back(figures.types[i]);
    }
  }
  CoverageCache& cache = PathTileCache();
  const std::string key = KeyOf(local, how);
  if ((placed->tile = cache.Find(key))) return Ok;
  auto tile = std::make_shared<CoverageMask>(static_cast<int>(width), static_cast<int>(height));
  const Status status = how.stroke ? RasteriseStroke(local, how.width, how.line_join, false, tile.get())
                                   : RasteriseFill(local, how.even_odd, false, tile.get());
  if (status != Ok) return status;
  placed->tile = tile;
  cache.Keep(key, std::move(tile));
  return Ok;
}

}  // namespace gdiplus
