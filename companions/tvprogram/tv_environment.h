#pragma once
// Where the TV program finds its files and how it is configured from outside.
//
// Settings file: win.ini [AP] 222APDirectory + "\" + [AP] ZelSettingIniFile,
// the same path the panel builds.
//
// Log file: the value of the environment variable ZEL_TV_LOG when it is set
// and not empty; otherwise "video.log" in the folder of the settings file.
//
// Options, from environment variables (a program started by the panel
// inherits the panel's environment):
//   ZEL_TV_FM           "0": the card has no FM radio (the FM question is answered 0);
//                       unset, empty or any other number: it has one.
//   ZEL_TV_AUDIO_MODES  decimal bit set answered to the audio-mode question;
//                       unset or not a number: mono, stereo, languages A and B.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "companions/tvprogram/tv_program_core.h"

namespace zel::tv {

inline constexpr char kLogPathVariable[] = "ZEL_TV_LOG";
inline constexpr char kFmPresentVariable[] = "ZEL_TV_FM";
inline constexpr char kAudioModesVariable[] = "ZEL_TV_AUDIO_MODES";
inline constexpr char kLogFileName[] = "video.log";

// Returns the value of an environment variable, or nothing when it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

TvOptions options_from_environment(const EnvironmentLookup& lookup);

std::string settings_file_path(std::string_view directory, std::string_view file_name);

std::string log_file_path(const EnvironmentLookup& lookup, std::string_view settings_path);

}  // namespace zel::tv
