#include "panel/app/plain_panel_hooks.h"

#include <windows.h>

#include "panel/platform/win32/win32_window_system.h"

namespace zel::app {
namespace {

constexpr COLORREF kFace = RGB(44, 48, 56);
constexpr COLORREF kFrameLight = RGB(112, 118, 130);
constexpr COLORREF kFrameDark = RGB(16, 18, 22);

void paint_plain_panel(HWND window) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);

  const HBRUSH face = CreateSolidBrush(kFace);
  FillRect(dc, &client, face);
  DeleteObject(face);

  const HBRUSH light = CreateSolidBrush(kFrameLight);
  const HBRUSH dark = CreateSolidBrush(kFrameDark);
  const RECT top{client.left, client.top, client.right, client.top + 1};
  const RECT left{client.left, client.top, client.left + 1, client.bottom};
  const RECT bottom{client.left, client.bottom - 1, client.right, client.bottom};
  const RECT right{client.right - 1, client.top, client.right, client.bottom};
  FillRect(dc, &top, light);
  FillRect(dc, &left, light);
  FillRect(dc, &bottom, dark);
  FillRect(dc, &right, dark);
  DeleteObject(light);
  DeleteObject(dark);

  EndPaint(window, &paint);
}

}  // namespace

std::optional<std::intptr_t> PlainPanelHooks::other_message(const platform::Message& message) {
  if (message.id == platform::wm::kPaint && panel_ != nullptr && panel_->state().panelWindow) {
    paint_plain_panel(platform::win32::to_hwnd(panel_->state().panelWindow));
    return 0;
  }
  return core::PanelHooks::other_message(message);
}

}  // namespace zel::app
