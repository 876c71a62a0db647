#pragma once
// Window outlines: which pixels of a wing state's picture belong to the
// window, and the polygon the skin file gives the panel for them.
#include <cstdint>
#include <string>
#include <vector>

#include "panel/platform/types.h"
#include "tools/skingen/description.h"
#include "tools/skingen/geometry.h"

namespace zel::skingen {

class Region {
 public:
  Region() = default;
  Region(int width, int height, bool inside);

  int width() const { return width_; }
  int height() const { return height_; }
  // False outside the picture.
  bool at(int x, int y) const;
  void set(int x, int y, bool inside);
  // Whether every pixel of the box is inside.
  bool covers(const Box& box) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> inside_;
};

// The window of a shaped set in one state: the main area, and the open wings,
// each a rounded box as the shape says. A set without a shape fills the
// whole picture.
Region body_region(const ShapeSpec& shape, const StateGeometry& g);

// The region's edge as a polygon through pixel corners, with the staircases
// of its curves straightened so that it has at most `max_points` points.
// Empty, with the reason in *error, when the region is not one piece
// without holes.
std::vector<platform::Point> trace_outline(const Region& region, int max_points, std::string* error);

// The pixels whose centres the polygon holds (non-zero winding): what a
// window shaped by the polygon shows.
Region polygon_region(const std::vector<platform::Point>& points, int width, int height);

}  // namespace zel::skingen
