#pragma once
// The drawing side of the seam (drawing.h) over GDI, user32 and the common
// controls: surfaces are memory device contexts holding a DIB section loaded
// from a file, copies are BitBlt with SRCCOPY, cursors come from the
// program's resources, tooltips are a "tooltips_class32" control, geometry is
// GetWindowRect / MoveWindow / SetWindowPos / SetWindowRgn, and the clock is
// GetLocalTime.
//
// One object serves the whole program on the thread that owns its windows.
// Surfaces still alive when it is destroyed are released then; tooltip
// controls belong to their creator, who destroys them (they also go with the
// thread). Link with gdi32 and comctl32.
#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "panel/platform/drawing.h"

namespace zel::platform::win32 {

class Win32Drawing final : public Surfaces,
                           public Cursors,
                           public Tooltips,
                           public WindowGeometry,
                           public LocalClock {
 public:
  // `instance`: the module whose cursor resources load_cursor loads.
  explicit Win32Drawing(HINSTANCE instance) : instance_(instance) {}
  ~Win32Drawing() override;
  Win32Drawing(const Win32Drawing&) = delete;
  Win32Drawing& operator=(const Win32Drawing&) = delete;

  Drawing drawing() { return Drawing{*this, *this, *this, *this, *this}; }

  // The memory device context that holds the surface's bitmap; null for
  // kNoSurface or a released surface. For reading pixels back in tests.
  HDC surface_dc(SurfaceId surface) const;

  // Surfaces
  SurfaceId load_bitmap(WindowId window, std::string_view path) override;
  void release_surface(SurfaceId surface) override;
  Size surface_size(SurfaceId surface) override;
  void copy(SurfaceId from, const Rect& source, SurfaceId to, Point at) override;
  void copy_to_window(SurfaceId from, const Rect& source, WindowId window, Point at) override;
  void begin_paint(WindowId window) override;
  void end_paint(WindowId window) override;
  void invalidate_window(WindowId window) override;
  // Cursors
  CursorId load_cursor(int resource_id) override;
  void set_cursor(CursorId cursor) override;
  // Tooltips
  WindowId create_tooltips(const TooltipDelays& delays) override;
  bool add_tool(WindowId control, const TooltipTool& tool) override;
  void destroy_tooltips(WindowId control) override;
  // WindowGeometry
  std::optional<Rect> window_rect(WindowId window) override;
  bool move_window(WindowId window, const Rect& rect, bool repaint) override;
  bool resize_window(WindowId window, Size size) override;
  bool set_window_polygon(WindowId window, const std::vector<Point>& points) override;
  // LocalClock
  LocalTime local_time() override;

 private:
  struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;  // what the new DC held before the bitmap
    Size size;
  };
  struct Painting {
    HWND window = nullptr;
    HDC dc = nullptr;
    PAINTSTRUCT paint{};
  };

  const Surface* find(SurfaceId id) const;
  static void free_surface(Surface& surface);
  // Copies the part of `source` inside `from` to `at` in `to_dc`.
  static void blit(const Surface& from, const Rect& source, HDC to_dc, Point at);

  HINSTANCE instance_;
  std::map<std::uintptr_t, Surface> surfaces_;
  std::uintptr_t next_surface_ = 1;
  std::optional<Painting> painting_;
  bool common_controls_ready_ = false;
};

}  // namespace zel::platform::win32
