#include "panel/platform/win32/win32_message_loop.h"

namespace zel::platform::win32 {

bool Win32MessageLoop::load_accelerators(int resource_id) {
  accelerators_ = LoadAcceleratorsA(instance_, MAKEINTRESOURCEA(resource_id));
  return accelerators_ != nullptr;
}

int Win32MessageLoop::run() {
  MSG message;
  for (;;) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return 0;
    if (accelerators_ != nullptr && TranslateAcceleratorA(message.hwnd, accelerators_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace zel::platform::win32
