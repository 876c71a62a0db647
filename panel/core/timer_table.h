#pragma once
// The panel window's timers: every id with its period and whether it repeats.
// A one-shot timer is killed by its own tick. Handlers that start a timer take
// the period from here.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "panel/core/commands.h"

namespace zel::core {

struct TimerRow {
  std::uint32_t id;
  std::uint32_t period_ms;  // the period it is started with
  bool repeating;
  std::string_view purpose;
};

std::span<const TimerRow> timer_table();
// The row of a timer id; nullopt for an id the panel never starts.
std::optional<TimerRow> timer_row(std::uint32_t id);

}  // namespace zel::core
