#include "panel/core/command_gates.h"

#include <algorithm>

namespace zel::core {
namespace {

using namespace gate;

constexpr GateRow kGates[] = {
    {cmd::kVolumeDown, kInTimeShift | kInRecording},
    {cmd::kVolumeUp, kInTimeShift | kInRecording},
    {cmd::kPlay, kInTimeShift | kOnlyInTimeShift},
    {cmd::kToEnd, kInTimeShift | kOnlyInTimeShift},
    {cmd::kToStart, kInTimeShift | kOnlyInTimeShift},
    {cmd::kPause, kInTimeShift | kOnlyInTimeShift},
    {cmd::kStop, kInTimeShift | kOnlyInTimeShift},
    {cmd::kTimeShift, kInTimeShift},
    {cmd::kRequestDone, kInTimeShift},
    {cmd::kTimeShiftMarker, kInTimeShift | kOnlyInTimeShift},
    {cmd::kTimeShiftSeconds, kInTimeShift},
    {cmd::kUp, kInTimeShift | kInRecording},
    {cmd::kDown, kInTimeShift | kInRecording},
    {cmd::kFullScreen, kInTimeShift | kInRecording},
    {cmd::kPlayerTimeQuestion, kInTimeShift},
    {cmd::kRecord, kInRecording},
    {cmd::kRecordingState, kInRecording},
    {cmd::kCapturedFileA, kInRecording},
    {cmd::kFileSize, kInRecording},
    {cmd::kCaptureTime, kInRecording},
    {cmd::kCaptureEnded, kInRecording},
    {cmd::kSnapshotDone, kInRecording},
};

}  // namespace

std::span<const GateRow> gate_table() { return kGates; }

bool passes_command_gates(CommandId command, bool time_shift, bool recording) {
  const auto* row = std::find_if(std::begin(kGates), std::end(kGates),
                                 [command](const GateRow& r) { return r.command == command; });
  const std::uint8_t flags = row == std::end(kGates) ? 0 : row->flags;
  if (time_shift && (flags & kInTimeShift) == 0) return false;
  if (!time_shift && (flags & kOnlyInTimeShift) != 0) return false;
  if (recording && (flags & kInRecording) == 0) return false;
  return true;
}

}  // namespace zel::core
