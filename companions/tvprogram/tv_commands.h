#pragma once
// The TV program speaks the panel's protocol, so it takes the command numbers
// and window names from the panel's one table of them. A command is a
// WM_COMMAND whose wParam low word is the number and whose lParam is a signed
// 32-bit argument. Some numbers mean different things in the two directions
// (40201, 42227), hence one namespace per receiver.
#include <cstdint>

#include "panel/core/commands.h"

namespace zel::tv {

inline constexpr const char* kTvWindowClass = core::windows::kTvClass.data();
inline constexpr const char* kTvWindowTitle = core::windows::kTvTitle.data();
inline constexpr const char* kPanelWindowClass = core::windows::kPanelClass.data();
inline constexpr const char* kPanelWindowTitle = core::windows::kPanelTitle.data();

// Commands the TV window receives.
namespace to_tv = core::tv;
// Commands the panel window receives from the TV program.
namespace to_panel = core::cmd;

// Audio reception mode bits (lParam of to_panel::kAudioModes).
inline constexpr std::int32_t kAudioMono = 1;
inline constexpr std::int32_t kAudioStereo = 2;
inline constexpr std::int32_t kAudioLanguageA = 16;
inline constexpr std::int32_t kAudioLanguageB = 32;
inline constexpr std::int32_t kAudioLanguageC = 64;

}  // namespace zel::tv
