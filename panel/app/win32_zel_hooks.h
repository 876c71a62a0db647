#pragma once
// ZelHooks as ZEL.exe runs them on Windows: the same hooks, plus the
// window's background. The panel's class has no background brush, because
// the skin's pictures cover the whole window; where they do not (a skin set
// without its bitmaps, or with pictures smaller than the window), the
// background is the panel's plain face with a frame, so the borderless window
// never shows whatever was on the screen beneath it.
#include <cstdint>
#include <optional>

#include "panel/app/zel_hooks.h"

namespace zel::app {

class Win32ZelHooks final : public ZelHooks {
 public:
  using ZelHooks::ZelHooks;

  // WM_ERASEBKGND: the plain face where the Normal picture does not reach.
  // WM_SIZE: the whole window is painted again, background included.
  // Everything else as ZelHooks.
  std::optional<std::intptr_t> other_message(const platform::Message& message) override;
};

}  // namespace zel::app
