#pragma once
// Where a window is, its size and its shape (GetWindowRect, MoveWindow,
// SetWindowPos, CreatePolygonRgn with SetWindowRgn).
//
// Contract:
//  - window_rect: the window's rectangle in screen coordinates; nullopt for
//    kNoWindow or a window that does not exist.
//  - move_window: places the window at `rect` (screen coordinates for a
//    top-level window) and, with `repaint`, has it redrawn.
//  - resize_window: gives the window a new width and height and nothing else:
//    the top-left corner and the z-order stay (SWP_NOMOVE | SWP_NOZORDER).
//  - set_window_polygon: builds a region from the polygon (window
//    coordinates, winding fill rule) and makes it the window's outline; the
//    window owns the region from then on and is redrawn. False, and the
//    window keeps its outline, when no region can be built from the points.
//  Operations on kNoWindow or a window that does not exist do nothing and
//  return false.
#include <optional>
#include <vector>

#include "panel/platform/types.h"

namespace zel::platform {

class WindowGeometry {
 public:
  virtual ~WindowGeometry() = default;
  virtual std::optional<Rect> window_rect(WindowId window) = 0;
  virtual bool move_window(WindowId window, const Rect& rect, bool repaint) = 0;
  virtual bool resize_window(WindowId window, Size size) = 0;
  virtual bool set_window_polygon(WindowId window, const std::vector<Point>& points) = 0;
};

}  // namespace zel::platform
