#pragma once
// Window timers (SetTimer / KillTimer on one of the panel's windows).
//
// Contract: a timer is identified by its window and id. Setting a timer that
// exists restarts it with the new period (the next tick comes one full period
// later). A tick arrives as WM_TIMER with wparam = id through the window's
// handler, from the message loop, never inside another call. A timer runs
// until it is killed or its window is destroyed; ticks that fall due while
// the thread is busy are merged into one.
#include <cstdint>

#include "panel/platform/types.h"

namespace zel::platform {

class Timers {
 public:
  virtual ~Timers() = default;
  virtual bool set_timer(WindowId window, std::uint32_t id, std::uint32_t period_ms) = 0;
  // False when no such timer runs.
  virtual bool kill_timer(WindowId window, std::uint32_t id) = 0;
};

}  // namespace zel::platform
