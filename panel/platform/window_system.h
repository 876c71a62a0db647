#pragma once
// Windows and messages: what the panel asks of the window manager.
//
// Contract:
//  - Windows of all programs on the desktop are addressed by WindowId; a
//    window found by class and title may belong to another process.
//  - send_message delivers at once and returns the receiver's result. The
//    receiver may send messages back before it returns (another program
//    answering a question); those run inside the wait, on this thread, and may
//    change the sender's state before send_message returns.
//  - post_message queues the message for the receiver's message loop and
//    returns at once. Posting to kNoWindow succeeds and the message is lost
//    (Windows makes it a thread message, which the panel's loop discards).
//    Sending to kNoWindow or to a window that no longer exists does nothing
//    and returns 0.
//  - The panel's own windows are created with a WindowHandler; every message
//    for such a window (WM_CREATE during create_window, WM_DESTROY during
//    destroy_window, sent and posted messages, WM_TIMER, WM_HOTKEY,
//    WM_DEVICECHANGE) reaches WindowHandler::handle on the panel's thread.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "panel/platform/types.h"

namespace zel::platform {

// Implemented by the core for each window it creates.
class WindowHandler {
 public:
  virtual ~WindowHandler() = default;
  // The result of the message, or nullopt to leave it to the default window
  // procedure (which, for instance, destroys the window on WM_CLOSE).
  virtual std::optional<std::intptr_t> handle(WindowId self, const Message& message) = 0;
};

// RegisterClassA. The icon and cursor are resource ids of the program.
struct WindowClassSpec {
  std::string name;
  std::uint32_t style = 0;
  int icon_resource = 0;
  int cursor_resource = 0;
  std::string menu_name;
};

// CreateWindowExA.
struct WindowSpec {
  std::uint32_t ex_style = 0;
  std::string class_name;
  std::string title;
  std::uint32_t style = 0;
  Rect rect;
  WindowId parent;
};

// The z-order bands of SetWindowPos (HWND_TOPMOST / HWND_NOTOPMOST with
// SWP_NOMOVE | SWP_NOSIZE: position and size stay as they are).
enum class ZBand { kTopmost, kNormal };

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // FindWindowA. nullopt matches any class or any title; kNoWindow if none.
  virtual WindowId find_window(std::optional<std::string_view> class_name,
                               std::optional<std::string_view> title) = 0;
  virtual bool post_message(WindowId window, const Message& message) = 0;
  virtual std::intptr_t send_message(WindowId window, const Message& message) = 0;

  // ShowWindow; returns whether the window was visible before.
  virtual bool show_window(WindowId window, Show how) = 0;
  virtual void update_window(WindowId window) = 0;
  virtual bool set_foreground_window(WindowId window) = 0;
  virtual void set_z_band(WindowId window, ZBand band) = 0;
  virtual void set_focus(WindowId window) = 0;
  // DestroyWindow: the window's handler gets WM_DESTROY before it returns.
  virtual bool destroy_window(WindowId window) = 0;

  virtual bool register_window_class(const WindowClassSpec& window_class) = 0;
  // CreateWindowExA. WM_CREATE reaches `handler` before this returns; the
  // handler must outlive the window. kNoWindow on failure.
  virtual WindowId create_window(const WindowSpec& request, WindowHandler& handler) = 0;

  // Size of the primary screen (GetSystemMetrics SM_CXSCREEN, SM_CYSCREEN).
  virtual Size screen_size() = 0;

  // PostQuitMessage: the message loop ends with this code once it gets there.
  virtual void post_quit(int exit_code) = 0;
};

}  // namespace zel::platform
