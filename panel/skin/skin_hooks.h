#pragma once
// The panel hooks of the skin and display: the layout, the bitmaps and
// surfaces, the cursors, the tooltips, the window paint, the button looks,
// the readouts, the full refresh and the skin cycle, on the drawing seam.
//
// The panel program makes one SkinHooks and hands it to PanelApp as its
// hooks (or derives its own hooks from it, overriding what other areas add
// and passing the rest on). The hooks it does not implement keep
// PanelHooks' defaults. Every hook reports its call to the trace as the
// defaults do.
//
// It handles two things that reach it through the generic hooks: the skin
// command 40045 (other_command) and WM_PAINT (other_message). Other areas call
// the operations below that no hook names: the button looks the mouse
// handling shows, the transport look, the record lamp, the time-shift bar,
// the wing change and the full refresh after it.
//
// Lifetime: the platform, the drawing seam and the context outlive the
// object. Surfaces, cursors and the tooltip control exist from
// load_skin_bitmaps / build_tooltips to release_skin_bitmaps /
// destroy_tooltips (or the next load or build); the destructor releases what
// is left.
#include <cstdint>
#include <optional>

#include "panel/core/panel_hooks.h"
#include "panel/platform/drawing.h"
#include "panel/platform/platform.h"
#include "panel/skin/panel_canvas.h"
#include "panel/skin/panel_context.h"
#include "panel/skin/readouts.h"
#include "panel/skin/skin.h"
#include "panel/skin/skin_surfaces.h"

namespace zel::skin {

// The program's cursor resources, loaded with every bitmap load.
enum class CursorRole { kNormal, kHeld, kDragged };
inline constexpr int kCursorResources[] = {132, 135, 136};

inline constexpr platform::TooltipDelays kTooltipDelays{1000, 2500, 1000};

class SkinHooks : public core::PanelHooks {
 public:
  SkinHooks(const platform::Platform& platform, const platform::Drawing& drawing,
            PanelContext& context, Trace trace = {});
  ~SkinHooks() override;
  SkinHooks(const SkinHooks&) = delete;
  SkinHooks& operator=(const SkinHooks&) = delete;

  // ---- PanelHooks
  void load_skin_layout() override;
  // PANEL_W x PANEL_H of the current set.
  platform::Size panel_size() override;
  void apply_down_wing_layout(int open) override;
  void apply_window_outline(int wing_state, int skin_set) override;
  // Reads the install directory (win.ini) and PanelNow afresh and loads the
  // four bitmaps of that set for `wing_state` (1-4; another state loads
  // nothing), then the cursors, then applies the always-on-top setting. The
  // set number comes from the skin file, like the layout's; `skin_set` is not
  // used. The Normal surface holds the bare picture until readouts redraw.
  void load_skin_bitmaps(int wing_state, int skin_set) override;
  void release_skin_bitmaps() override;
  // Destroys a control that exists, then makes a new one with a tool per
  // button (rectangle with the content offset, caption as tip).
  void build_tooltips() override;
  bool has_tooltips() override { return static_cast<bool>(tooltips_); }
  void destroy_tooltips() override;
  void show_source_lamp(int lamp) override;
  void show_plate(int plate) override;
  void show_channel_number(int channel) override;
  void show_fm_frequency(int code, int first_digit) override;
  // The bar for the state's volume.
  void show_volume() override;
  void show_mute_images(bool muted) override;
  // With time shift recording, the wall-clock time after the state's
  // time-shift start; otherwise the length.
  void show_capture_time(std::int32_t seconds) override;
  void show_file_size(std::int32_t size) override;
  void set_knob_from_time(std::int32_t position) override;
  void show_clock() override;
  void use_channel_captions() override;
  void use_frequency_captions() override;
  // 40045 runs cycle_skin; everything else as PanelHooks.
  void other_command(core::CommandId command, std::int32_t argument) override;
  // WM_PAINT runs on_paint; everything else as PanelHooks.
  std::optional<std::intptr_t> other_message(const platform::Message& message) override;

  // ---- operations for the other areas
  // Moves the channel-list window (if any) to its place beside the panel,
  // then copies the Normal surface to the window.
  void paint_panel();
  // WM_PAINT: paint_panel inside the paint bracket.
  void on_paint();
  void draw_button(int index, int look);
  void show_transport(bool playing, bool active);
  void show_record_lamp(bool recording);
  // Draws the bar only while the state says time shift records; clears it
  // always.
  void show_timeshift_bar(std::int32_t position, std::int32_t total, bool clear_only);
  void update_timeshift_scale();
  // The full redraw after new bitmaps: paint, mute images, volume bar,
  // tooltips (if a control exists), plate, lamp and digits of the source.
  void refresh_panel();
  // The skin command: the next skin set (after the last, the first), its
  // layout, window, outline and bitmaps, a full redraw, and 55557 to the TV
  // window. Nothing when the file has fewer than two sets.
  void cycle_skin();
  // Puts the window into wing state 1-4 with the current layout: the content
  // offset, the window size, the outline and the bitmaps of that state.
  void enter_wing_state(int state);

  Skin& skin();
  int wing_state() const { return wing_state_; }
  platform::CursorId cursor(CursorRole role) const {
    return cursors_[static_cast<std::size_t>(role)];
  }
  const SkinSurfaces& surfaces() const { return surfaces_; }
  const TimeShiftBar& time_shift_bar() const { return time_shift_; }
  platform::WindowId tooltip_control() const { return tooltips_; }

 private:
  PanelCanvas canvas();
  platform::WindowId panel_window() { return context_.state().panelWindow; }
  void refresh_readouts();

  platform::Platform platform_;
  platform::Drawing drawing_;
  PanelContext& context_;
  std::optional<Skin> skin_;
  SkinSurfaces surfaces_;
  std::array<platform::CursorId, 3> cursors_{};
  platform::WindowId tooltips_;
  TimeShiftBar time_shift_;
  int wing_state_ = kClosedWing;
};

}  // namespace zel::skin
