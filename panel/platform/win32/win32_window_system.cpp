#include "panel/platform/win32/win32_window_system.h"

#include <string>

namespace zel::platform::win32 {
namespace {

std::string c_string(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

WindowHandler* handler_of(HWND window) {
  return reinterpret_cast<WindowHandler*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  WindowHandler* handler = handler_of(window);
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  if (handler != nullptr) {
    const Message decoded{message, static_cast<std::uintptr_t>(wparam), static_cast<std::intptr_t>(lparam)};
    if (const auto result = handler->handle(to_window_id(window), decoded)) {
      return static_cast<LRESULT>(*result);
    }
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

Win32WindowSystem::~Win32WindowSystem() {
  // A handle of a window that is gone may since name another window; only a
  // window that still holds the handler it was created with is ours.
  for (const auto& [window, handler] : created_) {
    if (IsWindow(window) && handler_of(window) == handler) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  }
}

WindowId Win32WindowSystem::find_window(std::optional<std::string_view> class_name,
                                        std::optional<std::string_view> title) {
  const std::string class_text = class_name ? c_string(*class_name) : std::string();
  const std::string title_text = title ? c_string(*title) : std::string();
  return to_window_id(FindWindowA(class_name ? class_text.c_str() : nullptr,
                                  title ? title_text.c_str() : nullptr));
}

bool Win32WindowSystem::post_message(WindowId window, const Message& message) {
  return PostMessageA(to_hwnd(window), message.id, static_cast<WPARAM>(message.wparam),
                      static_cast<LPARAM>(message.lparam)) != FALSE;
}

std::intptr_t Win32WindowSystem::send_message(WindowId window, const Message& message) {
  return static_cast<std::intptr_t>(SendMessageA(to_hwnd(window), message.id,
                                                 static_cast<WPARAM>(message.wparam),
                                                 static_cast<LPARAM>(message.lparam)));
}

bool Win32WindowSystem::show_window(WindowId window, Show how) {
  return ShowWindow(to_hwnd(window), static_cast<int>(how)) != FALSE;
}

void Win32WindowSystem::update_window(WindowId window) { UpdateWindow(to_hwnd(window)); }

bool Win32WindowSystem::set_foreground_window(WindowId window) {
  return SetForegroundWindow(to_hwnd(window)) != FALSE;
}

void Win32WindowSystem::set_z_band(WindowId window, ZBand band) {
  SetWindowPos(to_hwnd(window), band == ZBand::kTopmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE);
}

void Win32WindowSystem::set_focus(WindowId window) { SetFocus(to_hwnd(window)); }

bool Win32WindowSystem::destroy_window(WindowId window) { return DestroyWindow(to_hwnd(window)) != FALSE; }

bool Win32WindowSystem::register_window_class(const WindowClassSpec& wanted) {
  const std::string name = c_string(wanted.name);
  const std::string menu = c_string(wanted.menu_name);
  WNDCLASSA window_class = {};
  window_class.style = wanted.style;
  window_class.lpfnWndProc = window_procedure;
  window_class.hInstance = instance_;
  if (wanted.icon_resource != 0) window_class.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(wanted.icon_resource));
  if (wanted.cursor_resource != 0) {
    window_class.hCursor = LoadCursorA(instance_, MAKEINTRESOURCEA(wanted.cursor_resource));
  }
  window_class.lpszMenuName = menu.empty() ? nullptr : menu.c_str();
  window_class.lpszClassName = name.c_str();
  return RegisterClassA(&window_class) != 0;
}

WindowId Win32WindowSystem::create_window(const WindowSpec& request, WindowHandler& handler) {
  const std::string class_name = c_string(request.class_name);
  const std::string title = c_string(request.title);
  const HWND window = CreateWindowExA(request.ex_style, class_name.c_str(), title.c_str(), request.style,
                                      request.rect.left, request.rect.top, request.rect.width(), request.rect.height(),
                                      to_hwnd(request.parent), nullptr, instance_, &handler);
  if (window != nullptr) created_.emplace_back(window, &handler);
  return to_window_id(window);
}

Size Win32WindowSystem::screen_size() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32WindowSystem::post_quit(int exit_code) { PostQuitMessage(exit_code); }

}  // namespace zel::platform::win32
