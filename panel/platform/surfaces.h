#pragma once
// Off-screen drawing surfaces and rectangle copies (LoadImageA, memory device
// contexts, BitBlt with SRCCOPY).
//
// Contract:
//  - load_bitmap reads the bitmap file at `path` (a Windows path) at its own
//    size as a device-independent bitmap (LoadImageA with LR_LOADFROMFILE |
//    LR_CREATEDIBSECTION) and puts it into a new off-screen surface compatible
//    with the screen of `window`. A missing or unreadable file gives
//    kNoSurface; nothing is reported. The caller owns the surface until it
//    passes it to release_surface.
//  - surface_size is the bitmap's width and height; {0, 0} for kNoSurface or a
//    released surface.
//  - copy and copy_to_window copy the pixels of `source` (a rectangle of
//    `from`) unchanged to `at` (its top-left corner) in the destination. Only
//    the part of the rectangle that lies inside `from` is copied, to the place
//    it would have had; the part that would land outside the destination is
//    not drawn; nothing else of the destination changes. A copy from or to
//    kNoSurface, a released surface or an empty rectangle draws nothing.
//  - copy_to_window draws on the window at once (a device context of the
//    window's client area, coordinates relative to it). Between begin_paint
//    and end_paint of that window, the window's paint handler draws through
//    the paint context instead; end_paint tells the system the window is
//    painted (BeginPaint / EndPaint). Both are only called from the window's
//    WM_PAINT handler, once each, in that order.
//  - invalidate_window marks the whole client area as needing paint without
//    erasing it (InvalidateRect with no rectangle, bErase FALSE); the window
//    gets WM_PAINT from the message loop later.
//  - Everything runs on the thread that owns the windows.
#include <compare>
#include <cstdint>
#include <string_view>

#include "panel/platform/types.h"

namespace zel::platform {

// An off-screen surface. Zero is "no surface".
struct SurfaceId {
  std::uintptr_t value = 0;

  constexpr explicit operator bool() const { return value != 0; }
  friend constexpr auto operator<=>(const SurfaceId&, const SurfaceId&) = default;
};

inline constexpr SurfaceId kNoSurface{};

class Surfaces {
 public:
  virtual ~Surfaces() = default;

  virtual SurfaceId load_bitmap(WindowId window, std::string_view path) = 0;
  virtual void release_surface(SurfaceId surface) = 0;
  virtual Size surface_size(SurfaceId surface) = 0;

  virtual void copy(SurfaceId from, const Rect& source, SurfaceId to, Point at) = 0;
  virtual void copy_to_window(SurfaceId from, const Rect& source, WindowId window, Point at) = 0;

  virtual void begin_paint(WindowId window) = 0;
  virtual void end_paint(WindowId window) = 0;
  virtual void invalidate_window(WindowId window) = 0;
};

}  // namespace zel::platform
