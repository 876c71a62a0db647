#include "panel/core/timer_table.h"

#include <algorithm>

namespace zel::core {
namespace {

// Periods that change while a timer runs (117 restarts with 150 ms; 127's
// first tick comes after 50, 1000 or 1 ms) are set by their handlers; the
// period here is the one a timer starts with.
constexpr TimerRow kTimers[] = {
    {timer::kClock, 333, true, "redraw the clock readout"},
    {timer::kButtonRepeat, 600, false, "button auto-repeat (600 at press, then 150)"},
    {timer::kDigitTimeout, 2000, false, "digit-entry time-out"},
    {timer::kChannelStepDown, 1, false, "one channel step down"},
    {timer::kChannelStepUp, 1, false, "one channel step up"},
    {timer::kPictureAdjustEnd, 2000, false, "leave picture adjust mode"},
    {timer::kPictureValueDown, 1, false, "picture value down"},
    {timer::kPictureValueUp, 1, false, "picture value up"},
    {timer::kFmStepUp, 400, false, "FM frequency up"},
    {timer::kFmStepDown, 400, false, "FM frequency down"},
    {timer::kTimeShiftProgress, 1000, true, "time-shift progress"},
    {timer::kSeekThrottle, 100, false, "seek throttle"},
    {timer::kSoundAdjustEnd, 2000, false, "leave sound adjust mode"},
    {timer::kSoundValueUp, 1, false, "sound value up"},
    {timer::kSoundValueDown, 1, false, "sound value down"},
    {timer::kDeviceWatch, 3000, true, "close the panel when the TV window is gone"},
    {timer::kRecordToggleReady, 3000, false, "allow the next record toggle"},
};

}  // namespace

std::span<const TimerRow> timer_table() { return kTimers; }

std::optional<TimerRow> timer_row(std::uint32_t id) {
  const auto* row = std::find_if(std::begin(kTimers), std::end(kTimers),
                                 [id](const TimerRow& r) { return r.id == id; });
  if (row == std::end(kTimers)) return std::nullopt;
  return *row;
}

}  // namespace zel::core
