#include "tools/skingen/outline.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "tools/skingen/paint.h"

namespace zel::skingen {

Region::Region(int width, int height, bool inside)
    : width_(width),
      height_(height),
      inside_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), inside ? 1 : 0) {}

bool Region::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return inside_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)] != 0;
}

void Region::set(int x, int y, bool inside) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  inside_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
      inside ? 1 : 0;
}

bool Region::covers(const Box& box) const {
  for (int y = box.y; y < box.bottom(); ++y) {
    for (int x = box.x; x < box.right(); ++x) {
      if (!at(x, y)) return false;
    }
  }
  return true;
}

Region body_region(const ShapeSpec& shape, const StateGeometry& g) {
  if (!shape.shaped) return Region(g.width, g.height, true);
  const float c = static_cast<float>(shape.corner);
  const Box& m = g.main;
  Sdf body =
      round_box(static_cast<float>(m.x), 0, static_cast<float>(m.right()), static_cast<float>(m.bottom()), c);
  if (!g.wing.empty()) {
    // The wing reaches under the main area far enough to hide the corners
    // where they meet.
    const float reach = c + static_cast<float>(shape.wing_corner);
    const float bottom = static_cast<float>(m.bottom() - shape.wing_inset_bottom);
    const bool left = g.wing.x < m.x;
    const float x0 = left ? static_cast<float>(g.wing.x) : static_cast<float>(g.wing.x) - reach;
    const float x1 = left ? static_cast<float>(g.wing.right()) + reach : static_cast<float>(g.wing.right());
    body = shape_union(body, round_box(x0, 0, x1, bottom, static_cast<float>(shape.wing_corner)));
  }
  if (!g.drawer.empty()) {
    const float inset = static_cast<float>(shape.drawer_inset);
    body = shape_union(body,
                       round_box(static_cast<float>(m.x) + inset,
                                 static_cast<float>(m.bottom()) - c - static_cast<float>(shape.drawer_corner),
                                 static_cast<float>(m.right()) - inset, static_cast<float>(g.height),
                                 static_cast<float>(shape.drawer_corner)));
  }
  Region r(g.width, g.height, false);
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) r.set(x, y, body({x + 0.5f, y + 0.5f}) < 0);
  }
  return r;
}

namespace {

using Corner = std::pair<int, int>;

float distance_to_line(Vec p, Vec a, Vec b) {
  const float dx = b.x - a.x;
  const float dy = b.y - a.y;
  const float len = std::hypot(dx, dy);
  if (len == 0) return std::hypot(p.x - a.x, p.y - a.y);
  return std::abs(dy * (p.x - a.x) - dx * (p.y - a.y)) / len;
}

// Douglas-Peucker on the open chain pts[first..last].
void simplify(const std::vector<Vec>& pts, std::size_t first, std::size_t last, float tolerance,
              std::vector<bool>& keep) {
  if (last <= first + 1) return;
  float worst = 0;
  std::size_t at = first;
  for (std::size_t i = first + 1; i < last; ++i) {
    const float d = distance_to_line(pts[i], pts[first], pts[last]);
    if (d > worst) {
      worst = d;
      at = i;
    }
  }
  if (worst <= tolerance) return;
  keep[at] = true;
  simplify(pts, first, at, tolerance, keep);
  simplify(pts, at, last, tolerance, keep);
}

}  // namespace

std::vector<platform::Point> trace_outline(const Region& region, int max_points, std::string* error) {
  // Every pixel edge between inside and outside, directed so that the inside
  // is on its right (clockwise on screen).
  std::multimap<Corner, Corner> edges;
  for (int y = 0; y < region.height(); ++y) {
    for (int x = 0; x < region.width(); ++x) {
      if (!region.at(x, y)) continue;
      if (!region.at(x, y - 1)) edges.insert({{x, y}, {x + 1, y}});
      if (!region.at(x + 1, y)) edges.insert({{x + 1, y}, {x + 1, y + 1}});
      if (!region.at(x, y + 1)) edges.insert({{x + 1, y + 1}, {x, y + 1}});
      if (!region.at(x - 1, y)) edges.insert({{x, y + 1}, {x, y}});
    }
  }
  if (edges.empty()) {
    *error = "the window has no pixels";
    return {};
  }
  const std::size_t total = edges.size();
  std::vector<Corner> path;
  Corner at = edges.begin()->first;
  const Corner start = at;
  do {
    const auto it = edges.find(at);
    if (it == edges.end()) break;
    path.push_back(at);
    at = it->second;
    edges.erase(it);
  } while (at != start);
  if (path.size() != total || at != start) {
    *error = "the window is not one piece without holes";
    return {};
  }
  // Corners only.
  std::vector<Vec> pts;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const Corner& prev = path[(i + path.size() - 1) % path.size()];
    const Corner& next = path[(i + 1) % path.size()];
    const Corner& cur = path[i];
    const bool straight = (prev.first == cur.first && cur.first == next.first) ||
                          (prev.second == cur.second && cur.second == next.second);
    if (!straight) pts.push_back({static_cast<float>(cur.first), static_cast<float>(cur.second)});
  }
  // Close the chain through its first point and straighten it, looser until
  // it is short enough.
  pts.push_back(pts.front());
  for (float tolerance = 0.5f;; tolerance *= 1.25f) {
    std::vector<bool> keep(pts.size(), false);
    keep.front() = keep.back() = true;
    std::size_t far = 0;
    float best = -1;
    for (std::size_t i = 0; i < pts.size(); ++i) {
      const float d = std::hypot(pts[i].x - pts[0].x, pts[i].y - pts[0].y);
      if (d > best) {
        best = d;
        far = i;
      }
    }
    keep[far] = true;
    simplify(pts, 0, far, tolerance, keep);
    simplify(pts, far, pts.size() - 1, tolerance, keep);
    std::vector<platform::Point> out;
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
      if (keep[i]) out.push_back({static_cast<int>(pts[i].x), static_cast<int>(pts[i].y)});
    }
    if (static_cast<int>(out.size()) <= max_points) return out;
  }
}

Region polygon_region(const std::vector<platform::Point>& points, int width, int height) {
  Region r(width, height, false);
  const std::size_t n = points.size();
  std::vector<std::pair<float, int>> crossings;  // x where an edge crosses the row, its direction
  for (int y = 0; y < height; ++y) {
    const float py = y + 0.5f;
    crossings.clear();
    for (std::size_t i = 0; i < n; ++i) {
      const platform::Point& a = points[i];
      const platform::Point& b = points[(i + 1) % n];
      const bool up = a.y <= py && b.y > py;
      const bool down = b.y <= py && a.y > py;
      if (!up && !down) continue;
      const float x = a.x + (py - a.y) * static_cast<float>(b.x - a.x) / static_cast<float>(b.y - a.y);
      crossings.push_back({x, up ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end());
    // A pixel centre is inside when the edges crossing the row to its right
    // do not cancel out.
    int right = 0;
    for (const auto& c : crossings) right += c.second;
    std::size_t next = 0;
    for (int x = 0; x < width; ++x) {
      const float px = x + 0.5f;
      while (next < crossings.size() && crossings[next].first <= px) right -= crossings[next++].second;
      r.set(x, y, right != 0);
    }
  }
  return r;
}

}  // namespace zel::skingen
