#include "companions/tvprogram/tv_program_core.h"

#include <optional>

#include "panel/tuning/settings_keys.h"

namespace zel::tv {
namespace {

namespace keys = zel::settings;

struct SourceSwitch {
  std::uint16_t command;
  Source source;
};
constexpr SourceSwitch kSourceSwitches[] = {
    {to_tv::kSelectAvIn, Source::kAvIn},       {to_tv::kSelectAirTv, Source::kAirTv},
    {to_tv::kSelectCableTv, Source::kCableTv}, {to_tv::kSelectSVideo, Source::kSVideo},
    {to_tv::kSelectFmRadio, Source::kFmRadio},
};

// Requests the TV program carries out and then acknowledges with a command of
// its own; the panel waits for the acknowledgement before it allows more.
struct Acknowledgement {
  std::uint16_t request;
  std::uint16_t answer;
};
constexpr Acknowledgement kAcknowledgements[] = {
    {to_tv::kSnapshot, to_panel::kSnapshotDone},
    {to_tv::kChipAudio, to_panel::kAudioDialogDone},
    {to_tv::kVideoStandard, to_panel::kVideoStandardDone},
    {to_tv::kTimeShiftStart, to_panel::kRequestDone},
};

std::optional<Source> source_switch(std::uint16_t command) {
  for (const SourceSwitch& row : kSourceSwitches) {
    if (row.command == command) return row.source;
  }
  return std::nullopt;
}

std::optional<std::uint16_t> acknowledgement(std::uint16_t command) {
  for (const Acknowledgement& row : kAcknowledgements) {
    if (row.request == command) return row.answer;
  }
  return std::nullopt;
}

bool is_tuner(Source source) { return source == Source::kAirTv || source == Source::kCableTv; }

std::string number(std::int64_t value) { return std::to_string(value); }

}  // namespace

TvProgramCore::TvProgramCore(TvHost& host, ProfileStore& settings, TvOptions options)
    : host_(host), settings_(settings), options_(options) {}

void TvProgramCore::start(int show_flag) {
  const std::int32_t stored = keys::read(settings_, keys::crossbar::kInputSource);
  // A value the panel would not write is read as the documented default.
  const Source source = stored >= 1 && stored <= 5 ? static_cast<Source>(stored)
                                                   : static_cast<Source>(keys::crossbar::kInputSource.fallback);
  state_.source = source;
  state_.band = source == Source::kAirTv ? Source::kAirTv : Source::kCableTv;
  tune_band_channel();
  read_fm_frequency();
  log("start show=" + number(show_flag) + " source=" + number(static_cast<std::int32_t>(source)) +
      " channel=" + number(state_.channel) + " fm=" + number(state_.fm_frequency));
  host_.tuning_changed();
  reply(false, to_panel::kRequestDone, 0);
}

void TvProgramCore::on_command(std::uint16_t command, std::int32_t argument) {
  log("cmd " + number(command) + " " + number(argument));

  if (const auto source = source_switch(command)) {
    select_source(*source);
    reply(false, to_panel::kRequestDone, 0);
    return;
  }
  if (const auto answer = acknowledgement(command)) {
    reply(false, *answer, 0);
    return;
  }
  switch (command) {
    case to_tv::kAskFm:
      // The panel reads the answer as soon as its send returns: it must be sent, not posted.
      reply(true, to_panel::kFmAnswer, options_.fm_present ? 1 : 0);
      break;
    case to_tv::kAskAudioModes:
      reply(true, to_panel::kAudioModes, options_.audio_modes);
      break;
    case to_tv::kTuneFm:
      state_.fm_frequency = argument;
      keys::write(settings_, keys::tv_tuner::kFmChannel, argument);
      host_.tuning_changed();
      break;
    case to_tv::kTuneChannel:
      tune_channel(argument);
      host_.tuning_changed();
      break;
    case to_tv::kTuneFrequency:
      state_.full_scan_entry = 0;
      state_.frequency_hz = std::int64_t{argument} * 10000;
      host_.tuning_changed();
      break;
    case to_tv::kTuneFrequencyEntry:
      state_.full_scan_entry = argument;
      host_.tuning_changed();
      break;
    default:
      break;
  }
}

void TvProgramCore::on_message(WindowMessage message) {
  switch (message) {
    case WindowMessage::kClose:
      log("msg WM_CLOSE");
      host_.close_window();
      break;
    case WindowMessage::kLeftDoubleClick:
      log("msg WM_LBUTTONDBLCLK");
      break;
  }
}

void TvProgramCore::select_source(Source source) {
  state_.source = source;
  if (is_tuner(source)) {
    state_.band = source;
    tune_band_channel();
  } else if (source == Source::kFmRadio) {
    read_fm_frequency();
  }
  host_.tuning_changed();
}

// The panel keeps each band's channel in its own key and copies it into
// TVChannel only after the switch command, so the band's key is the one that
// is current when a switch arrives.
void TvProgramCore::tune_band_channel() {
  if (full_scan_in_use()) {
    tune_channel(keys::read(settings_, keys::freq_list::kChannelNow));
    return;
  }
  const keys::IntKey& key =
      state_.band == Source::kAirTv ? keys::tv_tuner::kTvChannelAir : keys::tv_tuner::kTvChannelCable;
  const std::int32_t last_sent = settings_.read_int(keys::tv_tuner::kTvChannel.section,
                                                    keys::tv_tuner::kTvChannel.name, key.fallback);
  tune_channel(settings_.read_int(key.section, key.name, last_sent));
}

void TvProgramCore::tune_channel(std::int32_t value) {
  if (full_scan_in_use()) {
    state_.full_scan_entry = value;
    state_.frequency_hz = settings_.read_int(keys::section::kFreqChList, number(value), 0);
  } else {
    state_.channel = value;
    state_.full_scan_entry = 0;
    state_.frequency_hz = 0;
  }
}

bool TvProgramCore::full_scan_in_use() {
  return keys::read(settings_, keys::vorne::kUseFullScan) == keys::kTrue;
}

// The panel uses only the low 16 bits of the stored FM frequency; so does the TV program.
void TvProgramCore::read_fm_frequency() {
  state_.fm_frequency = static_cast<std::uint16_t>(keys::read(settings_, keys::tv_tuner::kFmChannel));
}

void TvProgramCore::reply(bool send, std::uint16_t command, std::int32_t argument) {
  const bool delivered =
      send ? host_.send_to_panel(command, argument) : host_.post_to_panel(command, argument);
  log(std::string(send ? "out send " : "out post ") + number(command) + " " + number(argument) +
      (delivered ? "" : " lost"));
}

void TvProgramCore::log(std::string_view line) { host_.append_log(line); }

}  // namespace zel::tv
