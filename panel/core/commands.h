#pragma once
// Every number on the panel's wire in one place: the panel's own commands and
// the commands it accepts from other programs, the commands it gives the TV
// window, the media player and the schedule program, the timer ids, and the
// window classes and titles it looks for.
//
// A command is a WM_COMMAND whose wparam low word is the number and whose
// lparam a signed 32-bit argument. Some numbers mean one thing to the panel and
// another to the TV window (40201, 40002, 42227), so each receiver has its own
// namespace.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zel::core {

using CommandId = std::uint16_t;

// Window classes and titles (FindWindowA). A null class matches any class.
namespace windows {
inline constexpr std::string_view kPanelClass = "Zentavio Driftcam";
inline constexpr std::string_view kPanelTitle = "Panel";
inline constexpr std::string_view kPanelMenuName = "Panel";
inline constexpr std::string_view kTvClass = "Zentavio Hovra";
inline constexpr std::string_view kTvTitle = "Tv";
inline constexpr std::string_view kPlayerClass = "PlayWndMediaPlayer";
inline constexpr std::string_view kPlayerTitle = "PlayWnd Media Player";
inline constexpr std::string_view kTeletextTitle = "Teletext";
inline constexpr std::string_view kStrayRendererTitle = "ActiveMovie Window";
// The schedule window has any class; its title is a skin caption.
inline constexpr std::string_view kScheduleTitleKey = "IDS_RECSCHE_DIALOG";
inline constexpr std::string_view kScheduleTitleDefault = "Schedule Recording Settings";
inline constexpr std::size_t kScheduleTitleBuffer = 50;
inline constexpr std::string_view kTvProgramFile = "video.ex_";
}  // namespace windows

// Resources of the panel program.
namespace resources {
inline constexpr int kPanelIcon = 107;
inline constexpr int kArrowCursor = 132;
inline constexpr int kAccelerators = 109;
}  // namespace resources

// The entries of accelerator table 109: character keys (not virtual keys)
// with Alt.
struct Accelerator {
  char key;
  bool alt;
  CommandId command;
};
inline constexpr Accelerator kAcceleratorTable[] = {{'/', true, 40002}, {'?', true, 40002}};

// Commands the panel window handles: its own and those other programs send.
namespace cmd {
// From other programs.
inline constexpr CommandId kClosePanel = 105;           // another program: end the panel
inline constexpr CommandId kScanEnded = 40111;          // an automatic scan ended
inline constexpr CommandId kTunedReport = 40110;        // low word: channel, or FM frequency
inline constexpr CommandId kRequestDone = 40113;        // the busy request is complete
inline constexpr CommandId kRecordingState = 40114;     // low word 1 or 0
inline constexpr CommandId kPreviewEnded = 40115;
inline constexpr CommandId kScheduleClosed = 40116;
inline constexpr CommandId kFileSize = 40201;
inline constexpr CommandId kCaptureTime = 40311;        // milliseconds
inline constexpr CommandId kSnapshotDone = 40314;
inline constexpr CommandId kTimeShiftSeconds = 40315;
inline constexpr CommandId kFullScreenReport = 40326;   // 1 or 0
inline constexpr CommandId kScheduleQuestion = 42222;
inline constexpr CommandId kScheduleRecording = 42223;  // 1 or 0
inline constexpr CommandId kScheduleChannel = 42224;
inline constexpr CommandId kAudioModes = 42225;         // bit set
inline constexpr CommandId kFmAnswer = 42227;           // 1 or 0
inline constexpr CommandId kReselectSource = 42228;
inline constexpr CommandId kPlayerTimeQuestion = 46101;
inline constexpr CommandId kAudioDialogDone = 46102;
inline constexpr CommandId kVideoStandardDone = 46103;
inline constexpr CommandId kRecordPageValueA = 46203;
inline constexpr CommandId kRecordPageValueB = 46204;
inline constexpr CommandId kLineVolume = 51222;

// The panel's own.
inline constexpr CommandId kShowHide = 32771;
inline constexpr CommandId kClose = 32772;
inline constexpr CommandId kCapturedListFirst = 32775;  // 32775..32779: captured-file list, never shown
inline constexpr CommandId kCapturedListLast = 32779;
inline constexpr CommandId kAbout = 40002;
inline constexpr CommandId kVolumeDown = 40005;
inline constexpr CommandId kVolumeUp = 40006;
inline constexpr CommandId kChannelDown = 40007;
inline constexpr CommandId kChannelUp = 40008;
inline constexpr CommandId kMinimize = 40009;
inline constexpr CommandId kSourceAvIn = 40010;
inline constexpr CommandId kSourceSVideo = 40011;
inline constexpr CommandId kSourceAirTv = 40012;
inline constexpr CommandId kAddChannel = 40014;
inline constexpr CommandId kRemoveChannel = 40015;
inline constexpr CommandId kRecord = 40016;
inline constexpr CommandId kPlay = 40017;
inline constexpr CommandId kStandby = 40018;
inline constexpr CommandId kToEnd = 40029;
inline constexpr CommandId kToStart = 40030;
inline constexpr CommandId kPause = 40031;
inline constexpr CommandId kStop = 40032;
inline constexpr CommandId kSourceCableTv = 40034;
inline constexpr CommandId kMute = 40037;
inline constexpr CommandId kTimeShift = 40038;
inline constexpr CommandId kSourceFmRadio = 40039;
inline constexpr CommandId kSnapshot = 40040;
inline constexpr CommandId kSchedule = 40041;
inline constexpr CommandId kPreview = 40042;
inline constexpr CommandId kSettings = 40043;
inline constexpr CommandId kAutoScan = 40044;
inline constexpr CommandId kNextSkin = 40045;
inline constexpr CommandId kDigit0 = 40100;             // 40100..40109: digits 0 to 9
inline constexpr CommandId kDigit9 = 40109;
inline constexpr CommandId kRecall = 40112;
inline constexpr CommandId kOpenList = 40117;           // the open-list button: no handler
inline constexpr CommandId kCapturedFileFirst = 40118;  // 40118..40121: captured-file list
inline constexpr CommandId kCapturedFileLast = 40121;
inline constexpr CommandId kTeletext = 40122;
inline constexpr CommandId kAudioSettings = 40123;
inline constexpr CommandId kCapturedFileA = 40124;
inline constexpr CommandId kCapturedFileB = 40125;
inline constexpr CommandId kTimeShiftMarker = 40301;
inline constexpr CommandId kCaptureEnded = 40312;
inline constexpr CommandId kChannelListWing = 40316;
inline constexpr CommandId kAirCableSwitch = 40318;
inline constexpr CommandId kNextSource = 40319;
inline constexpr CommandId kSoundAdjust = 40320;
inline constexpr CommandId kPictureAdjust = 40321;
inline constexpr CommandId kAudioModeKey = 40322;
inline constexpr CommandId kUp = 40323;
inline constexpr CommandId kDown = 40324;
inline constexpr CommandId kFullScreen = 40325;
inline constexpr CommandId kCapturedFileC = 40327;
inline constexpr CommandId kOpenTv = 44000;
inline constexpr CommandId kWebSite = 44001;
inline constexpr CommandId kRefillChannelList = 44002;
}  // namespace cmd

// Commands to the TV window ("Zentavio Hovra" / "Tv").
namespace tv {
inline constexpr CommandId kSelectAvIn = 2001;
inline constexpr CommandId kSelectAirTv = 2002;
inline constexpr CommandId kSelectCableTv = 2003;
inline constexpr CommandId kSelectSVideo = 2004;
inline constexpr CommandId kCableScan = 2005;           // 1 start, 0 stop
inline constexpr CommandId kAirScan = 2006;
inline constexpr CommandId kCapture = 2008;
inline constexpr CommandId kDigitsSoFar = 2009;
inline constexpr CommandId kVolume = 2010;
inline constexpr CommandId kMuteOn = 2011;
inline constexpr CommandId kMuteOff = 2012;
inline constexpr CommandId kAdjustBrightness = 2013;
inline constexpr CommandId kAdjustContrast = 2014;
inline constexpr CommandId kAdjustHue = 2015;
inline constexpr CommandId kAdjustSaturation = 2016;
inline constexpr CommandId kTuneFm = 2017;              // 100 kHz units
inline constexpr CommandId kCountryStep2 = 2020;
inline constexpr CommandId kPreviewStart = 2021;
inline constexpr CommandId kChannelRemoved = 2022;
inline constexpr CommandId kChannelAdded = 2023;
inline constexpr CommandId kRereadSettings = 3000;
inline constexpr CommandId kSnapshot = 3001;
inline constexpr CommandId kTimeShiftStart = 3005;
inline constexpr CommandId kTimeShiftStop = 3007;
inline constexpr CommandId kPlayCapturedFile = 3010;    // captured-file list, never used
inline constexpr CommandId kStopCapturedFile = 3011;
inline constexpr CommandId kBassChanged = 4006;
inline constexpr CommandId kTrebleChanged = 4007;
inline constexpr CommandId kRecordToggle = 4101;
inline constexpr CommandId kCountryStep1 = 7788;
inline constexpr CommandId kCountryStep3 = 7790;
inline constexpr CommandId kTuneChannel = 8000;
inline constexpr CommandId kFineTune = 8001;
inline constexpr CommandId kStoreFineTune = 8002;
inline constexpr CommandId kChipAudio = 40002;
inline constexpr CommandId kSetBrightness = 40200;
inline constexpr CommandId kSetContrast = 40201;
inline constexpr CommandId kSetSaturation = 40202;
inline constexpr CommandId kSetHue = 40203;
inline constexpr CommandId kSelectFmRadio = 40206;
inline constexpr CommandId kBass = 40210;
inline constexpr CommandId kTreble = 40211;
inline constexpr CommandId kBalance = 40212;
inline constexpr CommandId kPanelMinimizing = 40214;
inline constexpr CommandId kAskAudioModes = 42226;
inline constexpr CommandId kAskFm = 42227;
inline constexpr CommandId kAudioMode = 45000;
inline constexpr CommandId kFmScan = 45001;
inline constexpr CommandId kVideoStandard = 45790;
inline constexpr CommandId kFullScan = 45791;
inline constexpr CommandId kTuneFrequency = 55555;      // 10 kHz units
inline constexpr CommandId kTuneFrequencyEntry = 55556;
inline constexpr CommandId kSkinChanged = 55557;
}  // namespace tv

// Commands to the media player window, sent only when it exists.
namespace player {
inline constexpr CommandId kPlay = 40026;
inline constexpr CommandId kStop = 40027;
inline constexpr CommandId kPause = 40028;
inline constexpr CommandId kToEnd = 40029;
inline constexpr CommandId kToStart = 40030;
inline constexpr CommandId kSeek = 4005;
inline constexpr CommandId kStartSecond = 46001;
inline constexpr CommandId kStartMinute = 46002;
inline constexpr CommandId kStartHour = 46003;
}  // namespace player

// Plain window messages to the schedule window: the message number carries
// the meaning.
namespace schedule {
inline constexpr std::uint32_t kRecordingStopped = 42224;  // Post
inline constexpr std::uint32_t kMayRecord = 40040;         // Send, wparam 0 or 1
inline constexpr std::uint32_t kFmAvailable = 40042;       // Send, wparam fmAvailable
}  // namespace schedule

// Commands to the panel's own dialogs.
namespace dialog {
inline constexpr CommandId kRefillTvPage = 1095;
inline constexpr CommandId kFullScanFrequency = 47000;
inline constexpr CommandId kFullScanFound = 47001;
inline constexpr CommandId kFullScanClosed = 47002;
}  // namespace dialog

// Timer ids of the panel window; their periods are in timer_table.h.
namespace timer {
inline constexpr std::uint32_t kClock = 40313;
inline constexpr std::uint32_t kButtonRepeat = 117;
inline constexpr std::uint32_t kDigitTimeout = 118;
inline constexpr std::uint32_t kChannelStepDown = 120;
inline constexpr std::uint32_t kChannelStepUp = 121;
inline constexpr std::uint32_t kPictureAdjustEnd = 122;
inline constexpr std::uint32_t kPictureValueDown = 123;
inline constexpr std::uint32_t kPictureValueUp = 124;
inline constexpr std::uint32_t kFmStepUp = 125;
inline constexpr std::uint32_t kFmStepDown = 126;
inline constexpr std::uint32_t kTimeShiftProgress = 127;
inline constexpr std::uint32_t kSeekThrottle = 128;
inline constexpr std::uint32_t kSoundAdjustEnd = 129;
inline constexpr std::uint32_t kSoundValueUp = 130;
inline constexpr std::uint32_t kSoundValueDown = 131;
inline constexpr std::uint32_t kDeviceWatch = 222;
inline constexpr std::uint32_t kRecordToggleReady = 2110;
}  // namespace timer

// Hot key id of Ctrl+Alt+F4.
inline constexpr int kStandbyHotKey = 0;

// The name of a panel command for logs and test messages ("SourceCableTv"),
// empty for a number the panel does not know.
std::string_view command_name(CommandId id);
// The same for commands to the TV window ("SelectCableTv").
std::string_view tv_command_name(CommandId id);

}  // namespace zel::core
