#include "panel/skin/readout_math.h"

#include <algorithm>
#include <cstdint>

namespace zel::skin {

namespace {

constexpr std::int64_t kMaxFileSize = 99'999'999;
constexpr std::int64_t kMaxCaptureHours = 99;

int digit(std::int64_t value) { return static_cast<int>(value % 10); }

TimeDigits time_digits(std::int64_t hours, std::int64_t minutes, std::int64_t seconds) {
  return {digit(hours / 10), digit(hours),        digit(minutes / 10),
          digit(minutes),    digit(seconds / 10), digit(seconds)};
}

struct ScaleRow {
  std::int32_t bound;
  std::int32_t scale;
};

constexpr ScaleRow kScales[] = {
    {50, 100},      {100, 200},      {200, 300},       {300, 600},    {600, 1200},
    {1200, 2400},   {2400, 4800},    {4800, 9600},     {9600, 19200}, {19200, 38400},
    {38400, 76800}, {76800, 153600}, {153600, 307200},
};
constexpr std::int32_t kLargestScale = 614400;

std::int64_t seconds_of_day(platform::LocalTime t) {
  return static_cast<std::int64_t>(t.hour) * 3600 + static_cast<std::int64_t>(t.minute) * 60 +
         t.second;
}

}  // namespace

std::array<int, 3> channel_digits(std::int64_t channel) {
  channel = std::max<std::int64_t>(channel, 0);
  std::array<int, 3> out{};
  std::int64_t power = 1;
  for (int& d : out) {
    // The quotient is cut to 16 bits before the place is taken.
    d = static_cast<int>(static_cast<std::uint16_t>(channel / power) % 10);
    power *= 10;
  }
  return out;
}

std::array<int, 4> fm_digits(std::int64_t frequency) {
  frequency = std::max<std::int64_t>(frequency, 0);
  return {digit(frequency), digit(frequency / 10), digit(frequency / 100), digit(frequency / 1000)};
}

std::array<int, 8> file_size_digits(std::int64_t value) {
  value = std::clamp<std::int64_t>(value, 0, kMaxFileSize);
  std::array<int, 8> out{};
  for (int& d : out) {
    d = digit(value);
    value /= 10;
  }
  return out;
}

TimeDigits clock_digits(platform::LocalTime time) {
  return time_digits(std::clamp(time.hour, 0, 23), std::clamp(time.minute, 0, 59),
                     std::clamp(time.second, 0, 59));
}

TimeDigits capture_time_digits(std::int64_t seconds) {
  seconds = std::max<std::int64_t>(seconds, 0);
  const std::int64_t hours = std::min(seconds / 3600, kMaxCaptureHours);
  return time_digits(hours, seconds / 60 % 60, seconds % 60);
}

TimeDigits time_shift_time_digits(std::int64_t seconds, platform::LocalTime start) {
  const std::int64_t from = seconds_of_day(platform::LocalTime{std::clamp(start.hour, 0, 23),
                                                               std::clamp(start.minute, 0, 59),
                                                               std::clamp(start.second, 0, 59)});
  const std::int64_t at = (from + std::max<std::int64_t>(seconds, 0)) % (24 * 3600);
  return time_digits(at / 3600, at / 60 % 60, at % 60);
}

int volume_fill(int extent, int volume) {
  if (extent <= 0) return 0;
  return static_cast<int>(static_cast<std::int64_t>(extent) * std::clamp(volume, 0, kMaxVolume) /
                          kMaxVolume);
}

int lit_width(int width, std::int32_t position, std::int32_t total) {
  if (width <= 0 || total <= 0) return 0;
  return static_cast<int>(static_cast<std::int64_t>(width) * std::clamp(position, 0, total) /
                          total);
}

std::int32_t elapsed_units(platform::LocalTime start, platform::LocalTime now) {
  if (now.hour < start.hour) now.hour += 24;
  const std::int64_t seconds = seconds_of_day(now) - seconds_of_day(start);
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(seconds, 0, INT32_MAX) / 6);
}

std::int32_t time_shift_scale(std::int32_t elapsed) {
  for (const ScaleRow& row : kScales) {
    if (elapsed <= row.bound) return row.scale;
  }
  return kLargestScale;
}

}  // namespace zel::skin
