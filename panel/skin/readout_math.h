#pragma once
// The arithmetic of the LCD readouts: how a value becomes digits, how long a
// bar is lit, which scale the time-shift bar uses. Pure functions; readouts.h
// draws what they give.
//
// Every digit these return is 0-9, so a readout never reaches past the ten
// digit images of the sheet, and no bar is longer than its track. Values
// outside what a readout can show are clamped first:
//  - channel: negative shows 000; above 999 the three lowest places show;
//  - FM frequency: negative shows 0000; above 9999 the four lowest places;
//  - capture time: negative shows 00:00:00; 100 hours or more show 99 hours;
//  - file size: negative shows 00000000, 100 000 000 or more 99999999;
//  - clock fields outside their range are pulled to the nearest valid value;
//  - volume: below 0 as 0, above 220 as 220;
//  - time-shift share: position below 0 as 0, above total as total; a total
//    of 0 or less lights nothing.
#include <array>
#include <cstdint>

#include "panel/platform/local_clock.h"

namespace zel::skin {

inline constexpr int kMaxVolume = 220;

// Units first.
std::array<int, 3> channel_digits(std::int64_t channel);
std::array<int, 4> fm_digits(std::int64_t frequency);
// Position 1 (units) first; position 8 is the value's ten-millions.
std::array<int, 8> file_size_digits(std::int64_t value);

// Six digits in display order: tens of hours, hours, tens of minutes,
// minutes, tens of seconds, seconds.
using TimeDigits = std::array<int, 6>;
TimeDigits clock_digits(platform::LocalTime time);
// A recording's length of `seconds`.
TimeDigits capture_time_digits(std::int64_t seconds);
// The wall-clock time `seconds` after the time-shift start.
TimeDigits time_shift_time_digits(std::int64_t seconds, platform::LocalTime start);

// How much of a bar of `extent` pixels the volume lights: extent * v / 220.
int volume_fill(int extent, int volume);

// How much of a track of `width` pixels the recorded share lights:
// width * position / total.
int lit_width(int width, std::int32_t position, std::int32_t total);

// Six-second units from the time-shift start to `now`; an hour below the
// start's hour counts as the next day. Never negative.
std::int32_t elapsed_units(platform::LocalTime start, platform::LocalTime now);

// The scale (in six-second units) of the time-shift bar for `elapsed` units:
// the first row of the scale table whose bound `elapsed` does not exceed.
std::int32_t time_shift_scale(std::int32_t elapsed);
inline constexpr std::int32_t kInitialTimeShiftScale = 100;

}  // namespace zel::skin
