#pragma once
// WindowSystem over the user32 window functions.
//
// The window procedure of every class registered here only turns the Win32
// message into a platform::Message and hands it to the WindowHandler the
// window was created with; a handler that returns nullopt leaves the message
// to DefWindowProcA. The handler is attached at WM_NCCREATE (so WM_CREATE
// reaches it inside create_window) and detached at WM_NCDESTROY; messages
// before WM_NCCREATE go to DefWindowProcA.
//
// Destroying this object detaches the handlers of the windows it created that
// still exist: the system may send them messages (WM_DESTROY at thread exit)
// after the objects that handled them are gone.
#include <windows.h>

#include <utility>
#include <vector>

#include "panel/platform/window_system.h"

namespace zel::platform::win32 {

inline HWND to_hwnd(WindowId window) { return reinterpret_cast<HWND>(window.value); }
inline WindowId to_window_id(HWND window) { return WindowId{reinterpret_cast<std::uintptr_t>(window)}; }

class Win32WindowSystem final : public WindowSystem {
 public:
  // `instance`: the module whose resources hold the class icons and cursors
  // and which owns the classes.
  explicit Win32WindowSystem(HINSTANCE instance) : instance_(instance) {}
  ~Win32WindowSystem() override;
  Win32WindowSystem(const Win32WindowSystem&) = delete;
  Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

  WindowId find_window(std::optional<std::string_view> class_name,
                       std::optional<std::string_view> title) override;
  bool post_message(WindowId window, const Message& message) override;
  std::intptr_t send_message(WindowId window, const Message& message) override;
  bool show_window(WindowId window, Show how) override;
  void update_window(WindowId window) override;
  bool set_foreground_window(WindowId window) override;
  void set_z_band(WindowId window, ZBand band) override;
  void set_focus(WindowId window) override;
  bool destroy_window(WindowId window) override;
  bool register_window_class(const WindowClassSpec& wanted) override;
  WindowId create_window(const WindowSpec& request, WindowHandler& handler) override;
  Size screen_size() override;
  void post_quit(int exit_code) override;

 private:
  HINSTANCE instance_;
  std::vector<std::pair<HWND, WindowHandler*>> created_;
};

}  // namespace zel::platform::win32
