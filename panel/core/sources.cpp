// The input sources: the five source commands, which also start the TV
// program when it is not running, the source cycle, the Air/Cable switch, the
// FM question and the scan prompt on a source's first use.
#include <string>

#include "panel/core/panel_app.h"
#include "panel/core/skin_keys.h"
#include "panel/tuning/settings_keys.h"

namespace zel::core {

using platform::Show;
using platform::WindowId;

namespace {

// The whole panel thread waits this long before it prompts for a first scan,
// so that the TV program it has just started is up.
constexpr std::uint32_t kFirstScanWaitMs = 6000;

constexpr int kPlateTv = 1;
constexpr int kPlateFm = 2;
constexpr int kPlateVideo = 3;
constexpr int kFmFirstDigit = 4;

}  // namespace

void PanelApp::load_band_channel(bool air) {
  // Here a band without a stored channel reads as channel 0.
  const settings::IntKey& key = air ? settings::tv_tuner::kTvChannelAir : settings::tv_tuner::kTvChannelCable;
  state_.channel.currentChannel = settings_->read_int(key.section, key.name, 0);
  settings::write(*settings_, settings::tv_tuner::kTvChannel, state_.channel.currentChannel);
}

void PanelApp::refill_channel_list_if_open() {
  if (state_.leftListOpen) hooks_.refill_channel_list();
}

void PanelApp::refresh_source_captions(bool frequency_captions) {
  state_.skinSet = skin_->read_int(skin_keys::kPanel, skin_keys::kPanelNow, 1);
  if (frequency_captions) {
    hooks_.use_frequency_captions();
  } else {
    hooks_.use_channel_captions();
  }
  if (hooks_.has_tooltips()) hooks_.build_tooltips();
}

// The wait and scan prompt after the panel has started the TV program for a
// tuner source. False when the command ends here (the fully-scan list is in
// use and has been scanned).
bool PanelApp::first_use_scan_wait(bool air) {
  if (!use_full_scan()) {
    const settings::TextKey& already_scan =
        air ? settings::channel_list::kAlreadyScanAir : settings::channel_list::kAlreadyScanCable;
    if (settings::read(*settings_, already_scan) == settings::kFalse) {
      platform_.process.sleep(kFirstScanWaitMs);
      post_to_self(cmd::kAutoScan);
    }
    return true;
  }
  if (settings::read(*settings_, settings::freq_list::kScanDone) == settings::kTrue) {
    return false;
  }
  platform_.process.sleep(kFirstScanWaitMs);
  post_to_self(cmd::kAutoScan);
  return true;
}

void PanelApp::on_tuner_source(CommandId command, std::int32_t) {
  const bool air = command == cmd::kSourceAirTv;
  if (!state_.busy) {
    hooks_.reset_digit_entry();
    settings::write(*settings_, settings::crossbar::kInputSource, air ? "4" : "3");
    ChannelModel& channel = state_.channel;
    if (const WindowId tv = find_tv_window()) {
      state_.busy = true;
      channel.fmMode = false;
      tv_command_to(tv, air ? tv::kSelectAirTv : tv::kSelectCableTv, 0, TvDelivery::kSend);
      channel.videoInputMode = false;
      state_.currentSource = air ? source::kAirTv : source::kCableTv;
      load_band_channel(air);
      hooks_.show_plate(kPlateTv);
      hooks_.show_channel_number(channel.currentChannel);
      channel.band = air ? 1 : 0;
      refill_channel_list_if_open();
    } else {
      channel.videoInputMode = false;
      state_.busy = true;
      start_tv_program(Show::kHide);
      state_.currentSource = air ? source::kAirTv : source::kCableTv;
      load_band_channel(air);
      hooks_.show_plate(kPlateTv);
      hooks_.show_channel_number(channel.currentChannel);
      channel.band = air ? 1 : 0;
      state_.standby = false;
      channel.fmMode = false;
      if (!first_use_scan_wait(air)) return;
      find_tv_window();
      refill_channel_list_if_open();
    }
    hooks_.show_source_lamp(air ? 1 : 2);
  }
  refresh_source_captions(false);
  platform_.windows.set_focus(state_.panelWindow);
}

void PanelApp::on_video_source(CommandId command, std::int32_t) {
  const bool svideo = command == cmd::kSourceSVideo;
  if (!state_.busy) {
    hooks_.reset_digit_entry();
    settings::write(*settings_, settings::crossbar::kInputSource, svideo ? "2" : "1");
    const WindowId tv = find_tv_window();
    state_.busy = true;
    ChannelModel& channel = state_.channel;
    if (tv) {
      channel.fmMode = false;
      state_.currentSource = svideo ? source::kSVideo : source::kAvIn;
      tv_command_to(tv, svideo ? tv::kSelectSVideo : tv::kSelectAvIn, 0, TvDelivery::kSend);
      channel.videoInputMode = true;
      if (svideo) platform_.windows.show_window(tv, Show::kShow);
    } else {
      start_tv_program(Show::kShow);
      state_.currentSource = svideo ? source::kSVideo : source::kAvIn;
      state_.standby = false;
      channel.videoInputMode = true;
      channel.fmMode = false;
      find_tv_window();
      refill_channel_list_if_open();
      hooks_.show_plate(kPlateVideo);
    }
    hooks_.show_source_lamp(svideo ? 4 : 3);
    hooks_.show_plate(kPlateVideo);
    refill_channel_list_if_open();
  }
  refresh_source_captions(false);
  platform_.windows.set_focus(state_.panelWindow);
  if (state_.leftListOpen) send_to_self(cmd::kChannelListWing);
}

void PanelApp::ask_fm_question() {
  tv_command(tv::kAskFm, 0, TvDelivery::kSend);
}

void PanelApp::on_fm_source(CommandId, std::int32_t) {
  ask_fm_question();
  if (!state_.fmAvailable || state_.any_automatic_scan()) return;

  if (!state_.busy) {
    hooks_.reset_digit_entry();
    settings::write(*settings_, settings::crossbar::kInputSource, "5");
    const WindowId tv = find_tv_window();
    state_.busy = true;
    ChannelModel& channel = state_.channel;
    const bool start = !tv;
    if (tv) {
      channel.fmMode = true;
      channel.videoInputMode = false;
      channel.band = 0;
      state_.currentSource = source::kFmRadio;
      hooks_.set_mixer_volume(0);
      platform_.windows.show_window(tv, Show::kHide);
      tv_command_to(tv, tv::kSelectFmRadio, 0, TvDelivery::kSend);
      hooks_.set_mixer_volume(state_.volume);
    } else {
      channel.videoInputMode = false;
      channel.band = 0;
      start_tv_program(Show::kHide);
      channel.fmMode = true;
      state_.currentSource = source::kFmRadio;
    }
    channel.currentFmCode = platform::low_word(settings::read(*settings_, settings::tv_tuner::kFmChannel));
    hooks_.show_plate(kPlateFm);
    hooks_.show_fm_frequency(channel.currentFmCode, kFmFirstDigit);
    hooks_.show_source_lamp(5);
    if (start) {
      state_.standby = false;
      find_tv_window();
    }
    refill_channel_list_if_open();
  }
  refresh_source_captions(true);
  const settings::IntKey& fm_count = settings::channel_list::kFmCount;
  if (settings_->read_text(fm_count.section, fm_count.name, "", kDefaultTextBuffer).empty()) {
    platform_.process.sleep(kFirstScanWaitMs);
    post_to_self(cmd::kAutoScan);
  }
  platform_.windows.set_focus(state_.panelWindow);
}

void PanelApp::on_next_source(CommandId, std::int32_t) {
  if (state_.standby) return;
  if (!find_tv_window()) return;
  CommandId next = cmd::kSourceAirTv;
  switch (state_.currentSource) {
    case source::kFmRadio:
      state_.currentSource = source::kAirTv;
      next = cmd::kSourceAirTv;
      break;
    case source::kAirTv:
      state_.currentSource = source::kCableTv;
      next = cmd::kSourceCableTv;
      break;
    case source::kCableTv:
      state_.currentSource = source::kAvIn;
      next = cmd::kSourceAvIn;
      break;
    case source::kAvIn:
      state_.currentSource = source::kSVideo;
      next = cmd::kSourceSVideo;
      break;
    case source::kSVideo:
      state_.currentSource = source::kFmRadio;
      ask_fm_question();
      if (state_.fmAvailable) {
        next = cmd::kSourceFmRadio;
      } else {
        state_.currentSource = source::kAirTv;
        next = cmd::kSourceAirTv;
      }
      break;
    default:
      return;
  }
  post_to_self(next);
}

void PanelApp::on_air_cable_switch(CommandId, std::int32_t) {
  if (state_.channel.fmMode || state_.standby) return;
  if (!find_tv_window()) return;
  post_to_self(state_.channel.band == 0 ? cmd::kSourceAirTv : cmd::kSourceCableTv);
}

void PanelApp::on_reselect_source(CommandId, std::int32_t) { post_stored_source_command(); }

}  // namespace zel::core
