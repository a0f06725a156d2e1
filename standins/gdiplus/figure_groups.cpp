#include "standins/gdiplus/figure_groups.h"

#include <algorithm>

namespace gdiplus {
namespace {

FigureBounds BoundsOf(const PathFigures& figures, FigureSpan span) {
  const GpPointF& start = figures.points[span.first];
  FigureBounds bounds{start.X, start.Y, start.X, start.Y};
  for (std::size_t i = span.first + 1; i < span.end; ++i) {
    bounds.left = std::min(bounds.left, figures.points[i].X);
    bounds.right = std::max(bounds.right, figures.points[i].X);
    bounds.top = std::min(bounds.top, figures.points[i].Y);
    bounds.bottom = std::max(bounds.bottom, figures.points[i].Y);
  }
  return bounds;
}

// Bounds that touch meet: a figure may end where another begins.
bool Meet(const FigureBounds& a, const FigureBounds& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

FigureBounds Union(const FigureBounds& a, const FigureBounds& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// Moves `from`'s figures into `into`, keeping path order.
void Merge(FigureGroup& into, FigureGroup& from) {
  const std::size_t middle = into.figures.size();
  into.figures.insert(into.figures.end(), from.figures.begin(), from.figures.end());
  std::inplace_merge(into.figures.begin(), into.figures.begin() + static_cast<std::ptrdiff_t>(middle),
                     into.figures.end(), [](FigureSpan a, FigureSpan b) { return a.first < b.first; });
  into.bounds = Union(into.bounds, from.bounds);
  from.figures.clear();
}

}  // namespace

Status GroupFigures(const PathFigures& figures, std::vector<FigureGroup>* groups) {
  groups->clear();
  const Status status = ForEachFigure(figures, [&](std::size_t first, std::size_t end) {
    FigureGroup figure{{{first, end}}, BoundsOf(figures, {first, end})};
    // The new figure joins every group it meets; merged groups can meet
    // groups the figure alone did not, so merging goes on until none does.
    for (bool merged = true; merged;) {
      merged = false;
      for (FigureGroup& group : *groups) {
        if (group.figures.empty() || !Meet(group.bounds, figure.bounds)) continue;
        Merge(figure, group);
        merged = true;
      }
    }
    std::erase_if(*groups, [](const FigureGroup& group) { return group.figures.empty(); });
    groups->push_back(std::move(figure));
  });
  if (status != Ok) return status;
  std::sort(groups->begin(), groups->end(),
            [](const FigureGroup& a, const FigureGroup& b) { return a.figures[0].first < b.figures[0].first; });
  return Ok;
}

}  // namespace gdiplus
