#include "standins/gdiplus/coverage_cache.h"

namespace gdiplus {

std::size_t CoverageCache::BytesOf(const Entry& entry) {
  // The map's and the list's nodes, roughly, besides key and coverage.
  constexpr std::size_t kNodes = 96;
  return entry.key.size() + entry.tile->Bytes() + sizeof(CoverageMask) + kNodes;
}

std::shared_ptr<const CoverageMask> CoverageCache::Find(const std::string& key) {
  const auto found = index_.find(key);
  if (found == index_.end()) return nullptr;
  entries_.splice(entries_.begin(), entries_, found->second);
  return found->second->tile;
}

void CoverageCache::Keep(const std::string& key, std::shared_ptr<const CoverageMask> tile) {
  if (index_.contains(key)) return;
  Entry entry{key, std::move(tile)};
  const std::size_t bytes = BytesOf(entry);
  if (bytes > capacity_) return;
  while (bytes_ + bytes > capacity_) {
    bytes_ -= BytesOf(entries_.back());
    index_.erase(entries_.back().key);
    entries_.pop_back();
  }
  entries_.push_front(std::move(entry));
  // The index's key views the list's own string, which does not move.
  index_.emplace(entries_.front().key, entries_.begin());
  bytes_ += bytes;
}

CoverageCache& PathTileCache() {
  constexpr std::size_t kCapacity = 16u << 20;
  static CoverageCache cache(kCapacity);
  return cache;
}

}  // namespace gdiplus
