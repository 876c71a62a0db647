#pragma once
// The LCD readouts: channel number, FM frequency, readout plate, source lamp,
// clock, capture time, file size, record lamp, volume bar and time-shift bar.
//
// Each readout copies images of the sprite sheet (digits, lamps, plates, the
// knob) or bands of the Hover and Pressed pictures (lit and empty bars) into
// the window and into the Normal surface, so the next paint keeps it. Panel
// positions get the content offset added to x, except the time-shift bar's.
// A digit d of a readout is the sheet cell at (origin x + d * pitch, origin
// y). Digits are always drawn, leading zeros included. Which value each
// readout shows and how values outside its range are clamped is
// readout_math.h.
#include <cstdint>
#include <optional>

#include "panel/platform/local_clock.h"
#include "panel/skin/panel_canvas.h"
#include "panel/skin/readout_math.h"

namespace zel::skin {

// show_plate kinds.
namespace plate {
inline constexpr int kTv = 1;
inline constexpr int kFm = 2;
inline constexpr int kVideo = 3;
}  // namespace plate

// show_source_lamp sources.
namespace lamp {
inline constexpr int kAir = 1;
inline constexpr int kCable = 2;
inline constexpr int kAvIn = 3;
inline constexpr int kSVideo = 4;
inline constexpr int kFm = 5;
}  // namespace lamp

// Three digits, units first; each to the window, then the Normal surface.
void show_channel_number(const PanelCanvas& canvas, std::int32_t channel);
// The plate of the kind under the channel or frequency digits; window, then
// Normal. Another kind draws nothing.
void show_plate(const PanelCanvas& canvas, int kind);
// The FM plate, then the digits from place `first_digit` (0 units ... 3
// thousands) up to the thousands, lowest first; each to the window, then
// Normal. A first digit outside 0-3 draws all four places.
void show_fm_frequency(const PanelCanvas& canvas, std::int32_t frequency, int first_digit);
// The lamp of the source; window, then Normal. Another source draws nothing.
void show_source_lamp(const PanelCanvas& canvas, int source);
// Six digits of `now`, seconds units first; each to Normal, then the window.
void show_clock(const PanelCanvas& canvas, platform::LocalTime now);
// Six digits of the capture clock, seconds units first; each to Normal, then
// the window. Without a time-shift start: the length `seconds`; with one: the
// wall-clock time `seconds` after it.
void show_capture_time(const PanelCanvas& canvas, std::int32_t seconds,
                       std::optional<platform::LocalTime> time_shift_start);
// Eight digits, units first; each to Normal, then the window.
void show_file_size(const PanelCanvas& canvas, std::int32_t value);
// The lamp for recording or not; window, then Normal.
void show_record_lamp(const PanelCanvas& canvas, bool recording);
// The empty bar from the Pressed picture, then the lit part from the Hover
// picture (from the left, or from the bottom when LCD_VOLBAR_LTOR_DTOU is 1);
// each to the window, then Normal. Any other direction draws nothing.
void show_volume(const PanelCanvas& canvas, int volume);

// The time-shift bar and the state it keeps for the whole process: the knob
// position (a window x, initially 0) and the scale (six-second units,
// initially 100), which the mouse mapping of the bar divides by as well.
class TimeShiftBar {
 public:
  // The track empty (from the Pressed picture) into Normal, then the window.
  // Unless `clear_only`, and while time-shift recording runs (`recording`):
  // the recorded share position / total lit (from the Hover picture) and the
  // knob image at the stored knob position, each into Normal, then the window.
  //
  // The knob is kept on the track: never left of its start, never past its
  // last place (start + width - knob width), and when it lies beyond the lit
  // part (the share shrank because the scale grew) it is pulled back so that
  // it ends where the lit part ends. The adjusted position is stored.
  void show(const PanelCanvas& canvas, std::int32_t position, std::int32_t total, bool clear_only,
            bool recording);

  // Stores the knob for `position` six-second units (negative as 0): track
  // start + track width * position / scale, kept on the track. No drawing.
  void set_knob_from_time(const SkinLayout& layout, std::int32_t position);

  // Once a second while time shift records: picks the scale for the units
  // elapsed since `start`, clears the bar and draws it with that share.
  void update_scale(const PanelCanvas& canvas, platform::LocalTime start, platform::LocalTime now,
                    bool recording);

  std::int32_t knob() const { return knob_; }
  std::int32_t scale() const { return scale_; }

 private:
  void keep_knob_on_track(const SkinLayout& layout);

  std::int32_t knob_ = 0;
  std::int32_t scale_ = kInitialTimeShiftScale;
};

}  // namespace zel::skin
