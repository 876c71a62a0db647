#pragma once
// The simulated desktop's side of the drawing seam (drawing.h): surfaces as
// real pixel buffers loaded from BMP files, a picture of each window's client
// area, cursors, tooltip controls, window placement and outlines, and a local
// clock that runs with the desktop's virtual clock.
//
// Files are found by Windows path without regard to case: first among the
// files a test put (put_file, put_bitmap), then under a host folder a test
// mapped to a Windows folder (map_folder), so tests can load the skin sets
// the build generates. Below a mapped folder the rest of the path is used as
// written, with '/' for '\'.
//
// A window's picture has the size of its rectangle (as created, or as last
// moved or resized here) and starts filled with kUnpainted, so that any pixel
// nobody drew shows. Surfaces are named by their file's base name without the
// extension ("panelover"); windows as the desktop names them ("Panel").
//
// Every rectangle copy is recorded (copies(), copy_lines()), with the
// rectangle and place the caller asked for; every other call is recorded as a
// readable line (calls()): "LoadImage(C:\ZEL\panelbmp1\panel.bmp) = panel",
// "SetWindowRgn(Panel, 4 points)". Lines name surfaces and windows, never
// handle values.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "panel/platform/drawing.h"
#include "panel/platform/sim/bmp_image.h"
#include "panel/platform/sim/desktop.h"

namespace zel::platform::sim {

// A window pixel nobody drew; no BMP pixel has its top byte set.
inline constexpr std::uint32_t kUnpainted = 0xFF000000u;

struct CopyRecord {
  std::string from;  // surface name, "null" for no surface
  Rect source;
  std::string to;  // surface or window name
  Point at;
  bool to_window = false;
  friend bool operator==(const CopyRecord&, const CopyRecord&) = default;
};

// "otherbmp (85, 29, 9x13) -> Panel (423, 36)"
std::string copy_line(const CopyRecord& copy);

struct TooltipControl {
  WindowId id;
  TooltipDelays delays;
  std::vector<TooltipTool> tools;
  bool alive = true;
};

class SimDrawing final : public Surfaces,
                         public Cursors,
                         public Tooltips,
                         public WindowGeometry,
                         public LocalClock {
 public:
  explicit SimDrawing(Desktop& desktop);

  Drawing drawing() { return Drawing{*this, *this, *this, *this, *this}; }

  // --- files
  void put_file(std::string_view windows_path, std::vector<std::uint8_t> bytes);
  void put_bitmap(std::string_view windows_path, const Image& image,
                  RowOrder order = RowOrder::kBottomUp);
  // Files under `windows_folder` are read from `host_folder`.
  void map_folder(std::string_view windows_folder, std::string host_folder);

  // --- what was drawn
  // The surface's picture; nullptr for kNoSurface or a released surface.
  const Image* surface_image(SurfaceId surface) const;
  std::string surface_name(SurfaceId surface) const;
  std::size_t live_surfaces() const;
  // The window's picture, nullptr before anything was drawn on it.
  const Image* window_image(WindowId window) const;

  const std::vector<CopyRecord>& copies() const { return copies_; }
  std::vector<std::string> copy_lines() const;
  const std::vector<std::string>& calls() const { return calls_; }
  void clear_records() {
    copies_.clear();
    calls_.clear();
  }

  // Whether the window was invalidated since it last painted.
  bool needs_paint(WindowId window) const { return invalid_.count(window.value) != 0; }

  // --- cursors: every positive resource id is a cursor; the one shown last
  CursorId current_cursor() const { return current_cursor_; }

  // --- tooltips: the live control, nullptr when none; all ever made
  const TooltipControl* tooltip_control() const;
  const std::vector<TooltipControl>& tooltip_controls() const { return tooltip_controls_; }

  // --- geometry
  // The outline last given to the window; empty when none.
  std::vector<Point> window_polygon(WindowId window) const;

  // --- clock: from now on local time starts at `time` and runs with the
  // desktop's clock, wrapping at midnight.
  void set_local_time(LocalTime time);

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
  struct SurfaceRecord {
    std::string name;
    Image image;
  };

  std::optional<std::vector<std::uint8_t>> read_file(std::string_view windows_path) const;
  Image* surface(SurfaceId id);
  Image* canvas(WindowId window);
  bool window_alive(WindowId window) const;
  std::string window_name(WindowId window) const;
  TooltipControl* live_tooltips(WindowId control);

  Desktop& desktop_;
  std::map<std::string, std::vector<std::uint8_t>> files_;  // lower-case paths
  std::vector<std::pair<std::string, std::string>> folders_;
  std::map<std::uintptr_t, SurfaceRecord> surfaces_;
  std::uintptr_t next_surface_ = 1;
  std::map<std::uintptr_t, Image> canvases_;
  std::map<std::uintptr_t, Rect> rects_;
  std::map<std::uintptr_t, std::vector<Point>> polygons_;
  std::set<std::uintptr_t> invalid_;
  std::vector<CopyRecord> copies_;
  std::vector<std::string> calls_;
  CursorId current_cursor_;
  std::vector<TooltipControl> tooltip_controls_;
  // Far above the desktop's own window numbers.
  std::uintptr_t next_tooltip_ = 0x7F000000;
  LocalTime clock_base_;
  std::uint64_t clock_set_at_ = 0;
};

}  // namespace zel::platform::sim
