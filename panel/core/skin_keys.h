#pragma once
// Skin-file keys the panel's life cycle reads (section [Panel] of the skin
// file). Settings-file and win.ini keys are in panel/tuning/settings_keys.h.
#include <string_view>

namespace zel::core::skin_keys {

inline constexpr std::string_view kPanel = "Panel";
// Number of skin sets; read at start, not used by the life cycle.
inline constexpr std::string_view kHavePanel = "HavePanel";
// The current skin set, default 1.
inline constexpr std::string_view kPanelNow = "PanelNow";

}  // namespace zel::core::skin_keys
