#pragma once

// Rasterised figures kept from one drawing to the next, as a font cache
// keeps glyphs: the plug-in draws the same outlined line on every update
// between gifts, and stroking it is most of an update's cost. A key holds
// everything that decides a tile's pixels (see figure_tile.h), so a tile
// found is the tile rasterising would make. Memory is bounded; the least
// recently used tiles go first. Not locked itself: every caller holds the
// GDI+ lock, as every function of this layer does.

#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "standins/gdiplus/coverage_mask.h"

namespace gdiplus {

class CoverageCache {
 public:
  explicit CoverageCache(std::size_t capacity_bytes) : capacity_(capacity_bytes) {}

  // The tile kept under `key`, now the most recently used; null if none.
  std::shared_ptr<const CoverageMask> Find(const std::string& key);
  // Keeps `tile` under `key`, evicting the least recently used tiles beyond
  // the capacity; a tile larger than the capacity is not kept.
  void Keep(const std::string& key, std::shared_ptr<const CoverageMask> tile);

  std::size_t Bytes() const { return bytes_; }
  std::size_t Count() const { return entries_.size(); }

 private:
  struct Entry {
    std::string key;
    std::shared_ptr<const CoverageMask> tile;
  };
  static std::size_t BytesOf(const Entry& entry);

  const std::size_t capacity_;
  std::size_t bytes_ = 0;
  std::list<Entry> entries_;  // most recently used first
  std::unordered_map<std::string_view, std::list<Entry>::iterator> index_;
};

// The process's cache of path tiles, 16 MiB.
CoverageCache& PathTileCache();

}  // namespace gdiplus
