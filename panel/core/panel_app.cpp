#include "panel/core/panel_app.h"

#include <algorithm>
#include <cassert>
#include <iterator>

#include "panel/core/command_gates.h"
#include "panel/core/skin_keys.h"
#include "panel/tuning/settings_keys.h"

namespace zel::core {

using platform::Message;
using platform::WindowId;
namespace wm = platform::wm;

namespace {

// How each command reaches the TV window.
struct TvRoute {
  CommandId first;
  CommandId last;
  std::uint8_t deliveries;
};

constexpr std::uint8_t kSend = static_cast<std::uint8_t>(TvDelivery::kSend);
constexpr std::uint8_t kPost = static_cast<std::uint8_t>(TvDelivery::kPost);
constexpr std::uint8_t kPostKept = static_cast<std::uint8_t>(TvDelivery::kPostKept);

constexpr TvRoute kTvRoutes[] = {
    {tv::kSelectAvIn, tv::kSelectSVideo, kSend},
    {tv::kSelectFmRadio, tv::kSelectFmRadio, kSend},
    {tv::kAskFm, tv::kAskFm, kSend},
    {tv::kTuneChannel, tv::kTuneChannel, kPost},
    {tv::kTuneFrequency, tv::kTuneFrequencyEntry, kPost},
    {tv::kDigitsSoFar, tv::kDigitsSoFar, kPost},
    {tv::kTuneFm, tv::kTuneFm, kPost | kSend},  // Send from the channel list and for FM down
    {tv::kChannelRemoved, tv::kChannelAdded, kPost},
    {tv::kCableScan, tv::kAirScan, kPost},
    {tv::kFmScan, tv::kFmScan, kPost},
    {tv::kFullScan, tv::kFullScan, kPost},
    {tv::kVolume, tv::kVolume, kSend | kPostKept},  // Send from the volume commands, kept from the bar
    {tv::kMuteOn, tv::kMuteOff, kPostKept},
    {tv::kAdjustBrightness, tv::kAdjustSaturation, kPostKept},
    {tv::kSetBrightness, tv::kSetHue, kPostKept},
    {tv::kBass, tv::kBalance, kPostKept},
    {tv::kAudioMode, tv::kAudioMode, kSend},
    {tv::kAskAudioModes, tv::kAskAudioModes, kSend},
    {tv::kBassChanged, tv::kTrebleChanged, kPost},
    {tv::kChipAudio, tv::kChipAudio, kPost},
    {tv::kRecordToggle, tv::kRecordToggle, kSend},
    {tv::kCapture, tv::kCapture, kPost},
    {tv::kSnapshot, tv::kSnapshot, kPost},
    {tv::kTimeShiftStart, tv::kTimeShiftStart, kPost},
    {tv::kTimeShiftStop, tv::kTimeShiftStop, kPost},
    {tv::kRereadSettings, tv::kRereadSettings, kSend},
    {tv::kPreviewStart, tv::kPreviewStart, kPost},
    {tv::kPanelMinimizing, tv::kPanelMinimizing, kPostKept},
    {tv::kSkinChanged, tv::kSkinChanged, kPost},
    {tv::kCountryStep1, tv::kCountryStep1, kSend},
    {tv::kCountryStep2, tv::kCountryStep2, kSend},
    {tv::kCountryStep3, tv::kCountryStep3, kSend},
    {tv::kFineTune, tv::kStoreFineTune, kSend},
    {tv::kVideoStandard, tv::kVideoStandard, kPost},
};

}  // namespace

std::uint8_t tv_deliveries(CommandId command) {
  for (const TvRoute& r : kTvRoutes) {
    if (command >= r.first && command <= r.last) return r.deliveries;
  }
  return 0;
}

// The panel window's command table. Commands listed with on_other_command are
// the panel's own but handled in other areas (through PanelHooks); numbers
// not listed have no handler at all (the open-list button 40117, the
// captured-file list, anything unknown).
struct PanelApp::Route {
  CommandId first;
  CommandId last;
  Handler handler;
};

const PanelApp::Route* PanelApp::route_of(CommandId command) {
  static constexpr Route kRoutes[] = {
      // Life cycle.
      {cmd::kClose, cmd::kClose, &PanelApp::on_close},
      {cmd::kClosePanel, cmd::kClosePanel, &PanelApp::on_close_panel},
      {cmd::kStandby, cmd::kStandby, &PanelApp::on_standby},
      // Input sources.
      {cmd::kSourceAvIn, cmd::kSourceSVideo, &PanelApp::on_video_source},
      {cmd::kSourceAirTv, cmd::kSourceAirTv, &PanelApp::on_tuner_source},
      {cmd::kSourceCableTv, cmd::kSourceCableTv, &PanelApp::on_tuner_source},
      {cmd::kSourceFmRadio, cmd::kSourceFmRadio, &PanelApp::on_fm_source},
      {cmd::kNextSource, cmd::kNextSource, &PanelApp::on_next_source},
      {cmd::kAirCableSwitch, cmd::kAirCableSwitch, &PanelApp::on_air_cable_switch},
      {cmd::kReselectSource, cmd::kReselectSource, &PanelApp::on_reselect_source},
      // From the TV window and the other programs.
      {cmd::kRequestDone, cmd::kRequestDone, &PanelApp::on_request_done},
      {cmd::kScanEnded, cmd::kScanEnded, &PanelApp::on_scan_ended},
      {cmd::kTunedReport, cmd::kTunedReport, &PanelApp::on_tuned_report},
      {cmd::kFmAnswer, cmd::kFmAnswer, &PanelApp::on_fm_answer},
      {cmd::kAudioModes, cmd::kAudioModes, &PanelApp::on_audio_modes},
      {cmd::kRecordingState, cmd::kRecordingState, &PanelApp::on_recording_state},
      {cmd::kCaptureTime, cmd::kCaptureTime, &PanelApp::on_capture_time},
      {cmd::kFileSize, cmd::kFileSize, &PanelApp::on_file_size},
      {cmd::kCaptureEnded, cmd::kCaptureEnded, &PanelApp::on_capture_ended},
      {cmd::kSnapshotDone, cmd::kSnapshotDone, &PanelApp::on_snapshot_done},
      {cmd::kTimeShiftSeconds, cmd::kTimeShiftSeconds, &PanelApp::on_time_shift_seconds},
      {cmd::kTimeShiftMarker, cmd::kTimeShiftMarker, &PanelApp::on_time_shift_marker},
      {cmd::kPreviewEnded, cmd::kPreviewEnded, &PanelApp::on_preview_ended},
      {cmd::kFullScreenReport, cmd::kFullScreenReport, &PanelApp::on_full_screen_report},
      {cmd::kAudioDialogDone, cmd::kAudioDialogDone, &PanelApp::on_audio_dialog_done},
      {cmd::kVideoStandardDone, cmd::kVideoStandardDone, &PanelApp::on_video_standard_done},
      {cmd::kRecordPageValueA, cmd::kRecordPageValueB, &PanelApp::on_record_page_value},
      {cmd::kLineVolume, cmd::kLineVolume, &PanelApp::on_line_volume},
      {cmd::kScheduleClosed, cmd::kScheduleClosed, &PanelApp::on_schedule_closed},
      {cmd::kScheduleQuestion, cmd::kScheduleQuestion, &PanelApp::on_schedule_question},
      {cmd::kScheduleRecording, cmd::kScheduleRecording, &PanelApp::on_schedule_recording},
      {cmd::kScheduleChannel, cmd::kScheduleChannel, &PanelApp::on_schedule_channel},
      {cmd::kPlayerTimeQuestion, cmd::kPlayerTimeQuestion, &PanelApp::on_player_time_question},
      // The panel's own commands whose handlers live in other areas.
      {cmd::kShowHide, cmd::kShowHide, &PanelApp::on_other_command},
      {cmd::kAbout, cmd::kAbout, &PanelApp::on_other_command},
      {cmd::kVolumeDown, cmd::kMinimize, &PanelApp::on_other_command},
      {cmd::kAddChannel, cmd::kPlay, &PanelApp::on_other_command},
      {cmd::kToEnd, cmd::kStop, &PanelApp::on_other_command},
      {cmd::kMute, cmd::kTimeShift, &PanelApp::on_other_command},
      {cmd::kSnapshot, cmd::kNextSkin, &PanelApp::on_other_command},
      {cmd::kDigit0, cmd::kDigit9, &PanelApp::on_other_command},
      {cmd::kRecall, cmd::kRecall, &PanelApp::on_other_command},
      {cmd::kTeletext, cmd::kAudioSettings, &PanelApp::on_other_command},
      {cmd::kChannelListWing, cmd::kChannelListWing, &PanelApp::on_other_command},
      {cmd::kSoundAdjust, cmd::kFullScreen, &PanelApp::on_other_command},
      {cmd::kOpenTv, cmd::kRefillChannelList, &PanelApp::on_other_command},
  };
  const auto* it = std::find_if(std::begin(kRoutes), std::end(kRoutes), [command](const Route& r) {
    return command >= r.first && command <= r.last;
  });
  return it == std::end(kRoutes) ? nullptr : it;
}

PanelApp::PanelApp(const platform::Platform& platform, PanelHooks& hooks)
    : platform_(platform), hooks_(hooks) {}

PanelApp::~PanelApp() = default;

std::optional<std::intptr_t> PanelApp::handle(WindowId self, const Message& message) {
  switch (message.id) {
    case wm::kCreate:
      on_create(self);
      return 0;
    case wm::kDestroy:
      on_destroy();
      return 0;
    case wm::kCommand:
      if (on_command(platform::command_of(message), platform::argument_of(message))) return 0;
      return std::nullopt;
    case wm::kTimer:
      on_timer(static_cast<std::uint32_t>(message.wparam));
      return 0;
    case wm::kHotKey:
      on_hotkey(static_cast<int>(message.wparam));
      return 0;
    case wm::kDeviceChange:
      on_device_change();
      return 1;  // TRUE: the panel grants every device request
    default:
      return hooks_.other_message(message);
  }
}

bool PanelApp::on_command(CommandId command, std::int32_t argument) {
  if (!passes_command_gates(command, state_.timeShift, state_.recording)) return true;
  const Route* route = route_of(command);
  if (route == nullptr) return false;
  (this->*route->handler)(command, argument);
  return true;
}

void PanelApp::on_other_command(CommandId command, std::int32_t argument) {
  hooks_.other_command(command, argument);
}

// ---------------------------------------------------------------- protocol

WindowId PanelApp::find_tv_window() {
  state_.tvWindow = platform_.windows.find_window(windows::kTvClass, windows::kTvTitle);
  return state_.tvWindow;
}

void PanelApp::tv_command(CommandId command, std::int32_t argument, TvDelivery delivery) {
  const WindowId tv = delivery == TvDelivery::kPostKept ? state_.tvWindow : find_tv_window();
  tv_command_to(tv, command, argument, delivery);
}

void PanelApp::tv_command_to(WindowId tv, CommandId command, std::int32_t argument,
                             TvDelivery delivery) {
  assert((tv_deliveries(command) & static_cast<std::uint8_t>(delivery)) != 0 &&
         "a TV command given another way than the protocol lists");
  const Message m = platform::command_message(command, argument);
  if (delivery == TvDelivery::kSend) {
    platform_.windows.send_message(tv, m);
  } else {
    platform_.windows.post_message(tv, m);
  }
}

void PanelApp::player_command(CommandId command, std::int32_t argument) {
  const WindowId player = platform_.windows.find_window(windows::kPlayerClass, windows::kPlayerTitle);
  if (!player) return;
  const Message m = platform::command_message(command, argument);
  switch (command) {
    case player::kToStart:
    case player::kStop:
    case player::kSeek:
      platform_.windows.send_message(player, m);
      break;
    default:
      platform_.windows.post_message(player, m);
      break;
  }
}

void PanelApp::post_schedule_recording_stopped() {
  platform_.windows.post_message(find_schedule_window(),
                                 Message{schedule::kRecordingStopped, 0, 0});
}

void PanelApp::post_to_self(CommandId command, std::int32_t argument) {
  platform_.windows.post_message(state_.panelWindow, platform::command_message(command, argument));
}

void PanelApp::send_to_self(CommandId command, std::int32_t argument) {
  platform_.windows.send_message(state_.panelWindow, platform::command_message(command, argument));
}

std::optional<CommandId> PanelApp::stored_source_command() {
  switch (settings::read(*settings_, settings::crossbar::kInputSource)) {
    case 1: return cmd::kSourceAvIn;
    case 2: return cmd::kSourceSVideo;
    case 3: return cmd::kSourceCableTv;
    case 4: return cmd::kSourceAirTv;
    case 5: return cmd::kSourceFmRadio;
    default: return std::nullopt;
  }
}

void PanelApp::post_stored_source_command() {
  if (const auto command = stored_source_command()) post_to_self(*command);
}

void PanelApp::apply_topmost() {
  const bool topmost = settings::read(*settings_, settings::vorne::kAlwaysOnTop) == settings::kTrue;
  const auto band = topmost ? platform::ZBand::kTopmost : platform::ZBand::kNormal;
  if (state_.panelWindow) platform_.windows.set_z_band(state_.panelWindow, band);
  if (const WindowId tv = find_tv_window()) platform_.windows.set_z_band(tv, band);
}

void PanelApp::start_tv_program(platform::Show show) {
  std::string folder = paths_.install_directory;
  if (folder.empty()) folder = platform_.process.current_directory();
  // The current directory of a drive's root ends in a separator already.
  if (folder.empty() || (folder.back() != '\\' && folder.back() != '/')) folder += '\\';
  std::string program = folder + std::string(windows::kTvProgramFile);
  // Unquoted, a folder with blanks ("C:\Program Files\...") would make the
  // system try "C:\Program" first.
  if (program.find(' ') != std::string::npos) program = "\"" + program + "\"";
  platform_.process.win_exec(program, show);
}

WindowId PanelApp::find_schedule_window() {
  const std::string title =
      skin_->read_text(skin_keys::kPanel, windows::kScheduleTitleKey, windows::kScheduleTitleDefault,
                       windows::kScheduleTitleBuffer);
  return platform_.windows.find_window(std::nullopt, title);
}

bool PanelApp::use_full_scan() {
  return settings::read(*settings_, settings::vorne::kUseFullScan) == settings::kTrue;
}

}  // namespace zel::core
