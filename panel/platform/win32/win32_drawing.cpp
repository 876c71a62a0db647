#include "panel/platform/win32/win32_drawing.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "panel/platform/win32/win32_window_system.h"

namespace zel::platform::win32 {
namespace {

std::string c_string(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

// A window this thread can still draw on; IsWindow for a null handle is false.
HWND live_window(WindowId window) {
  const HWND hwnd = to_hwnd(window);
  return IsWindow(hwnd) ? hwnd : nullptr;
}

// TTM_SETDELAYTIME carries the delay in the low word.
LPARAM delay_word(std::uint32_t ms) { return MAKELPARAM(std::min<std::uint32_t>(ms, 0xFFFFu), 0); }

}  // namespace

Win32Drawing::~Win32Drawing() {
  for (auto& [id, surface] : surfaces_) free_surface(surface);
}

// ---------------------------------------------------------------- surfaces

const Win32Drawing::Surface* Win32Drawing::find(SurfaceId id) const {
  const auto it = surfaces_.find(id.value);
  return it == surfaces_.end() ? nullptr : &it->second;
}

HDC Win32Drawing::surface_dc(SurfaceId surface) const {
  const Surface* s = find(surface);
  return s == nullptr ? nullptr : s->dc;
}

void Win32Drawing::free_surface(Surface& surface) {
  SelectObject(surface.dc, surface.previous);
  DeleteDC(surface.dc);
  DeleteObject(surface.bitmap);
}

SurfaceId Win32Drawing::load_bitmap(WindowId window, std::string_view path) {
  const std::string file = c_string(path);
  const auto bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (bitmap == nullptr) return kNoSurface;
  BITMAP info = {};
  if (GetObjectA(bitmap, sizeof info, &info) == 0) {
    DeleteObject(bitmap);
    return kNoSurface;
  }
  // A null window stands for the screen, which is what GetDC(nullptr) gives.
  const HWND hwnd = live_window(window);
  const HDC screen = GetDC(hwnd);
  const HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(hwnd, screen);
  if (dc == nullptr) {
    DeleteObject(bitmap);
    return kNoSurface;
  }
  const SurfaceId id{next_surface_++};
  surfaces_[id.value] = Surface{dc, bitmap, SelectObject(dc, bitmap), Size{info.bmWidth, info.bmHeight}};
  return id;
}

void Win32Drawing::release_surface(SurfaceId surface) {
  const auto it = surfaces_.find(surface.value);
  if (it == surfaces_.end()) return;
  free_surface(it->second);
  surfaces_.erase(it);
}

Size Win32Drawing::surface_size(SurfaceId surface) {
  const Surface* s = find(surface);
  return s == nullptr ? Size{} : s->size;
}

// GDI would read whatever lies beside the bitmap as black on some systems and
// not at all on others; cutting the rectangle to the picture here makes every
// system copy the same pixels.
void Win32Drawing::blit(const Surface& from, const Rect& source, HDC to_dc, Point at) {
  const int left = std::max(source.left, 0);
  const int top = std::max(source.top, 0);
  const int right = std::min(source.right, from.size.width);
  const int bottom = std::min(source.bottom, from.size.height);
  if (left >= right || top >= bottom) return;
  // Skin coordinates stay within +-32767, so these sums cannot overflow.
  BitBlt(to_dc, at.x + (left - source.left), at.y + (top - source.top), right - left, bottom - top, from.dc,
         left, top, SRCCOPY);
}

void Win32Drawing::copy(SurfaceId from, const Rect& source, SurfaceId to, Point at) {
  const Surface* src = find(from);
  const Surface* dst = find(to);
  if (src == nullptr || dst == nullptr) return;
  blit(*src, source, dst->dc, at);
}

void Win32Drawing::copy_to_window(SurfaceId from, const Rect& source, WindowId window, Point at) {
  const Surface* src = find(from);
  if (src == nullptr) return;
  const HWND hwnd = live_window(window);
  if (hwnd == nullptr) return;
  if (painting_ && painting_->window == hwnd) {
    blit(*src, source, painting_->dc, at);
    return;
  }
  const HDC dc = GetDC(hwnd);
  if (dc == nullptr) return;
  blit(*src, source, dc, at);
  ReleaseDC(hwnd, dc);
}

void Win32Drawing::begin_paint(WindowId window) {
  const HWND hwnd = live_window(window);
  if (hwnd == nullptr) return;
  Painting painting;
  painting.window = hwnd;
  painting.dc = BeginPaint(hwnd, &painting.paint);
  if (painting.dc != nullptr) painting_ = painting;
}

void Win32Drawing::end_paint(WindowId window) {
  if (!painting_ || painting_->window != to_hwnd(window)) return;
  EndPaint(painting_->window, &painting_->paint);
  painting_.reset();
}

void Win32Drawing::invalidate_window(WindowId window) {
  if (const HWND hwnd = live_window(window)) InvalidateRect(hwnd, nullptr, FALSE);
}

// ---------------------------------------------------------------- cursors

CursorId Win32Drawing::load_cursor(int resource_id) {
  if (resource_id <= 0 || resource_id > 0xFFFF) return kNoCursor;
  const HCURSOR cursor = LoadCursorA(instance_, MAKEINTRESOURCEA(resource_id));
  return CursorId{reinterpret_cast<std::uintptr_t>(cursor)};
}

void Win32Drawing::set_cursor(CursorId cursor) { SetCursor(reinterpret_cast<HCURSOR>(cursor.value)); }

// ---------------------------------------------------------------- tooltips

WindowId Win32Drawing::create_tooltips(const TooltipDelays& delays) {
  if (!common_controls_ready_) {
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES};
    common_controls_ready_ = InitCommonControlsEx(&init) != FALSE;
  }
  const HWND control = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_, nullptr);
  if (control == nullptr) return kNoWindow;
  SetWindowPos(control, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageA(control, TTM_ACTIVATE, TRUE, 0);
  SendMessageA(control, TTM_SETDELAYTIME, TTDT_INITIAL, delay_word(delays.initial_ms));
  SendMessageA(control, TTM_SETDELAYTIME, TTDT_AUTOPOP, delay_word(delays.auto_hide_ms));
  SendMessageA(control, TTM_SETDELAYTIME, TTDT_RESHOW, delay_word(delays.reshow_ms));
  return to_window_id(control);
}

bool Win32Drawing::add_tool(WindowId control, const TooltipTool& tool) {
  const HWND hwnd = live_window(control);
  if (hwnd == nullptr) return false;
  std::string text = c_string(tool.text);
  TOOLINFOA info = {};
  // The size every common-controls version takes (up to lParam); the larger
  // structure of newer headers is refused by the older controls.
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.uFlags = TTF_SUBCLASS;
  info.hwnd = to_hwnd(tool.owner);
  info.uId = tool.id;
  info.rect = RECT{tool.rect.left, tool.rect.top, tool.rect.right, tool.rect.bottom};
  info.lpszText = text.data();
  return SendMessageA(hwnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void Win32Drawing::destroy_tooltips(WindowId control) {
  if (const HWND hwnd = live_window(control)) DestroyWindow(hwnd);
}

// ---------------------------------------------------------------- geometry

std::optional<Rect> Win32Drawing::window_rect(WindowId window) {
  const HWND hwnd = live_window(window);
  RECT r;
  if (hwnd == nullptr || !GetWindowRect(hwnd, &r)) return std::nullopt;
  return Rect{r.left, r.top, r.right, r.bottom};
}

bool Win32Drawing::move_window(WindowId window, const Rect& rect, bool repaint) {
  const HWND hwnd = live_window(window);
  return hwnd != nullptr &&
         MoveWindow(hwnd, rect.left, rect.top, rect.width(), rect.height(), repaint ? TRUE : FALSE) != FALSE;
}

bool Win32Drawing::resize_window(WindowId window, Size size) {
  const HWND hwnd = live_window(window);
  return hwnd != nullptr &&
         SetWindowPos(hwnd, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER) != FALSE;
}

bool Win32Drawing::set_window_polygon(WindowId window, const std::vector<Point>& points) {
  const HWND hwnd = live_window(window);
  if (hwnd == nullptr || points.empty()) return false;
  std::vector<POINT> corners;
  corners.reserve(points.size());
  for (const Point& p : points) corners.push_back(POINT{p.x, p.y});
  const HRGN region = CreatePolygonRgn(corners.data(), static_cast<int>(corners.size()), WINDING);
  if (region == nullptr) return false;
  // Points on one line give an empty region, which would hide the window:
  // that is no outline either.
  RECT box;
  if (GetRgnBox(region, &box) == NULLREGION || SetWindowRgn(hwnd, region, TRUE) == 0) {
    DeleteObject(region);
    return false;
  }
  return true;  // the window owns the region now
}

// ---------------------------------------------------------------- clock

LocalTime Win32Drawing::local_time() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return LocalTime{now.wHour, now.wMinute, now.wSecond};
}

}  // namespace zel::platform::win32
