#pragma once
// The operations the panel's life cycle and protocol call at their place but
// that belong to other areas of the panel: skin layout and bitmaps, tooltips,
// readouts and captions, the tray icon, the channel-list window, the sound-card
// mixer, dialogs, and the commands and timers whose handlers live elsewhere.
//
// Each default does nothing beyond reporting its call, with its arguments, to
// the trace given at construction ("show_plate(1)"); tests put those lines into
// the recorded call sequence. Defaults with a result answer what a panel
// without that area has: no mixer, the default 547 x 176 panel, tooltips
// once built, default processing for other messages. Areas that implement an
// operation override it.
// Calls arrive on the panel's thread, in the order the panel makes them.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "panel/core/commands.h"
#include "panel/platform/types.h"

namespace zel::core {

class PanelHooks {
 public:
  using Trace = std::function<void(std::string line)>;

  explicit PanelHooks(Trace trace = {}) : trace_(std::move(trace)) {}
  virtual ~PanelHooks() = default;

  // Skin layout and window outline. `wing_state` 1 is Closed, 3 Side.
  virtual void load_skin_layout() { note("load_skin_layout"); }
  // The skin's PANEL_W x PANEL_H of the current skin set.
  virtual platform::Size panel_size() { return {547, 176}; }
  // `open` 1 places the down-wing buttons for the open down wing, 0 closed.
  virtual void apply_down_wing_layout(int open) { note("apply_down_wing_layout", open); }
  virtual void apply_window_outline(int wing_state, int skin_set) {
    note("apply_window_outline", wing_state, skin_set);
  }

  // Skin bitmaps, surfaces and cursors.
  virtual void load_skin_bitmaps(int wing_state, int skin_set) {
    note("load_skin_bitmaps", wing_state, skin_set);
  }
  virtual void release_skin_bitmaps() { note("release_skin_bitmaps"); }

  // Tooltips. has_tooltips: a tooltip control exists.
  virtual void build_tooltips() {
    tooltips_ = true;
    note("build_tooltips");
  }
  virtual bool has_tooltips() { return tooltips_; }
  virtual void destroy_tooltips() {
    tooltips_ = false;
    note("destroy_tooltips");
  }

  // Tray icon.
  virtual void add_tray_icon() { note("add_tray_icon"); }
  virtual void remove_tray_icon() { note("remove_tray_icon"); }

  // Readouts and captions.
  virtual void show_source_lamp(int lamp) { note("show_source_lamp", lamp); }
  virtual void show_plate(int plate) { note("show_plate", plate); }
  virtual void show_channel_number(int channel) { note("show_channel_number", channel); }
  virtual void show_fm_frequency(int code, int first_digit) {
    note("show_fm_frequency", code, first_digit);
  }
  virtual void show_volume() { note("show_volume"); }
  virtual void show_mute_images(bool muted) { note("show_mute_images", muted ? 1 : 0); }
  virtual void show_capture_time(std::int32_t seconds) { note("show_capture_time", seconds); }
  virtual void show_file_size(std::int32_t size) { note("show_file_size", size); }
  virtual void set_knob_from_time(std::int32_t position) { note("set_knob_from_time", position); }
  virtual void show_clock() { note("show_clock"); }
  virtual void use_channel_captions() { note("use_channel_captions"); }
  virtual void use_frequency_captions() { note("use_frequency_captions"); }

  // Digit entry.
  virtual void reset_digit_entry() { note("reset_digit_entry"); }

  // The channel-list window (the side wing's list).
  virtual void refill_channel_list() { note("refill_channel_list"); }
  virtual void show_channel_list_window(bool shown) {
    note("show_channel_list_window", shown ? 1 : 0);
  }
  virtual void destroy_channel_list_window() { note("destroy_channel_list_window"); }

  // Sound-card mixer. open_mixer: whether a mixer was opened.
  virtual bool open_mixer() {
    note("open_mixer");
    return false;
  }
  virtual void set_up_mixer_for_country() { note("set_up_mixer_for_country"); }
  virtual void set_mixer_volume(int volume) { note("set_mixer_volume", volume); }
  virtual void set_input_line_control(int value) { note("set_input_line_control", value); }

  // Dialogs and pages.
  virtual void run_country_dialog() { note("run_country_dialog"); }
  // The open TV settings page, if any, gets a dialog command (1095).
  virtual void notify_tv_page(CommandId command) { note("notify_tv_page", command); }
  virtual void audio_dialog_done() { note("audio_dialog_done"); }
  virtual void video_standard_done() { note("video_standard_done"); }

  // Panel commands and timer ticks whose handlers live in other areas. The
  // command gates have been applied; the handler applies its own rules.
  virtual void other_command(CommandId command, std::int32_t argument) {
    note("other_command", command, argument);
  }
  virtual void other_timer(std::uint32_t id) { note("other_timer", static_cast<std::int64_t>(id)); }
  // Window messages the life cycle does not handle (paint, mouse, keys,
  // notifications, the tray icon's 2024). nullopt: the default window
  // procedure.
  virtual std::optional<std::intptr_t> other_message(const platform::Message& message) {
    (void)message;
    return std::nullopt;
  }

 protected:
  template <typename... Args>
  void note(const char* name, Args... args) {
    if (!trace_) return;
    std::string line = std::string(name) + "(";
    bool first = true;
    ((line += (first ? "" : ", ") + std::to_string(static_cast<std::int64_t>(args)), first = false),
     ...);
    trace_(line + ")");
  }

 private:
  Trace trace_;
  bool tooltips_ = false;
};

}  // namespace zel::core
