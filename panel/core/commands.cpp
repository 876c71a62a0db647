#include "panel/core/commands.h"

#include <algorithm>

namespace zel::core {
namespace {

struct Named {
  CommandId id;
  std::string_view name;
};

constexpr Named kPanelNames[] = {
    {cmd::kClosePanel, "ClosePanel"},
    {cmd::kScanEnded, "ScanEnded"},
    {cmd::kTunedReport, "TunedReport"},
    {cmd::kRequestDone, "RequestDone"},
    {cmd::kRecordingState, "RecordingState"},
    {cmd::kPreviewEnded, "PreviewEnded"},
    {cmd::kScheduleClosed, "ScheduleClosed"},
    {cmd::kFileSize, "FileSize"},
    {cmd::kCaptureTime, "CaptureTime"},
    {cmd::kSnapshotDone, "SnapshotDone"},
    {cmd::kTimeShiftSeconds, "TimeShiftSeconds"},
    {cmd::kFullScreenReport, "FullScreenReport"},
    {cmd::kScheduleQuestion, "ScheduleQuestion"},
    {cmd::kScheduleRecording, "ScheduleRecording"},
    {cmd::kScheduleChannel, "ScheduleChannel"},
    {cmd::kAudioModes, "AudioModes"},
    {cmd::kFmAnswer, "FmAnswer"},
    {cmd::kReselectSource, "ReselectSource"},
    {cmd::kPlayerTimeQuestion, "PlayerTimeQuestion"},
    {cmd::kAudioDialogDone, "AudioDialogDone"},
    {cmd::kVideoStandardDone, "VideoStandardDone"},
    {cmd::kRecordPageValueA, "RecordPageValueA"},
    {cmd::kRecordPageValueB, "RecordPageValueB"},
    {cmd::kLineVolume, "LineVolume"},
    {cmd::kShowHide, "ShowHide"},
    {cmd::kClose, "Close"},
    {cmd::kCapturedListFirst, "CapturedListFirst"},
    {cmd::kCapturedListLast, "CapturedListLast"},
    {cmd::kAbout, "About"},
    {cmd::kVolumeDown, "VolumeDown"},
    {cmd::kVolumeUp, "VolumeUp"},
    {cmd::kChannelDown, "ChannelDown"},
    {cmd::kChannelUp, "ChannelUp"},
    {cmd::kMinimize, "Minimize"},
    {cmd::kSourceAvIn, "SourceAvIn"},
    {cmd::kSourceSVideo, "SourceSVideo"},
    {cmd::kSourceAirTv, "SourceAirTv"},
    {cmd::kAddChannel, "AddChannel"},
    {cmd::kRemoveChannel, "RemoveChannel"},
    {cmd::kRecord, "Record"},
    {cmd::kPlay, "Play"},
    {cmd::kStandby, "Standby"},
    {cmd::kToEnd, "ToEnd"},
    {cmd::kToStart, "ToStart"},
    {cmd::kPause, "Pause"},
    {cmd::kStop, "Stop"},
    {cmd::kSourceCableTv, "SourceCableTv"},
    {cmd::kMute, "Mute"},
    {cmd::kTimeShift, "TimeShift"},
    {cmd::kSourceFmRadio, "SourceFmRadio"},
    {cmd::kSnapshot, "Snapshot"},
    {cmd::kSchedule, "Schedule"},
    {cmd::kPreview, "Preview"},
    {cmd::kSettings, "Settings"},
    {cmd::kAutoScan, "AutoScan"},
    {cmd::kNextSkin, "NextSkin"},
    {cmd::kDigit0, "Digit0"},
    {cmd::kDigit9, "Digit9"},
    {cmd::kRecall, "Recall"},
    {cmd::kOpenList, "OpenList"},
    {cmd::kCapturedFileFirst, "CapturedFileFirst"},
    {cmd::kCapturedFileLast, "CapturedFileLast"},
    {cmd::kTeletext, "Teletext"},
    {cmd::kAudioSettings, "AudioSettings"},
    {cmd::kCapturedFileA, "CapturedFileA"},
    {cmd::kCapturedFileB, "CapturedFileB"},
    {cmd::kTimeShiftMarker, "TimeShiftMarker"},
    {cmd::kCaptureEnded, "CaptureEnded"},
    {cmd::kChannelListWing, "ChannelListWing"},
    {cmd::kAirCableSwitch, "AirCableSwitch"},
    {cmd::kNextSource, "NextSource"},
    {cmd::kSoundAdjust, "SoundAdjust"},
    {cmd::kPictureAdjust, "PictureAdjust"},
    {cmd::kAudioModeKey, "AudioModeKey"},
    {cmd::kUp, "Up"},
    {cmd::kDown, "Down"},
    {cmd::kFullScreen, "FullScreen"},
    {cmd::kCapturedFileC, "CapturedFileC"},
    {cmd::kOpenTv, "OpenTv"},
    {cmd::kWebSite, "WebSite"},
    {cmd::kRefillChannelList, "RefillChannelList"},
};

constexpr Named kTvNames[] = {
    {tv::kSelectAvIn, "SelectAvIn"},
    {tv::kSelectAirTv, "SelectAirTv"},
    {tv::kSelectCableTv, "SelectCableTv"},
    {tv::kSelectSVideo, "SelectSVideo"},
    {tv::kCableScan, "CableScan"},
    {tv::kAirScan, "AirScan"},
    {tv::kCapture, "Capture"},
    {tv::kDigitsSoFar, "DigitsSoFar"},
    {tv::kVolume, "Volume"},
    {tv::kMuteOn, "MuteOn"},
    {tv::kMuteOff, "MuteOff"},
    {tv::kAdjustBrightness, "AdjustBrightness"},
    {tv::kAdjustContrast, "AdjustContrast"},
    {tv::kAdjustHue, "AdjustHue"},
    {tv::kAdjustSaturation, "AdjustSaturation"},
    {tv::kTuneFm, "TuneFm"},
    {tv::kCountryStep2, "CountryStep2"},
    {tv::kPreviewStart, "PreviewStart"},
    {tv::kChannelRemoved, "ChannelRemoved"},
    {tv::kChannelAdded, "ChannelAdded"},
    {tv::kRereadSettings, "RereadSettings"},
    {tv::kSnapshot, "Snapshot"},
    {tv::kTimeShiftStart, "TimeShiftStart"},
    {tv::kTimeShiftStop, "TimeShiftStop"},
    {tv::kPlayCapturedFile, "PlayCapturedFile"},
    {tv::kStopCapturedFile, "StopCapturedFile"},
    {tv::kBassChanged, "BassChanged"},
    {tv::kTrebleChanged, "TrebleChanged"},
    {tv::kRecordToggle, "RecordToggle"},
    {tv::kCountryStep1, "CountryStep1"},
    {tv::kCountryStep3, "CountryStep3"},
    {tv::kTuneChannel, "TuneChannel"},
    {tv::kFineTune, "FineTune"},
    {tv::kStoreFineTune, "StoreFineTune"},
    {tv::kChipAudio, "ChipAudio"},
    {tv::kSetBrightness, "SetBrightness"},
    {tv::kSetContrast, "SetContrast"},
    {tv::kSetSaturation, "SetSaturation"},
    {tv::kSetHue, "SetHue"},
    {tv::kSelectFmRadio, "SelectFmRadio"},
    {tv::kBass, "Bass"},
    {tv::kTreble, "Treble"},
    {tv::kBalance, "Balance"},
    {tv::kPanelMinimizing, "PanelMinimizing"},
    {tv::kAskAudioModes, "AskAudioModes"},
    {tv::kAskFm, "AskFm"},
    {tv::kAudioMode, "AudioMode"},
    {tv::kFmScan, "FmScan"},
    {tv::kVideoStandard, "VideoStandard"},
    {tv::kFullScan, "FullScan"},
    {tv::kTuneFrequency, "TuneFrequency"},
    {tv::kTuneFrequencyEntry, "TuneFrequencyEntry"},
    {tv::kSkinChanged, "SkinChanged"},
};

std::string_view find(const Named* begin, const Named* end, CommandId id) {
  const Named* it = std::find_if(begin, end, [id](const Named& n) { return n.id == id; });
  return it == end ? std::string_view() : it->name;
}

}  // namespace

std::string_view command_name(CommandId id) {
  // Inside the numbered ranges the table names only the ends.
  static constexpr std::string_view kDigits[] = {"Digit0", "Digit1", "Digit2", "Digit3", "Digit4",
                                                 "Digit5", "Digit6", "Digit7", "Digit8", "Digit9"};
  if (id >= cmd::kDigit0 && id <= cmd::kDigit9) return kDigits[id - cmd::kDigit0];
  if (id > cmd::kCapturedListFirst && id < cmd::kCapturedListLast) return "CapturedList";
  if (id > cmd::kCapturedFileFirst && id < cmd::kCapturedFileLast) return "CapturedFile";
  return find(std::begin(kPanelNames), std::end(kPanelNames), id);
}

std::string_view tv_command_name(CommandId id) {
  return find(std::begin(kTvNames), std::end(kTvNames), id);
}

}  // namespace zel::core
