#pragma once
// The win32 backend of the whole seam, owned in one object: WinMain makes it,
// hands platform() to the core, and keeps it alive until the core is gone.
#include <windows.h>

#include "panel/platform/platform.h"
#include "panel/platform/win32/win32_library_loader.h"
#include "panel/platform/win32/win32_message_loop.h"
#include "panel/platform/win32/win32_system_services.h"
#include "panel/platform/win32/win32_window_system.h"

namespace zel::platform::win32 {

class Win32Platform {
 public:
  // `instance`: the program's module (its resources and window classes).
  explicit Win32Platform(HINSTANCE instance) : windows_(instance), loop_(instance) {}
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Platform platform() {
    return Platform{windows_, timers_, message_boxes_, power_, hot_keys_, process_, profiles_, loop_, libraries_};
  }

 private:
  Win32WindowSystem windows_;
  Win32Timers timers_;
  Win32MessageBoxes message_boxes_;
  Win32PowerSettings power_;
  Win32HotKeys hot_keys_;
  Win32ProcessServices process_;
  Win32Profiles profiles_;
  Win32MessageLoop loop_;
  Win32LibraryLoader libraries_;
};

}  // namespace zel::platform::win32
