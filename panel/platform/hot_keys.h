#pragma once
// Global hot keys (RegisterHotKey).
//
// Contract: while registered, the key combination anywhere on the desktop
// posts WM_HOTKEY with wparam = id to `window`. Registering a combination that
// another window holds fails. Registrations end with the window.
#include <cstdint>

#include "panel/platform/types.h"

namespace zel::platform {

class HotKeys {
 public:
  virtual ~HotKeys() = default;
  virtual bool register_hot_key(WindowId window, int id, std::uint32_t modifiers,
                                std::uint32_t virtual_key) = 0;
};

}  // namespace zel::platform
