#pragma once
// Command numbers on the wire between the panel window ("Zentavio Driftcam" /
// "Panel") and the TV window ("Zentavio Hovra" / "Tv"). A command is a
// WM_COMMAND whose wParam low word is the number and whose lParam is a signed
// 32-bit argument. Some numbers mean different things in the two directions
// (40201, 42227), so each direction has its own namespace.
#include <cstdint>

namespace zel::tv {

// Window class and title of the two windows.
inline constexpr char kTvWindowClass[] = "Zentavio Hovra";
inline constexpr char kTvWindowTitle[] = "Tv";
inline constexpr char kPanelWindowClass[] = "Zentavio Driftcam";
inline constexpr char kPanelWindowTitle[] = "Panel";

// Commands the TV window receives.
namespace to_tv {
inline constexpr std::uint16_t kSelectAvIn = 2001;
inline constexpr std::uint16_t kSelectAirTv = 2002;
inline constexpr std::uint16_t kSelectCableTv = 2003;
inline constexpr std::uint16_t kSelectSVideo = 2004;
inline constexpr std::uint16_t kSelectFmRadio = 40206;
inline constexpr std::uint16_t kAskFmPresent = 42227;   // answered with to_panel::kFmPresent, inside the send
inline constexpr std::uint16_t kAskAudioModes = 42226;  // answered with to_panel::kAudioModes, inside the send
inline constexpr std::uint16_t kTuneChannel = 8000;     // channel, or fully-scan entry while UseFullScan is "TRUE"
inline constexpr std::uint16_t kTuneFrequency = 55555;  // frequency in 10 kHz units
inline constexpr std::uint16_t kTuneFrequencyEntry = 55556;  // fully-scan entry of that frequency
inline constexpr std::uint16_t kTuneFm = 2017;          // FM frequency in 100 kHz units
inline constexpr std::uint16_t kChipAudioSettings = 40002;  // acknowledged with to_panel::kChipAudioDone
inline constexpr std::uint16_t kSnapshot = 3001;            // acknowledged with to_panel::kSnapshotDone
inline constexpr std::uint16_t kTimeShiftStart = 3005;      // sets the panel's busy, like a source switch
inline constexpr std::uint16_t kVideoStandard = 45790;      // acknowledged with to_panel::kVideoStandardDone
}  // namespace to_tv

// Commands the panel window receives from the TV program.
namespace to_panel {
inline constexpr std::uint16_t kRequestDone = 40113;  // clears the panel's busy
inline constexpr std::uint16_t kFmPresent = 42227;    // lParam 1 or 0
inline constexpr std::uint16_t kAudioModes = 42225;   // lParam: bit set of audio modes
inline constexpr std::uint16_t kSnapshotDone = 40314;
inline constexpr std::uint16_t kChipAudioDone = 46102;
inline constexpr std::uint16_t kVideoStandardDone = 46103;
}  // namespace to_panel

// Audio reception mode bits (lParam of to_panel::kAudioModes).
inline constexpr std::int32_t kAudioMono = 1;
inline constexpr std::int32_t kAudioStereo = 2;
inline constexpr std::int32_t kAudioLanguageA = 16;
inline constexpr std::int32_t kAudioLanguageB = 32;
inline constexpr std::int32_t kAudioLanguageC = 64;

}  // namespace zel::tv
