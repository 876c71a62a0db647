#include "panel/skin/readouts.h"

#include <algorithm>

namespace zel::skin {

using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

// Where a readout's digits come from in the sheet.
struct DigitStrip {
  Readout origin_x, origin_y, pitch, width, height;
};

// A panel position: main-area coordinates with the content offset added.
Point panel_at(const PanelCanvas& c, Readout x, Readout y) {
  return {c.value(x) + c.layout.content_offset, c.value(y)};
}

void draw_digit(const PanelCanvas& c, const DigitStrip& strip, int digit, Point at, Both order) {
  // Skin values are within +-32767 and digit within 0-9: no overflow.
  const Rect cell = Rect::from_origin(
      {c.value(strip.origin_x) + digit * c.value(strip.pitch), c.value(strip.origin_y)},
      {c.value(strip.width), c.value(strip.height)});
  copy_to_both(c, SurfaceRole::kSheet, cell, at, order);
}

void sheet_image(const PanelCanvas& c, Readout sheet_x, Readout sheet_y, Readout width,
                 Readout height, Point at) {
  const Rect image =
      Rect::from_origin({c.value(sheet_x), c.value(sheet_y)}, {c.value(width), c.value(height)});
  copy_to_both(c, SurfaceRole::kSheet, image, at, Both::kWindowFirst);
}

// The six places of a time readout in display order, and its strip.
struct TimeReadout {
  Readout places[6][2];
  DigitStrip strip;
};

constexpr TimeReadout kClock = {
    {{Readout::kLcd10HourX, Readout::kLcd10HourY},
     {Readout::kLcdHourX, Readout::kLcdHourY},
     {Readout::kLcd10MinX, Readout::kLcd10MinY},
     {Readout::kLcdMinX, Readout::kLcdMinY},
     {Readout::kLcd10SecX, Readout::kLcd10SecY},
     {Readout::kLcdSecX, Readout::kLcdSecY}},
    {Readout::kLcdCurTimeX, Readout::kLcdCurTimeY, Readout::kLcdCurTimeOffset,
     Readout::kLcdCurTimeW, Readout::kLcdCurTimeH}};

constexpr TimeReadout kCaptureTime = {
    {{Readout::kLcdCap10HourX, Readout::kLcdCap10HourY},
     {Readout::kLcdCapHourX, Readout::kLcdCapHourY},
     {Readout::kLcdCap10MinX, Readout::kLcdCap10MinY},
     {Readout::kLcdCapMinX, Readout::kLcdCapMinY},
     {Readout::kLcdCap10SecX, Readout::kLcdCap10SecY},
     {Readout::kLcdCapSecX, Readout::kLcdCapSecY}},
    {Readout::kLcdCapTimeX, Readout::kLcdCapTimeY, Readout::kLcdCapTimeOffset,
     Readout::kLcdCapTimeW, Readout::kLcdCapTimeH}};

void draw_time(const PanelCanvas& c, const TimeReadout& readout, const TimeDigits& digits) {
  for (int i = 5; i >= 0; --i) {
    const auto& place = readout.places[i];
    draw_digit(c, readout.strip, digits[static_cast<std::size_t>(i)],
               panel_at(c, place[0], place[1]), Both::kNormalFirst);
  }
}

constexpr DigitStrip kChannelStrip{Readout::kOsdNumForChX, Readout::kOsdNumForChY, Readout::kChNumW,
                                   Readout::kChNumW, Readout::kChNumH};
constexpr DigitStrip kFmStrip{Readout::kFmNumX, Readout::kFmNumY, Readout::kFmNumW,
                              Readout::kFmNumW, Readout::kFmNumH};
constexpr DigitStrip kFileSizeStrip{Readout::kLcdCapFileSizeX, Readout::kLcdCapFileSizeY,
                                    Readout::kLcdCapFileSizeOffset, Readout::kLcdCapFileSizeW,
                                    Readout::kLcdCapFileSizeH};

constexpr Readout kFmPlaces[4][2] = {{Readout::kFmNum1X, Readout::kFmNum1Y},
                                     {Readout::kFmNum2X, Readout::kFmNum2Y},
                                     {Readout::kFmNum3X, Readout::kFmNum3Y},
                                     {Readout::kFmNum4X, Readout::kFmNum4Y}};

constexpr Readout kFileSizePlaces[8][2] = {
    {Readout::kLcdCapFileSize1X, Readout::kLcdCapFileSize1Y},
    {Readout::kLcdCapFileSize2X, Readout::kLcdCapFileSize2Y},
    {Readout::kLcdCapFileSize3X, Readout::kLcdCapFileSize3Y},
    {Readout::kLcdCapFileSize4X, Readout::kLcdCapFileSize4Y},
    {Readout::kLcdCapFileSize5X, Readout::kLcdCapFileSize5Y},
    {Readout::kLcdCapFileSize6X, Readout::kLcdCapFileSize6Y},
    {Readout::kLcdCapFileSize7X, Readout::kLcdCapFileSize7Y},
    {Readout::kLcdCapFileSize8X, Readout::kLcdCapFileSize8Y}};

}  // namespace

void show_channel_number(const PanelCanvas& c, std::int32_t channel) {
  const auto digits = channel_digits(channel);
  const Point units = panel_at(c, Readout::kOsdTunerFirstNumX, Readout::kOsdTunerFirstNumY);
  const int spacing = c.value(Readout::kLcdTvChOffset);
  for (int k = 0; k < 3; ++k) {
    draw_digit(c, kChannelStrip, digits[static_cast<std::size_t>(k)],
               {units.x - k * spacing, units.y}, Both::kWindowFirst);
  }
}

void show_plate(const PanelCanvas& c, int kind) {
  Readout x, y;
  switch (kind) {
    case plate::kTv: x = Readout::kLcdChX, y = Readout::kLcdChY; break;
    case plate::kFm: x = Readout::kLcdFmFreqX, y = Readout::kLcdFmFreqY; break;
    case plate::kVideo: x = Readout::kLcdAvSvX, y = Readout::kLcdAvSvY; break;
    default: return;
  }
  sheet_image(c, x, y, Readout::kLcdChFmAvSvW, Readout::kLcdChFmAvSvH,
              panel_at(c, Readout::kLcdChFmAvSvX, Readout::kLcdChFmAvSvY));
}

void show_fm_frequency(const PanelCanvas& c, std::int32_t frequency, int first_digit) {
  show_plate(c, plate::kFm);
  const auto digits = fm_digits(frequency);
  const int first = first_digit >= 0 && first_digit <= 3 ? first_digit : 0;
  for (int k = first; k < 4; ++k) {
    draw_digit(c, kFmStrip, digits[static_cast<std::size_t>(k)],
               panel_at(c, kFmPlaces[k][0], kFmPlaces[k][1]), Both::kWindowFirst);
  }
}

void show_source_lamp(const PanelCanvas& c, int source) {
  Readout x, y;
  switch (source) {
    case lamp::kAir: x = Readout::kLcdAirX, y = Readout::kLcdAirY; break;
    case lamp::kCable: x = Readout::kLcdCableX, y = Readout::kLcdCableY; break;
    case lamp::kAvIn: x = Readout::kLcdAvInX, y = Readout::kLcdAvInY; break;
    case lamp::kSVideo: x = Readout::kLcdSVideoX, y = Readout::kLcdSVideoY; break;
    case lamp::kFm: x = Readout::kLcdFmX, y = Readout::kLcdFmY; break;
    default: return;
  }
  sheet_image(c, x, y, Readout::kLcdW, Readout::kLcdH,
              panel_at(c, Readout::kLcdSourceX, Readout::kLcdSourceY));
}

void show_clock(const PanelCanvas& c, platform::LocalTime now) {
  draw_time(c, kClock, clock_digits(now));
}

void show_capture_time(const PanelCanvas& c, std::int32_t seconds,
                       std::optional<platform::LocalTime> time_shift_start) {
  draw_time(c, kCaptureTime,
            time_shift_start ? time_shift_time_digits(seconds, *time_shift_start)
                             : capture_time_digits(seconds));
}

void show_file_size(const PanelCanvas& c, std::int32_t value) {
  const auto digits = file_size_digits(value);
  for (int k = 0; k < 8; ++k) {
    draw_digit(c, kFileSizeStrip, digits[static_cast<std::size_t>(k)],
               panel_at(c, kFileSizePlaces[k][0], kFileSizePlaces[k][1]), Both::kNormalFirst);
  }
}

void show_record_lamp(const PanelCanvas& c, bool recording) {
  sheet_image(c, recording ? Readout::kLcdRecStateOnX : Readout::kLcdRecStateOffX,
              recording ? Readout::kLcdRecStateOnY : Readout::kLcdRecStateOffY,
              Readout::kLcdRecStateW, Readout::kLcdRecStateH,
              panel_at(c, Readout::kPanelRecX, Readout::kPanelRecY));
}

void show_volume(const PanelCanvas& c, int volume) {
  const int direction = c.value(Readout::kLcdVolBarLtoRDtoU);
  if (direction != 0 && direction != 1) return;
  const Point at = panel_at(c, Readout::kLcdVolBarX, Readout::kLcdVolBarY);
  const int w = c.value(Readout::kLcdVolBarW);
  const int h = c.value(Readout::kLcdVolBarH);
  const Rect bar = Rect::from_origin(at, {w, h});
  copy_to_both(c, SurfaceRole::kPressed, bar, at, Both::kWindowFirst);
  Rect lit = bar;
  if (direction == 0) {
    lit.right = bar.left + volume_fill(w, volume);
  } else {
    lit.top = bar.bottom - volume_fill(h, volume);
  }
  copy_to_both(c, SurfaceRole::kHover, lit, {lit.left, lit.top}, Both::kWindowFirst);
}

// ---------------------------------------------------------------- time shift

void TimeShiftBar::keep_knob_on_track(const SkinLayout& layout) {
  const int x = layout.value(Readout::kTimeShiftPointX);
  const int last = x + layout.value(Readout::kTimeShiftWidth) - layout.value(Readout::kSliPointW);
  knob_ = std::max(std::min(knob_, last), x);
}

void TimeShiftBar::show(const PanelCanvas& c, std::int32_t position, std::int32_t total,
                        bool clear_only, bool recording) {
  const int x = c.value(Readout::kTimeShiftPointX);
  const int y = c.value(Readout::kTimeShiftPointY);
  const int w = c.value(Readout::kTimeShiftWidth);
  const int h = c.value(Readout::kTimeShiftHeight);
  const int knob_w = c.value(Readout::kSliPointW);
  const Rect track = Rect::from_origin({x, y}, {w, h});
  copy_to_both(c, SurfaceRole::kPressed, track, {x, y}, Both::kNormalFirst);
  if (clear_only || !recording) return;

  const int lit = lit_width(w, position, total);
  if (knob_ - x > lit) knob_ = x + lit - knob_w;
  keep_knob_on_track(c.layout);
  copy_to_both(c, SurfaceRole::kHover, Rect::from_origin({x, y}, {lit, h}), {x, y},
               Both::kNormalFirst);
  const Rect knob = Rect::from_origin({c.value(Readout::kSliPointX), c.value(Readout::kSliPointY)},
                                      {knob_w, c.value(Readout::kSliPointH)});
  copy_to_both(c, SurfaceRole::kSheet, knob, {knob_, y}, Both::kNormalFirst);
}

void TimeShiftBar::set_knob_from_time(const SkinLayout& layout, std::int32_t position) {
  const std::int64_t x = layout.value(Readout::kTimeShiftPointX);
  const std::int64_t w = layout.value(Readout::kTimeShiftWidth);
  const std::int64_t along = w * std::max(position, 0) / scale_;
  knob_ = static_cast<std::int32_t>(x + std::min(along, w));
  keep_knob_on_track(layout);
}

void TimeShiftBar::update_scale(const PanelCanvas& c, platform::LocalTime start,
                                platform::LocalTime now, bool recording) {
  const std::int32_t elapsed = elapsed_units(start, now);
  scale_ = time_shift_scale(elapsed);
  show(c, 0, 0, true, recording);
  show(c, elapsed, scale_, false, recording);
}

}  // namespace zel::skin
