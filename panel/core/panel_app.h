#pragma once
// The panel program: process start-up, the panel window's life cycle, the
// command protocol with the TV window and the other programs, the input
// sources, standby and the ways to end.
//
// The platform's window procedure for the panel window hands every message to
// handle(), which decodes it into the on_* calls below; a backend may also
// call those directly. Everything runs on the panel's one thread. While the
// panel waits in one of its own sends, another program's sent command may
// arrive (handle() is re-entered); the code keeps no state across a send that
// such a command could invalidate.
//
// Call order: construct; start() (or run(), which is start() followed by the
// message loop). start() creates the panel window, whose WM_CREATE runs the
// window start-up sequence inside it. The object must outlive the window.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/ini/profile_store.h"
#include "panel/core/commands.h"
#include "panel/core/panel_hooks.h"
#include "panel/core/panel_state.h"
#include "panel/platform/platform.h"
#include "panel/tuning/tuner_binding.h"

namespace zel::core {

// Where the panel found its files at start.
struct PanelPaths {
  std::string install_directory;  // win.ini [AP] 222APDirectory, may be empty
  std::string skin_file;          // install directory + "\" + [AP] ZelPanelIniFile
  std::string settings_file;      // install directory + "\" + [AP] ZelSettingIniFile
};

// How a command reaches the TV window.
enum class TvDelivery : std::uint8_t {
  kSend = 1,      // look the window up, SendMessage
  kPost = 2,      // look the window up, PostMessage
  kPostKept = 4,  // PostMessage to the kept handle, no lookup
};

// The deliveries the protocol allows for a TV command (bits of TvDelivery);
// 0 for a number that is no TV command.
std::uint8_t tv_deliveries(CommandId command);

class PanelApp final : public platform::WindowHandler {
 public:
  PanelApp(const platform::Platform& platform, PanelHooks& hooks);
  ~PanelApp() override;
  PanelApp(const PanelApp&) = delete;
  PanelApp& operator=(const PanelApp&) = delete;

  // Process start-up up to the message loop. nullopt: the panel window runs
  // and the message loop comes next; otherwise the process ends early with
  // this exit code (tuner-data library missing, another panel running, class
  // or window failure).
  std::optional<int> start();
  // The program's whole life: start(), then the message loop; the exit code.
  int run();

  // The window procedure.
  std::optional<std::intptr_t> handle(platform::WindowId self,
                                      const platform::Message& message) override;
  void on_create(platform::WindowId self);
  void on_destroy();
  // False when the panel has no handler for the command (the default window
  // procedure gets it); commands the gates drop count as handled.
  bool on_command(CommandId command, std::int32_t argument);
  void on_timer(std::uint32_t id);
  void on_hotkey(int id);
  void on_device_change();

  PanelState& state() { return state_; }
  const PanelState& state() const { return state_; }
  const PanelPaths& paths() const { return paths_; }
  // The settings and skin files; valid once start() has read win.ini.
  ProfileStore& settings() { return *settings_; }
  ProfileStore& skin() { return *skin_; }
  // The tuner-data library, bound for the rest of the process once start()
  // got past it; null before.
  const zel::TunerLibrary* tuner() const { return tuner_ ? &*tuner_ : nullptr; }

  // --- the protocol, for the handlers of every area
  // Looks the TV window up and keeps the result in state().tvWindow.
  platform::WindowId find_tv_window();
  // Gives the TV window a command the way the protocol lists it. kSend and
  // kPost look the window up first; kPostKept uses state().tvWindow. A
  // missing window loses the command.
  void tv_command(CommandId command, std::int32_t argument, TvDelivery delivery);
  // The same without a new lookup, for a step that has just looked the
  // window up itself.
  void tv_command_to(platform::WindowId tv, CommandId command, std::int32_t argument,
                     TvDelivery delivery);
  // Gives the media player window a command the way the protocol lists it
  // (Post or Send by number), only when the window exists.
  void player_command(CommandId command, std::int32_t argument);
  // Tells the schedule window a recording stopped (message 42224, posted to
  // the lookup result even when the window is not found).
  void post_schedule_recording_stopped();
  void post_to_self(CommandId command, std::int32_t argument = 0);
  void send_to_self(CommandId command, std::int32_t argument = 0);
  // The command of the stored [HovraCrossbar] InputSource, nullopt for a
  // value outside 1..5.
  std::optional<CommandId> stored_source_command();
  void post_stored_source_command();
  // Puts the panel and the TV window into the band [vorne] AlwaysOnTop asks
  // for; a missing window is skipped.
  void apply_topmost();
  // Starts video.ex_ from the install folder, without waiting for it.
  void start_tv_program(platform::Show show);

 private:
  using Handler = void (PanelApp::*)(CommandId, std::int32_t);
  struct Route;
  static const Route* route_of(CommandId command);

  // Life cycle.
  void suspend_power_features();
  void restore_power_features();
  void restore_suspended_power_features();
  void read_paths();
  int end_early(int exit_code, bool restore_power);
  void on_close(CommandId, std::int32_t);
  void on_close_panel(CommandId, std::int32_t);
  void on_standby(CommandId, std::int32_t);
  void on_device_watch_tick();

  // Input sources.
  void on_tuner_source(CommandId, std::int32_t);
  void on_video_source(CommandId, std::int32_t);
  void on_fm_source(CommandId, std::int32_t);
  void on_next_source(CommandId, std::int32_t);
  void on_air_cable_switch(CommandId, std::int32_t);
  void on_reselect_source(CommandId, std::int32_t);
  void ask_fm_question();
  void load_band_channel(bool air);
  void refill_channel_list_if_open();
  void refresh_source_captions(bool frequency_captions);
  bool first_use_scan_wait(bool air);

  // Commands from other programs.
  void on_request_done(CommandId, std::int32_t);
  void on_scan_ended(CommandId, std::int32_t);
  void on_tuned_report(CommandId, std::int32_t);
  void on_fm_answer(CommandId, std::int32_t);
  void on_audio_modes(CommandId, std::int32_t);
  void on_recording_state(CommandId, std::int32_t);
  void on_capture_time(CommandId, std::int32_t);
  void on_file_size(CommandId, std::int32_t);
  void on_capture_ended(CommandId, std::int32_t);
  void on_snapshot_done(CommandId, std::int32_t);
  void on_time_shift_seconds(CommandId, std::int32_t);
  void on_time_shift_marker(CommandId, std::int32_t);
  void on_preview_ended(CommandId, std::int32_t);
  void on_full_screen_report(CommandId, std::int32_t);
  void on_audio_dialog_done(CommandId, std::int32_t);
  void on_video_standard_done(CommandId, std::int32_t);
  void on_record_page_value(CommandId, std::int32_t);
  void on_line_volume(CommandId, std::int32_t);
  void on_schedule_closed(CommandId, std::int32_t);
  void on_schedule_question(CommandId, std::int32_t);
  void on_schedule_recording(CommandId, std::int32_t);
  void on_schedule_channel(CommandId, std::int32_t);
  void on_player_time_question(CommandId, std::int32_t);
  void on_other_command(CommandId, std::int32_t);

  platform::WindowId find_schedule_window();
  bool use_full_scan();

  platform::Platform platform_;
  PanelHooks& hooks_;
  std::optional<zel::TunerLibrary> tuner_;
  PanelState state_;
  PanelPaths paths_;
  std::unique_ptr<ProfileStore> settings_;
  std::unique_ptr<ProfileStore> skin_;
  // The "active" values of the power features found at start, and which of
  // them start-up switched off.
  int saved_power_[3] = {0, 0, 0};
  bool suspended_power_[3] = {false, false, false};
  bool shut_down_ = false;
};

}  // namespace zel::core
