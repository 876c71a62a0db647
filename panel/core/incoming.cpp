// Commands the panel window accepts from the TV program, the media player,
// the schedule program and other programs. Their values are used as sent.
#include <string>

#include "panel/core/panel_app.h"
#include "panel/tuning/settings_keys.h"

namespace zel::core {

using platform::Message;
using platform::WindowId;

void PanelApp::on_request_done(CommandId, std::int32_t) { state_.busy = false; }

void PanelApp::on_scan_ended(CommandId, std::int32_t) {
  state_.airScan = false;
  state_.cableScan = false;
  state_.fmScan = false;
  state_.busy = false;
  if (!state_.channel.fmMode) hooks_.notify_tv_page(dialog::kRefillTvPage);
  refill_channel_list_if_open();
}

void PanelApp::on_tuned_report(CommandId, std::int32_t argument) {
  const int value = platform::low_word(argument);
  if (state_.channel.fmMode) {
    hooks_.show_fm_frequency(value, 4);
  } else {
    hooks_.show_channel_number(value);
    state_.channel.currentChannel = value;
  }
}

void PanelApp::on_fm_answer(CommandId, std::int32_t argument) { state_.fmAvailable = argument != 0; }

void PanelApp::on_audio_modes(CommandId, std::int32_t argument) { state_.audioModes = argument; }

void PanelApp::on_recording_state(CommandId, std::int32_t argument) {
  state_.recording = platform::low_word(argument) != 0;
}

void PanelApp::on_capture_time(CommandId, std::int32_t argument) {
  hooks_.show_capture_time(argument / 1000);
}

void PanelApp::on_file_size(CommandId, std::int32_t argument) { hooks_.show_file_size(argument); }

void PanelApp::on_capture_ended(CommandId, std::int32_t) {
  state_.recordToggleReady = true;
  hooks_.show_file_size(0);
  hooks_.show_capture_time(0);
}

void PanelApp::on_snapshot_done(CommandId, std::int32_t) { state_.snapshotPending = false; }

void PanelApp::on_time_shift_seconds(CommandId, std::int32_t argument) {
  hooks_.show_capture_time(argument);
  post_to_self(cmd::kTimeShiftMarker, argument / 6 - 1);
}

void PanelApp::on_time_shift_marker(CommandId, std::int32_t argument) {
  hooks_.set_knob_from_time(argument);
}

void PanelApp::on_preview_ended(CommandId, std::int32_t) { state_.preview = false; }

void PanelApp::on_full_screen_report(CommandId, std::int32_t argument) {
  state_.tvFullScreen = argument != 0;
  if (argument == 1) {
    hooks_.show_channel_list_window(false);
  } else if (argument == 0 && state_.leftListOpen) {
    hooks_.show_channel_list_window(true);
  }
  apply_topmost();
}

void PanelApp::on_audio_dialog_done(CommandId, std::int32_t) { hooks_.audio_dialog_done(); }

void PanelApp::on_video_standard_done(CommandId, std::int32_t) { hooks_.video_standard_done(); }

void PanelApp::on_record_page_value(CommandId command, std::int32_t argument) {
  state_.recordPageValues[command == cmd::kRecordPageValueA ? 0 : 1] = argument;
}

void PanelApp::on_line_volume(CommandId, std::int32_t argument) {
  if (argument == 0) {
    hooks_.set_mixer_volume(0);
  } else if (!state_.muted) {
    hooks_.set_mixer_volume(state_.volume);
  }
}

void PanelApp::on_schedule_closed(CommandId, std::int32_t) { state_.scheduleOpen = false; }

void PanelApp::on_schedule_question(CommandId, std::int32_t argument) {
  if (argument == 0) {
    if (const WindowId schedule = find_schedule_window()) {
      const bool capturing = state_.recording || state_.timeShift;
      platform_.windows.send_message(schedule, Message{schedule::kMayRecord, capturing ? 0u : 1u, 0});
    }
    return;
  }
  // The answer must be current: ask the TV window again first.
  ask_fm_question();
  if (const WindowId schedule = find_schedule_window()) {
    platform_.windows.send_message(
        schedule, Message{schedule::kFmAvailable, state_.fmAvailable ? 1u : 0u, 0});
  }
}

void PanelApp::on_schedule_recording(CommandId, std::int32_t argument) {
  state_.scheduleRecording = argument != 0;
}

void PanelApp::on_schedule_channel(CommandId, std::int32_t argument) {
  hooks_.show_channel_number(argument);
  if (use_full_scan()) return;
  settings::write(*settings_,
                  state_.channel.band == 1 ? settings::tv_tuner::kTvChannelAir
                                           : settings::tv_tuner::kTvChannelCable,
                  argument);
}

void PanelApp::on_player_time_question(CommandId, std::int32_t) {
  player_command(player::kStartSecond, state_.timeShiftStartSecond);
  player_command(player::kStartMinute, state_.timeShiftStartMinute);
  player_command(player::kStartHour, state_.timeShiftStartHour);
}

}  // namespace zel::core
