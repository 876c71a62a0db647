#pragma once
// The panel state: the one process-wide record of the panel's flags and
// values, read and written by every panel command. Field names and start
// values are the panel's vocabulary; a default-constructed record is the
// state at process start.
#include <cstdint>

#include "panel/platform/types.h"

namespace zel::core {

// The tuner side of the state: band, modes, the current channel and FM code,
// and the channel ranges of the two lists as read at start.
struct ChannelModel {
  int band = 0;               // 0 cable, 1 air
  bool fmMode = false;
  bool videoInputMode = false;
  int currentChannel = 0;
  int currentFmCode = 875;    // FM frequency in 100 kHz units
  int cableMin = 0;           // [HOVRA] Min, Max
  int cableMax = 0;
  int airMin = 0;             // [HOVRA] Minair, Maxair
  int airMax = 0;
};

// currentSource values.
namespace source {
inline constexpr int kFmRadio = 1;
inline constexpr int kAirTv = 2;
inline constexpr int kCableTv = 3;
inline constexpr int kAvIn = 4;
inline constexpr int kSVideo = 5;
}  // namespace source

struct PanelState {
  platform::WindowId panelWindow;
  platform::WindowId tvWindow;  // the last lookup of the TV window
  bool panelShown = false;
  bool standby = false;
  bool busy = false;            // a request to the TV window awaits 40113 (or 40111)
  int currentSource = source::kFmRadio;
  bool fmAvailable = true;
  bool mixerAvailable = false;
  int volume = 0;               // 0..220
  bool muted = false;
  bool recording = false;
  bool recordToggleReady = true;
  bool timeShift = false;
  bool snapshotPending = false;
  bool airScan = false;
  bool cableScan = false;
  bool fmScan = false;
  bool fullScan = false;
  bool preview = false;
  bool scheduleOpen = false;
  bool scheduleRecording = false;
  bool leftListOpen = false;
  bool tvFullScreen = false;
  std::int32_t audioModes = 1;  // bit set: 1 mono, 2 stereo, 16/32/64 languages A/B/C

  ChannelModel channel;

  // Picture values read or seeded at window start-up, written back on Close.
  int brightness = 0;
  int contrast = 0;
  int hue = 0;
  int saturation = 0;

  int skinSet = 1;              // [Panel] PanelNow of the skin file
  int countryCount = 0;         // the tuner-data library's country count
  std::int32_t recordPageValues[2] = {0, 0};  // 46203, 46204

  // Local time at which time shift started (answered to the media player).
  int timeShiftStartHour = 0;
  int timeShiftStartMinute = 0;
  int timeShiftStartSecond = 0;

  bool any_automatic_scan() const { return airScan || cableScan || fmScan; }
};

}  // namespace zel::core
