#pragma once
// The TV program's behaviour, independent of Windows: what it does with each
// command and window message it receives, what it answers the panel, what it
// reads from and writes to the settings file, and what it logs. The Win32
// program (video.ex_) and the host tests drive the same class.
//
// Call order: construct, start() once the TV window exists, then on_command()
// and on_message() for every message the window receives. The core keeps
// references to the host and the store; both must outlive it. Calls into the
// host may re-enter the core (an answer sent to the panel can make the panel
// send the TV window a command before the send returns); the core is written
// for that.
//
// Log lines, one per event, in this fixed format (numbers in decimal):
//   start show=<nCmdShow> source=<InputSource> channel=<channel> fm=<FM frequency>
//   cmd <command> <lParam>            a command received
//   msg <WM_NAME>                     a window message received (WM_CLOSE, WM_LBUTTONDBLCLK)
//   out send|post <command> <lParam>  a command to the panel window
//   out send|post <command> <lParam> lost   ... when no panel window was found
//   exit duplicate                    the program ended at start: another TV window stayed
// "cmd" and "msg" lines are written before the event is acted on, "out" lines
// when the delivery returns: commands the panel sends the TV window while it
// handles an "out send" are logged before that line.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/ini/profile_store.h"
#include "companions/tvprogram/tv_commands.h"

namespace zel::tv {

// Input sources, numbered as [HovraCrossbar] InputSource stores them.
enum class Source : std::int32_t {
  kAvIn = 1,
  kSVideo = 2,
  kCableTv = 3,
  kAirTv = 4,
  kFmRadio = 5,
};

// What the TV program is tuned to; the test card shows it.
struct TuningState {
  Source source = Source::kCableTv;
  // The tuner band last selected (kAirTv or kCableTv); channel commands tune
  // it even while a video input is shown.
  Source band = Source::kCableTv;
  std::int32_t channel = 0;          // channel number in the band's list
  std::int32_t full_scan_entry = 0;  // fully-scan list entry, 0 when tuned by channel
  std::int64_t frequency_hz = 0;     // tuned frequency when tuned by entry or frequency, else 0
  std::int32_t fm_frequency = 0;     // 100 kHz units (875 = 87.5 MHz)
};

// Written by a program that ends at start because another TV window exists.
inline constexpr char kDuplicateLogLine[] = "exit duplicate";

enum class WindowMessage {
  kClose,             // WM_CLOSE: the program ends
  kLeftDoubleClick,   // WM_LBUTTONDBLCLK: the panel's full-screen toggle
};

// What the core asks of the program around it.
class TvHost {
 public:
  virtual ~TvHost() = default;
  // Deliver a command to the panel window, found by class and title at each
  // call. send_to_panel returns after the panel has handled it; post_to_panel
  // queues it. Both return false when no panel window exists.
  virtual bool send_to_panel(std::uint16_t command, std::int32_t argument) = 0;
  virtual bool post_to_panel(std::uint16_t command, std::int32_t argument) = 0;
  // Append one line (without line end) to the log.
  virtual void append_log(std::string_view line) = 0;
  // The tuning state changed: the test card needs drawing again.
  virtual void tuning_changed() = 0;
  // Destroy the TV window and end the program. No call reaches the core after it.
  virtual void close_window() = 0;
};

// Behaviour that differs between card models.
struct TvOptions {
  bool fm_present = true;  // the answer to the FM question
  std::int32_t audio_modes = kAudioMono | kAudioStereo | kAudioLanguageA | kAudioLanguageB;
};

class TvProgramCore {
 public:
  TvProgramCore(TvHost& host, ProfileStore& settings, TvOptions options = {});
  TvProgramCore(const TvProgramCore&) = delete;
  TvProgramCore& operator=(const TvProgramCore&) = delete;

  // Reads the start-up source, channel and FM frequency from the settings file,
  // logs the start line and confirms the start to the panel with 40113 (a
  // program the panel starts counts as the panel's pending source request).
  // `show_flag` is the nCmdShow the program was started with; only logged.
  void start(int show_flag);

  void on_command(std::uint16_t command, std::int32_t argument);
  void on_message(WindowMessage message);

  const TuningState& state() const { return state_; }

 private:
  void select_source(Source source);
  void tune_band_channel();
  void tune_channel(std::int32_t value);
  void read_fm_frequency();
  bool full_scan_in_use();
  void reply(bool send, std::uint16_t command, std::int32_t argument);
  void log(std::string_view line);

  TvHost& host_;
  ProfileStore& settings_;
  TvOptions options_;
  TuningState state_;
};

}  // namespace zel::tv
