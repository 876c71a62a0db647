#pragma once
// The command gates: which panel commands may run during time shift and
// during a recording. Applied to every WM_COMMAND of the panel window before
// its handler, from whatever sender; a command they stop is dropped without
// effect (even 40113, so a recording keeps `busy` as it was).
//
// In this order:
//  1. during time shift only the commands marked kInTimeShift pass;
//  2. outside time shift the commands marked kOnlyInTimeShift are dropped;
//  3. during a recording only the commands marked kInRecording pass.
#include <cstdint>
#include <span>

#include "panel/core/commands.h"

namespace zel::core {

namespace gate {
inline constexpr std::uint8_t kInTimeShift = 1;
inline constexpr std::uint8_t kOnlyInTimeShift = 2;
inline constexpr std::uint8_t kInRecording = 4;
}  // namespace gate

struct GateRow {
  CommandId command;
  std::uint8_t flags;
};

// The rows of every command with a gate flag; any other command has none.
std::span<const GateRow> gate_table();

bool passes_command_gates(CommandId command, bool time_shift, bool recording);

}  // namespace zel::core
