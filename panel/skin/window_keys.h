#pragma once
// The keys of section [Panel]: the skin-set selection, the window keys of each
// set (prefixed with the set number: "2PANEL_W"), the logo button's web
// address, the wing states with their window sizes, and the window outlines.
#include <cstddef>
#include <cstdint>
#include <string>

#include "panel/skin/skin_keys.h"

namespace zel::skin {

// The current skin set, and how many sets the file has. Both [Panel].
inline constexpr IntKey kPanelNow{"PanelNow", 1, Range::kAny};
inline constexpr IntKey kHavePanel{"HavePanel", 1, Range::kAny};

// Section Section::kPanelOfSet.
enum class WindowKey : std::size_t {
  kPanelW,
  kPanelH,
  kOpenListW,
  kOpenListH,
  kOpenLeftListW,
  kOpenLeftListH,
  kOpenAllW,
  kOpenAllH,
  kLorR,
  kLorRXOffset,
  kLorRYOffset,
  kLorRWinW,
  kLorRWinH,
  kDownXOffset,
  kDownYOffset,
  kDownWinW,
  kDownWinH,
  kDownRepaintY,
  kCount
};

struct WindowKeyRow {
  WindowKey id;
  IntKey key;
};

inline constexpr WindowKeyRow kWindowKeys[] = {
    // Window size of each wing state.
    {WindowKey::kPanelW, {"PANEL_W", 547, Range::kSize}},
    {WindowKey::kPanelH, {"PANEL_H", 176, Range::kSize}},
    {WindowKey::kOpenListW, {"PANEL_OPENLIST_W", 547, Range::kSize}},
    {WindowKey::kOpenListH, {"PANEL_OPENLIST_H", 356, Range::kSize}},
    {WindowKey::kOpenLeftListW, {"PANEL_OPENLEFTLIST_W", 643, Range::kSize}},
    {WindowKey::kOpenLeftListH, {"PANEL_OPENLEFTLIST_H", 176, Range::kSize}},
    {WindowKey::kOpenAllW, {"PANEL_OPENALL_W", 643, Range::kSize}},
    {WindowKey::kOpenAllH, {"PANEL_OPENALL_H", 356, Range::kSize}},
    // Side of the side wing: 0 left, 1 right; other values move nothing
    // (content_offset.h).
    {WindowKey::kLorR, {"PANEL_LORR", 0, Range::kAny}},
    // Channel-list window, relative to the panel window's top-left corner.
    {WindowKey::kLorRXOffset, {"PANEL_LORR_X_OFFSET", 6}},
    {WindowKey::kLorRYOffset, {"PANEL_LORR_Y_OFFSET", 20}},
    {WindowKey::kLorRWinW, {"PANEL_LORR_WIN_W", 90, Range::kSize}},
    {WindowKey::kLorRWinH, {"PANEL_LORR_WIN_H", 110, Range::kSize}},
    // Captured-file list window of the down wing, same origin.
    {WindowKey::kDownXOffset, {"PANEL_DOWN_X_OFFSET", 55}},
    {WindowKey::kDownYOffset, {"PANEL_DOWN_Y_OFFSET", 176}},
    {WindowKey::kDownWinW, {"PANEL_DOWN_WIN_W", 413, Range::kSize}},
    {WindowKey::kDownWinH, {"PANEL_DOWN_WIN_H", 143, Range::kSize}},
    // Top of the band repainted in the Down state during a snapshot.
    {WindowKey::kDownRepaintY, {"PANEL_DOWN_REPAINT_Y", 128}},
};
static_assert(rows_in_order(kWindowKeys, static_cast<std::size_t>(WindowKey::kCount)));

inline constexpr std::size_t kWindowKeyCount = static_cast<std::size_t>(WindowKey::kCount);

// Web address opened by the logo button; empty means none. Section
// Section::kPanelOfSet.
inline constexpr TextKey kPanelHttp{"PANEL_HTTP", "", 259};

// Wing states: which wings of the panel window are open. The state selects
// the window size, the outline section and the bitmap set.
inline constexpr int kClosedWing = 1;
inline constexpr int kDownWing = 2;
inline constexpr int kSideWing = 3;
inline constexpr int kAllWings = 4;

struct WingStateRow {
  int state;
  WindowKey width;
  WindowKey height;
  std::string_view outline_suffix;  // section "Panel" + n + suffix
  std::string_view bitmap_name;     // base name of the state's pictures
};

inline constexpr WingStateRow kWingStates[] = {
    {kClosedWing, WindowKey::kPanelW, WindowKey::kPanelH, "Point", "panel"},
    {kDownWing, WindowKey::kOpenListW, WindowKey::kOpenListH, "DownPoint", "paneldown"},
    {kSideWing, WindowKey::kOpenLeftListW, WindowKey::kOpenLeftListH, "LorRPoint", "panellorr"},
    {kAllWings, WindowKey::kOpenAllW, WindowKey::kOpenAllH, "ALLPoint", "panelall"},
};

// The row of a state 1-4, nullptr for any other number.
const WingStateRow* wing_state_row(int state);

// Window outline: section "Panel" + n + the state's suffix (the bare section
// "Panel" for a state outside 1-4), with the point count and the points'
// coordinates under keys "1", "2", ...: point k (from 1) has x in key 2k-1 and
// y in key 2k. At most kMaxOutlinePoints points are used.
inline constexpr IntKey kOutlinePointCount{"HavePoint", 0, Range::kAny};
inline constexpr std::int32_t kOutlineCoordinateDefault = 0;
inline constexpr int kMaxOutlinePoints = 200;

std::string outline_section(std::int32_t skin_set, int state);

}  // namespace zel::skin
