// Process start-up, the window start-up and shutdown sequences, the ways to
// end, standby and wake, and the device watch.
#include <string>

#include "panel/core/panel_app.h"
#include "panel/core/skin_keys.h"
#include "panel/core/timer_table.h"
#include "panel/tuning/settings_keys.h"
#include "panel/tuning/settings_seeding.h"

namespace zel::core {

using platform::Message;
using platform::PowerFeature;
using platform::Show;
using platform::WindowId;
namespace wm = platform::wm;

namespace {

// Suspended in this order; restored in the same order.
constexpr PowerFeature kPowerOrder[] = {PowerFeature::kPowerOff, PowerFeature::kLowPower,
                                       PowerFeature::kScreenSaver};

constexpr int kClosedWing = 1;
constexpr int kPanelBottomMargin = 40;

std::uint32_t period_of(std::uint32_t id) { return timer_row(id)->period_ms; }

}  // namespace

// ---------------------------------------------------------------- process

std::optional<int> PanelApp::start() {
  suspend_power_features();
  read_paths();

  // Binding asks the library for its country count once; it holds for the run.
  TunerBindResult bound = bind_tuner_library(platform_.libraries);
  if (!bound) {
    platform_.message_boxes.show_message_box(platform::MessageBoxRequest{
        platform::kNoWindow, std::string(kTunerLibraryMissingText), std::nullopt, platform::mb::kOk});
    return end_early(0, true);
  }
  tuner_ = std::move(bound.library);
  state_.countryCount = tuner_->country_count();

  hooks_.load_skin_layout();
  hooks_.apply_down_wing_layout(0);

  // Hand over to a panel that already runs. Its own start suspended the power
  // features, so this process found them off and has nothing to put back.
  if (const WindowId running =
          platform_.windows.find_window(windows::kPanelClass, windows::kPanelTitle)) {
    platform_.windows.set_foreground_window(running);
    platform_.windows.show_window(running, Show::kRestore);
    if (const auto command = stored_source_command()) {
      platform_.windows.post_message(running, platform::command_message(*command, 0));
    }
    return end_early(0, false);
  }

  if (!platform_.windows.register_window_class(platform::WindowClassSpec{
          std::string(windows::kPanelClass), 0, resources::kPanelIcon, resources::kArrowCursor,
          std::string(windows::kPanelMenuName)})) {
    return end_early(0, true);
  }

  const platform::Size panel = hooks_.panel_size();
  const platform::Size screen = platform_.windows.screen_size();
  const platform::Point origin{screen.width / 2 - panel.width / 2,
                               screen.height - panel.height - kPanelBottomMargin};
  const WindowId window = platform_.windows.create_window(
      platform::WindowSpec{0, std::string(windows::kPanelClass), std::string(windows::kPanelTitle),
                           platform::ws::kPopup, platform::Rect::from_origin(origin, panel),
                           platform::kNoWindow},
      *this);
  if (!window) return end_early(0, true);

  const bool topmost = settings::read(*settings_, settings::vorne::kAlwaysOnTop) == settings::kTrue;
  platform_.windows.set_z_band(window, topmost ? platform::ZBand::kTopmost : platform::ZBand::kNormal);
  platform_.timers.set_timer(window, timer::kClock, period_of(timer::kClock));
  platform_.windows.update_window(window);
  platform_.loop.load_accelerators(resources::kAccelerators);
  hooks_.set_input_line_control(0);
  platform_.hot_keys.register_hot_key(window, kStandbyHotKey,
                                      platform::hotkey::kModControl | platform::hotkey::kModAlt,
                                      platform::hotkey::kVkF4);
  return std::nullopt;
}

int PanelApp::run() {
  if (const auto early = start()) return *early;
  return platform_.loop.run();
}

void PanelApp::suspend_power_features() {
  for (PowerFeature f : kPowerOrder) {
    const int i = static_cast<int>(f);
    saved_power_[i] = platform_.power.get_active(f);
    if (saved_power_[i] == 1) {
      platform_.power.set_active(f, 0);
      suspended_power_[i] = true;
    }
  }
}

void PanelApp::restore_power_features() {
  for (PowerFeature f : kPowerOrder) platform_.power.set_active(f, saved_power_[static_cast<int>(f)]);
}

// A start that fails puts back what it switched off: the switches are stored
// for the user, and without the panel nothing would ever restore them.
void PanelApp::restore_suspended_power_features() {
  for (PowerFeature f : kPowerOrder) {
    const int i = static_cast<int>(f);
    if (suspended_power_[i]) platform_.power.set_active(f, saved_power_[i]);
  }
}

int PanelApp::end_early(int exit_code, bool restore_power) {
  if (restore_power) restore_suspended_power_features();
  return exit_code;
}

void PanelApp::read_paths() {
  ProfileStore& win_ini = platform_.profiles.win_ini();
  paths_.install_directory = settings::read(win_ini, settings::win_ini::kInstallDirectory);
  platform_.process.set_current_directory(paths_.install_directory);
  paths_.skin_file =
      paths_.install_directory + "\\" + settings::read(win_ini, settings::win_ini::kPanelIniFile);
  paths_.settings_file =
      paths_.install_directory + "\\" + settings::read(win_ini, settings::win_ini::kSettingIniFile);
  skin_ = platform_.profiles.open_profile(paths_.skin_file);
  settings_ = platform_.profiles.open_profile(paths_.settings_file);
}

// ---------------------------------------------------------------- window

void PanelApp::on_create(WindowId self) {
  state_.panelWindow = self;

  skin_->read_int(skin_keys::kPanel, skin_keys::kHavePanel, 1);
  state_.skinSet = skin_->read_int(skin_keys::kPanel, skin_keys::kPanelNow, 1);

  hooks_.apply_window_outline(kClosedWing, state_.skinSet);
  hooks_.load_skin_bitmaps(kClosedWing, state_.skinSet);
  hooks_.load_skin_layout();
  hooks_.build_tooltips();
  hooks_.add_tray_icon();

  // The settings seeding also forces [vorne] UseFullScan off without a
  // fully-scan list; nothing above reads the settings file, so that write
  // may come after the skin steps.
  settings::SeedingHooks seeding;
  seeding.audio_sections_deleted = [this] { state_.mixerAvailable = hooks_.open_mixer(); };
  seeding.choose_country = [this] {
    hooks_.run_country_dialog();
    hooks_.set_up_mixer_for_country();
  };
  const settings::SeedingResult seeded = settings::seed_settings(*settings_, seeding);
  state_.brightness = seeded.picture.brightness;
  state_.contrast = seeded.picture.contrast;
  state_.hue = seeded.picture.hue;
  state_.saturation = seeded.picture.saturation;
  state_.channel.airMin = seeded.ranges.air.first;
  state_.channel.airMax = seeded.ranges.air.last;
  state_.channel.cableMin = seeded.ranges.cable.first;
  state_.channel.cableMax = seeded.ranges.cable.last;

  state_.volume = seeded.volume;
  hooks_.set_mixer_volume(state_.volume);
  hooks_.show_volume();
  state_.muted = false;
  hooks_.show_mute_images(false);

  post_stored_source_command();

  state_.standby = false;
  platform_.windows.show_window(self, Show::kShow);
  state_.panelShown = true;
  platform_.windows.set_foreground_window(self);
}

void PanelApp::on_destroy() {
  // A Close queued behind the first one would run the sequence again on
  // resources it has already released.
  if (shut_down_) return;
  shut_down_ = true;
  platform_.timers.kill_timer(state_.panelWindow, timer::kClock);
  hooks_.destroy_tooltips();
  hooks_.destroy_channel_list_window();
  hooks_.remove_tray_icon();
  hooks_.release_skin_bitmaps();
  restore_power_features();
  platform_.windows.post_quit(0);
}

// ---------------------------------------------------------------- endings

void PanelApp::on_close(CommandId, std::int32_t) {
  if (state_.any_automatic_scan()) return;
  ProfileStore& store = *settings_;
  settings::write(store, settings::video_proc_amp::kBrightness, state_.brightness);
  settings::write(store, settings::video_proc_amp::kContrast, state_.contrast);
  settings::write(store, settings::video_proc_amp::kHue, state_.hue);
  settings::write(store, settings::video_proc_amp::kSaturation, state_.saturation);
  platform_.windows.post_message(find_tv_window(), Message{wm::kClose, 0, 0});
  platform_.windows.send_message(state_.panelWindow, Message{wm::kDestroy, 0, 0});
}

void PanelApp::on_close_panel(CommandId, std::int32_t) {
  if (state_.any_automatic_scan()) return;
  platform_.windows.destroy_window(state_.panelWindow);
}

void PanelApp::on_device_change() {
  platform_.timers.set_timer(state_.panelWindow, timer::kDeviceWatch, period_of(timer::kDeviceWatch));
}

void PanelApp::on_device_watch_tick() {
  if (!find_tv_window()) post_to_self(cmd::kClose);
}

void PanelApp::on_timer(std::uint32_t id) {
  switch (id) {
    case timer::kClock:
      hooks_.show_clock();
      break;
    case timer::kDeviceWatch:
      on_device_watch_tick();
      break;
    default:
      hooks_.other_timer(id);
      break;
  }
}

// ---------------------------------------------------------------- standby

void PanelApp::on_standby(CommandId, std::int32_t) {
  if (state_.any_automatic_scan()) return;
  const WindowId panel = state_.panelWindow;
  if (const WindowId tv = find_tv_window()) {
    state_.panelShown = false;
    platform_.windows.show_window(panel, Show::kHide);
    state_.standby = true;
    platform_.windows.post_message(tv, Message{wm::kClose, 0, 0});
  } else {
    platform_.windows.show_window(panel, Show::kHide);
    state_.panelShown = false;
    state_.standby = true;
  }
  if (state_.leftListOpen) send_to_self(cmd::kChannelListWing);
  hooks_.show_channel_list_window(false);
}

void PanelApp::on_hotkey(int id) {
  if (id != kStandbyHotKey) return;
  const PanelState& s = state_;
  if (s.recording || s.cableScan || s.airScan || s.preview || s.timeShift || s.fmScan ||
      s.fullScan || s.busy) {
    return;
  }
  const WindowId panel = state_.panelWindow;
  if (state_.standby) {
    platform_.windows.show_window(panel, Show::kShow);
    platform_.windows.post_message(panel, Message{wm::kPaint, 0, 0});
    state_.panelShown = true;
    platform_.windows.set_foreground_window(panel);
    post_stored_source_command();
  } else {
    send_to_self(cmd::kStandby);
    state_.panelShown = false;
    platform_.windows.show_window(panel, Show::kHide);
  }
}

}  // namespace zel::core
