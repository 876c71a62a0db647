#pragma once
// Window outlines: the polygon that shapes the panel window in each wing
// state, read from section "Panel" + n + "Point" / "DownPoint" / "LorRPoint"
// / "ALLPoint" (window_keys.h) and handed to the window.
#include <cstdint>
#include <vector>

#include "common/ini/profile_store.h"
#include "panel/platform/types.h"

namespace zel::skin {

// The one window operation outlines need, implemented by the platform for the
// panel window.
class WindowOutlineTarget {
 public:
  virtual ~WindowOutlineTarget() = default;
  // Builds a region from the polygon (window coordinates, winding fill rule)
  // and makes it the window's outline; the window owns the region from then on
  // and is redrawn. Returns false, and the window keeps its outline, when no
  // region can be built from the points.
  virtual bool set_window_polygon(const std::vector<platform::Point>& points) = 0;
};

// The points of the outline of wing state `state` of set `skin_set`:
// HavePoint of them, at most kMaxOutlinePoints (a larger count reads the first
// 200, a negative one none), point k with x in key 2k-1 and y in key 2k, each
// clamped to the coordinate range. A state outside 1-4 reads section "Panel".
std::vector<platform::Point> read_window_outline(ProfileStore& file, std::int32_t skin_set,
                                                 int state);

// Whether the points enclose any area: at least three of them, not all on one
// line. Anything less would make an empty region, which hides the window.
bool outline_encloses_area(const std::vector<platform::Point>& points);

// Reads the outline and, if it encloses any area, gives it to the window.
// Returns whether the window took it; otherwise the window keeps its previous
// outline (at start, its rectangle).
bool apply_window_outline(ProfileStore& file, WindowOutlineTarget& window, std::int32_t skin_set,
                          int state);

}  // namespace zel::skin
