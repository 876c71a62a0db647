#pragma once
// Every section and key of the settings file (ZelSFile.ini) and every win.ini
// entry the panel uses, defined once. Readers take the default and buffer
// size from here; where readers differ, the key carries the common default
// and the others are named beside it.
//
// Values are 8-bit ANSI text. Booleans are the exact strings "TRUE" and
// "FALSE", compared byte for byte ("true" is not TRUE). Numbers are decimal
// without leading zeros; frequencies are in Hz unless a key says otherwise.
// Channel-number keys are the decimal channel number ("1" ... "125").
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/ini/profile_store.h"

namespace zel::settings {

// A key whose readers differ in their defaults.
struct Key {
  std::string_view section;
  std::string_view name;
};

// A key read as text, with its default and the buffer size its readers use.
struct TextKey {
  std::string_view section;
  std::string_view name;
  std::string_view fallback;
  std::size_t buffer_size = kDefaultTextBuffer;
};

// A key read as a number, with its default.
struct IntKey {
  std::string_view section;
  std::string_view name;
  std::int32_t fallback;
};

inline std::string read(ProfileStore& store, const TextKey& k) {
  return store.read_text(k.section, k.name, k.fallback, k.buffer_size);
}
inline std::int32_t read(ProfileStore& store, const IntKey& k) {
  return store.read_int(k.section, k.name, k.fallback);
}
template <class K>
bool write(ProfileStore& store, const K& k, std::string_view value) {
  return store.write_text(k.section, k.name, value);
}
template <class K>
bool write(ProfileStore& store, const K& k, std::int32_t value) {
  return store.write_text(k.section, k.name, std::to_string(value));
}

inline constexpr std::string_view kTrue = "TRUE";
inline constexpr std::string_view kFalse = "FALSE";

// Section names of the settings file.
namespace section {
inline constexpr std::string_view kVorne = "vorne";
inline constexpr std::string_view kHovra = "HOVRA";
inline constexpr std::string_view kHovraCrossbar = "HovraCrossbar";
inline constexpr std::string_view kTvTuner = "TVTuner";
inline constexpr std::string_view kVideoStandard = "VideoStandard";
inline constexpr std::string_view kAudioFormat = "AudioFormat";
inline constexpr std::string_view kVideoProcAmp = "VideoProcAmp";
inline constexpr std::string_view kAudioProcAmp = "AudioProcAmp";
inline constexpr std::string_view kSurfing = "SURFING";
inline constexpr std::string_view kChannelListAir = "CHANNELLISTAIR";
inline constexpr std::string_view kChannelListCable = "CHANNELLIST";
inline constexpr std::string_view kChannelListFm = "CHANNELLISTFM";
inline constexpr std::string_view kAirChannelName = "Air channel Name";
inline constexpr std::string_view kCableChannelName = "Cable channel Name";
inline constexpr std::string_view kFmChannelName = "FM channel Name";
inline constexpr std::string_view kChannelAirFreq = "CHANNELAIRFREQ";
inline constexpr std::string_view kChannelCableFreq = "CHANNELCABLEFREQ";
inline constexpr std::string_view kFreqChList = "FREQCHLIST";
inline constexpr std::string_view kFreqChListName = "FREQCHLISTNAME";
inline constexpr std::string_view kDevice = "DEVICE";
inline constexpr std::string_view kSelectDevice = "SelectDevice";
inline constexpr std::string_view kAudioDevice = "AudioDevice";
inline constexpr std::string_view kAudio = "Audio";
inline constexpr std::string_view kAudioInput = "AudioInput";
}  // namespace section

// [vorne], general settings.
namespace vorne {
// Empty, which is not TRUE; the fully-scan page seeds "FALSE".
inline constexpr TextKey kUseFullScan{section::kVorne, "UseFullScan", ""};
inline constexpr TextKey kAlwaysOnTop{section::kVorne, "AlwaysOnTop", ""};
// "NTSC" or "PAL"; the misc page reads it with a buffer of 10.
inline constexpr TextKey kAnalogStandard{section::kVorne, "AnalogStandard", "NTSC", 10};
inline constexpr TextKey kAudioAutoDetect{section::kVorne, "AudioAutoDetect", "TRUE"};
// Empty counts as TRUE.
inline constexpr TextKey kDeleteTempFile{section::kVorne, "DeleteTempFile", ""};
inline constexpr TextKey kTimeShiftFileRoot{section::kVorne, "TimeShiftFileRoot", "C:\\TimeShift.mpg"};
// "352x288" for PAL-class standards, else "320x240"; read with a buffer of 10.
inline constexpr TextKey kTimeShiftSize{section::kVorne, "TimeShiftSize", "", 10};
inline constexpr TextKey kTimeShiftBitRate{section::kVorne, "TimeShiftBitRate", "1250000", 10};
inline constexpr IntKey kSnapShotNumber{section::kVorne, "SnapShotNumber", 1};
inline constexpr TextKey kCaptureFile{section::kVorne, "CaptureFile", ""};
inline constexpr TextKey kCompressFormat{section::kVorne, "CompressFormat", "MPEG1"};
// Seeded per recording format by the record page.
inline constexpr TextKey kCaptureBitRate{section::kVorne, "CaptureBitRate", ""};
inline constexpr TextKey kCaptureAudioBitRate{section::kVorne, "CaptureAudioBitRate", "224000"};
// "352x288" for PAL-class standards, else "320x240"; read with a buffer of 40.
inline constexpr TextKey kCaptureStreamSize{section::kVorne, "CaptureStreamSize", "", 40};
inline constexpr IntKey kPreviewStreamFormat{section::kVorne, "PreviewStreamFormat", 0};
// "704x576" for PAL-class standards, else "640x480" (not written); buffer 40.
inline constexpr TextKey kPreviewStreamSize{section::kVorne, "PreviewStreamSize", "", 40};
// Megabytes; read only.
inline constexpr IntKey kDiskFreeSpace{section::kVorne, "DiskFreeSpace", 500};
// "1" while a file is played, else "0".
inline constexpr Key kPlayBack{section::kVorne, "PlayBack"};
inline constexpr Key kPlayBackFileRoot{section::kVorne, "PlayBackFileRoot"};
// Written by the TV program.
inline constexpr TextKey kAddItem{section::kVorne, "AddItem", ""};
}  // namespace vorne

// [HOVRA], country and tuning ranges.
namespace hovra {
// Telephone country code; 0 means none chosen yet.
inline constexpr IntKey kCountryCode{section::kHovra, "CountryCode", 0};
inline constexpr IntKey kCodePos{section::kHovra, "CodePos", 0};
inline constexpr IntKey kDefCodePos{section::kHovra, "DefCodePos", 0};
inline constexpr IntKey kDefaultCountry{section::kHovra, "DEFAULTCOUNTRY", 0};
inline constexpr TextKey kDefaultName{section::kHovra, "DEFAULTNAME", ""};
inline constexpr IntKey kMinAir{section::kHovra, "Minair", 0};
inline constexpr IntKey kMaxAir{section::kHovra, "Maxair", 0};
inline constexpr IntKey kMinCable{section::kHovra, "Min", 0};
inline constexpr IntKey kMaxCable{section::kHovra, "Max", 0};
inline constexpr TextKey kMinFreq{section::kHovra, "MinFreq", ""};
inline constexpr TextKey kMaxFreq{section::kHovra, "MaxFreq", ""};
inline constexpr Key kRange{section::kHovra, "Range"};
}  // namespace hovra

// [HovraCrossbar]: 1 AV-in, 2 S-Video, 3 cable TV, 4 air TV, 5 FM radio.
namespace crossbar {
inline constexpr IntKey kInputSource{section::kHovraCrossbar, "InputSource", 3};
}  // namespace crossbar

// [TVTuner], current channels.
namespace tv_tuner {
inline constexpr IntKey kTvChannelAir{section::kTvTuner, "TVChannelAir", 8};
inline constexpr IntKey kTvChannelCable{section::kTvTuner, "TVChannelCable", 8};
inline constexpr Key kTvChannel{section::kTvTuner, "TVChannel"};
// 0 means no recall channel. The cable key is also written as "recallCable";
// names match without regard to case, so both are this key.
inline constexpr IntKey kRecallAir{section::kTvTuner, "recallair", 0};
inline constexpr IntKey kRecallCable{section::kTvTuner, "recallcable", 0};
// FM frequency in units of 100 kHz; 0 or missing is seeded at start.
inline constexpr IntKey kFmChannel{section::kTvTuner, "FMChannel", 0};
}  // namespace tv_tuner

// [VideoStandard] VideoStandard: standard id 1 to 18; readers default to 1
// or 0. Ids above 3 are PAL-class.
inline constexpr Key kVideoStandard{section::kVideoStandard, "VideoStandard"};

// [AudioFormat] AudioFormat: bits 1 mono, 2 stereo, 16/32/64 language A/B/C.
inline constexpr IntKey kAudioFormat{section::kAudioFormat, "AudioFormat", 17};

// [VideoProcAmp], 0 to 100. Readers default to 50; start-up reads them with
// default 0 to find missing and zero values.
namespace video_proc_amp {
inline constexpr IntKey kBrightness{section::kVideoProcAmp, "BrightnessValue", 50};
inline constexpr IntKey kContrast{section::kVideoProcAmp, "ContrastValue", 50};
inline constexpr IntKey kHue{section::kVideoProcAmp, "HueValue", 50};
inline constexpr IntKey kSaturation{section::kVideoProcAmp, "SaturationValue", 50};
}  // namespace video_proc_amp

// [AudioProcAmp]. The audio dialog reads them with kAudioDialogMissing,
// meaning "take the value the panel set last in this run".
namespace audio_proc_amp {
inline constexpr IntKey kBalance{section::kAudioProcAmp, "BalanceValue", 128};
inline constexpr IntKey kBass{section::kAudioProcAmp, "BassValue", 0};
inline constexpr IntKey kTreble{section::kAudioProcAmp, "TrebleValue", 0};
inline constexpr IntKey kVolume{section::kAudioProcAmp, "VolumeValue", 128};
inline constexpr std::int32_t kAudioDialogMissing = 256;
}  // namespace audio_proc_amp

// [SURFING], multi-channel preview. "FALSE" marks a missing key.
namespace surfing {
inline constexpr TextKey kTime{section::kSurfing, "TIME", kFalse};
inline constexpr TextKey kWin{section::kSurfing, "WIN", kFalse};
}  // namespace surfing

// Channel lists: [CHANNELLISTAIR] and [CHANNELLIST] hold ALREADYSCAN and one
// key per channel number ("TRUE" in the list, "FALSE" removed).
namespace channel_list {
inline constexpr std::string_view kAlreadyScan = "ALREADYSCAN";
inline constexpr TextKey kAlreadyScanAir{section::kChannelListAir, kAlreadyScan, kFalse};
inline constexpr TextKey kAlreadyScanCable{section::kChannelListCable, kAlreadyScan, kFalse};
// [CHANNELLISTFM] FM = number of stations; keys "1" to FM = FM codes.
inline constexpr IntKey kFmCount{section::kChannelListFm, "FM", 0};
// Read default of the name sections; a name reading as this is missing.
inline constexpr std::string_view kMissingName = "*-88*-";
// Read default of [CHANNELAIRFREQ] and [CHANNELCABLEFREQ]: not fine-tuned.
inline constexpr std::string_view kNotFineTuned = "nono";
}  // namespace channel_list

// [FREQCHLIST], the fully-scan list: keys "1" to ALLCH = frequencies in Hz.
namespace freq_list {
inline constexpr IntKey kAllCh{section::kFreqChList, "ALLCH", 0};
inline constexpr IntKey kChannelNow{section::kFreqChList, "CHANNELNOW", 1};
inline constexpr IntKey kRecallChannel{section::kFreqChList, "RECALLCHANNEL", 1};
inline constexpr TextKey kScanDone{section::kFreqChList, "SCANDONE", ""};
// At most this many entries.
inline constexpr std::int32_t kMaxEntries = 255;
}  // namespace freq_list

// Devices and the sound card.
namespace devices {
// [DEVICE] keys "0" to "9": capture device names, written by the TV program.
inline constexpr std::string_view kNoDevice = "NONE";
inline constexpr std::size_t kDeviceNameBuffer = 1024;
inline constexpr int kDeviceSlots = 10;
inline constexpr IntKey kSelectDeviceIndex{section::kSelectDevice, "Index", 0};
// [AudioDevice] and [Audio] are rebuilt at every start: keys "0", "1", ...
// and a last entry "None" (in [Audio]: "0").
inline constexpr std::string_view kNoAudioLine = "None";
// Missing is marked by 500 and replaced by the index of the "None" entry.
inline constexpr IntKey kAudioInputIndex{section::kAudioInput, "Index", 500};
inline constexpr std::size_t kAudioInputIndexBuffer = 4;
}  // namespace devices

// Values the start-up seeding writes.
namespace seed {
inline constexpr std::string_view kPicture = "50";
inline constexpr std::string_view kFmChannel = "875";
inline constexpr std::string_view kFmChannelJapan = "760";
inline constexpr std::int32_t kJapanCountryCode = 81;
inline constexpr std::string_view kSurfTime = "4";
inline constexpr std::string_view kSurfWin = "2 x 2";
inline constexpr std::string_view kBandChannel = "8";
}  // namespace seed

// win.ini entries.
namespace win_ini {
inline constexpr std::string_view kAp = "AP";
inline constexpr TextKey kInstallDirectory{kAp, "222APDirectory", ""};
inline constexpr TextKey kSettingIniFile{kAp, "ZelSettingIniFile", ""};
inline constexpr TextKey kPanelIniFile{kAp, "ZelPanelIniFile", ""};
// Setup writes these file names.
inline constexpr std::string_view kSettingIniFileName = "ZelSFile.ini";
inline constexpr std::string_view kPanelIniFileName = "ZelPFile.ini";
inline constexpr IntKey kCountry{"intl", "iCountry", 1};
inline constexpr TextKey kTeletextDir{"Teletext", "TeletextDir", ""};
// Written: the product name of the sound card whose mixer is used.
inline constexpr Key kSoundCard{"AudioDevice", "SoundCard"};
// Paths are built in a 500-byte buffer: at most 499 characters.
inline constexpr std::size_t kPathBuffer = 500;
}  // namespace win_ini

}  // namespace zel::settings
