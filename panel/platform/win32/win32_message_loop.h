#pragma once
// MessageLoop over LoadAcceleratorsA and the GetMessageA loop.
#include <windows.h>

#include "panel/platform/message_loop.h"

namespace zel::platform::win32 {

class Win32MessageLoop final : public MessageLoop {
 public:
  // `instance`: the module whose resources hold the accelerator tables.
  explicit Win32MessageLoop(HINSTANCE instance) : instance_(instance) {}

  bool load_accelerators(int resource_id) override;
  // Each message goes to TranslateAcceleratorA for the window it is addressed
  // to, and only when that does not take it to TranslateMessage and
  // DispatchMessageA. The WM_QUIT code, or 0 when GetMessageA fails.
  int run() override;

 private:
  HINSTANCE instance_;
  HACCEL accelerators_ = nullptr;
};

}  // namespace zel::platform::win32
