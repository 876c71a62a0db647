#include "panel/app/win32_zel_hooks.h"

#include <windows.h>

#include "panel/platform/win32/win32_window_system.h"

namespace zel::app {
namespace {

constexpr COLORREF kFace = RGB(44, 48, 56);
constexpr COLORREF kFrameLight = RGB(112, 118, 130);
constexpr COLORREF kFrameDark = RGB(16, 18, 22);

void fill(HDC dc, const RECT& rect, COLORREF colour) {
  const HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

// The face with a one-pixel frame, light at the top and left, dark at the
// bottom and right, outside `covered` (client coordinates from 0, 0).
void paint_plain_face(HWND window, HDC dc, platform::Size covered) {
  RECT client;
  GetClientRect(window, &client);
  if (covered.width >= client.right && covered.height >= client.bottom) return;
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, 0, 0, covered.width, covered.height);
  fill(dc, client, kFace);
  fill(dc, RECT{client.left, client.top, client.right, client.top + 1}, kFrameLight);
  fill(dc, RECT{client.left, client.top, client.left + 1, client.bottom}, kFrameLight);
  fill(dc, RECT{client.left, client.bottom - 1, client.right, client.bottom}, kFrameDark);
  fill(dc, RECT{client.right - 1, client.top, client.right, client.bottom}, kFrameDark);
  RestoreDC(dc, saved);
}

}  // namespace

std::optional<std::intptr_t> Win32ZelHooks::other_message(const platform::Message& message) {
  if (message.id == WM_SIZE) {
    // The system repaints only the part a larger window gains, but the plain
    // face's frame moves with the edges: repaint it all. Where the skin's
    // picture covers the window, the erase draws nothing.
    if (const HWND window = platform::win32::to_hwnd(panel_window_id()))
      InvalidateRect(window, nullptr, TRUE);
    return ZelHooks::other_message(message);
  }
  if (message.id == WM_ERASEBKGND) {
    const auto dc = reinterpret_cast<HDC>(message.wparam);
    const HWND window = WindowFromDC(dc);
    if (window == nullptr) return std::nullopt;
    paint_plain_face(window, dc, surfaces().size(skin::SurfaceRole::kNormal));
    return 1;
  }
  return ZelHooks::other_message(message);
}

}  // namespace zel::app
