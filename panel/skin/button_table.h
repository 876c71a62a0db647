#pragma once
// The 48 panel buttons in their fixed order. The index is a button's identity
// for hit-testing, drawing and tooltips. All keys are in section
// Section::kButtons: the rectangle under "BTN_" + token + "_X", "_Y", "_W",
// "_H", the tooltip under the row's caption key.
//
// The down-wing buttons (EMAIL, LISTVIEW, PAINT, MOVIEEDIT, DOWNCLOSE) have
// no rectangle at load time: their keys are read only when the down wing is
// laid out (layout_reader.h), and the row's default is that key's default.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "panel/core/commands.h"
#include "panel/skin/skin_keys.h"

namespace zel::skin {

inline constexpr std::size_t kButtonCount = 48;
inline constexpr std::size_t kButtonCaptionMaxLength = 259;

namespace button {
enum Index : int {
  kNum0,
  kNum1,
  kNum2,
  kNum3,
  kNum4,
  kNum5,
  kNum6,
  kNum7,
  kNum8,
  kNum9,
  kVolDown,
  kVolUp,
  kChDown,
  kChUp,
  kTvAir,
  kCable,
  kComposite,
  kSVideo,
  kAdd,
  kDec,
  kClose,
  kHidePanel,
  kHelp,
  kRec,
  kPlay,
  kForward,
  kBack,
  kPause,
  kStop,
  kStopRec,
  kMute,
  kFm,
  kCapture,
  kTime,
  kCh,
  kTool,
  kScan,
  kSkin,
  kOpenPanel,
  kEmail,
  kListView,
  kPaint,
  kMovieEdit,
  kTeletext,
  kStereo,
  kLeftOpen,
  kLogo,
  kDownClose,
};
}  // namespace button

struct ButtonRect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend constexpr bool operator==(const ButtonRect&, const ButtonRect&) = default;
};

struct ButtonRow {
  button::Index id;
  std::string_view token;
  ButtonRect fallback;  // defaults of the four rectangle keys
  core::CommandId command;
  TextKey caption;
  bool down_wing;  // rectangle read only by the down-wing layout
};

namespace detail {
namespace c = core::cmd;
constexpr TextKey caption(std::string_view key, std::string_view text) {
  return {key, text, kButtonCaptionMaxLength};
}
}  // namespace detail

inline constexpr ButtonRow kButtons[] = {
    // clang-format off
    {button::kNum0, "NUM0", {522, 104, 13, 13}, detail::c::kDigit0 + 0, detail::caption("IDS_NUM0", "num"), false},
    {button::kNum1, "NUM1", {506, 40, 13, 13}, detail::c::kDigit0 + 1, detail::caption("IDS_NUM1", "num"), false},
    {button::kNum2, "NUM2", {506, 56, 13, 13}, detail::c::kDigit0 + 2, detail::caption("IDS_NUM2", "num"), false},
    {button::kNum3, "NUM3", {506, 72, 13, 13}, detail::c::kDigit0 + 3, detail::caption("IDS_NUM3", "num"), false},
    {button::kNum4, "NUM4", {506, 88, 13, 13}, detail::c::kDigit0 + 4, detail::caption("IDS_NUM4", "num"), false},
    {button::kNum5, "NUM5", {506, 104, 13, 13}, detail::c::kDigit0 + 5, detail::caption("IDS_NUM5", "num"), false},
    {button::kNum6, "NUM6", {522, 40, 13, 13}, detail::c::kDigit0 + 6, detail::caption("IDS_NUM6", "num"), false},
    {button::kNum7, "NUM7", {522, 56, 13, 13}, detail::c::kDigit0 + 7, detail::caption("IDS_NUM7", "num"), false},
    {button::kNum8, "NUM8", {522, 72, 13, 13}, detail::c::kDigit0 + 8, detail::caption("IDS_NUM8", "num"), false},
    {button::kNum9, "NUM9", {522, 88, 13, 13}, detail::c::kDigit0 + 9, detail::caption("IDS_NUM9", "num"), false},
    {button::kVolDown, "VOLDOWN", {36, 50, 31, 31}, detail::c::kVolumeDown, detail::caption("IDS_VOLDOWN", "Volume Down"), false},
    {button::kVolUp, "VOLUP", {288, 50, 28, 31}, detail::c::kVolumeUp, detail::caption("IDS_VOLUP", "Volume Up"), false},
    {button::kChDown, "CHDOWN", {343, 26, 20, 30}, detail::c::kChannelDown, detail::caption("IDS_CHDOWN", "Channel down"), false},
    {button::kChUp, "CHUP", {452, 26, 20, 30}, detail::c::kChannelUp, detail::caption("IDS_CHUP", "Channel up"), false},
    // All four source buttons step to the next source.
    {button::kTvAir, "TVAIR", {8, 81, 59, 15}, detail::c::kNextSource, detail::caption("IDS_TVAIR", "Air TV"), false},
    {button::kCable, "CABLE", {67, 81, 63, 15}, detail::c::kNextSource, detail::caption("IDS_CABLE", "Cable"), false},
    {button::kComposite, "COMPOSITE", {130, 81, 63, 15}, detail::c::kNextSource, detail::caption("IDS_COMPOSITE", "AV-in"), false},
    {button::kSVideo, "SVIDEO", {193, 81, 63, 15}, detail::c::kNextSource, detail::caption("IDS_SVIDEO", "S-Video"), false},
    {button::kAdd, "ADD", {506, 120, 13, 13}, detail::c::kAddChannel, detail::caption("IDS_ADD", "Add"), false},
    {button::kDec, "DEC", {522, 120, 13, 13}, detail::c::kRemoveChannel, detail::caption("IDS_DEC", "delete"), false},
    {button::kClose, "CLOSE", {522, 9, 13, 13}, detail::c::kStandby, detail::caption("IDS_CLOSE", "Standby"), false},
    {button::kHidePanel, "HIDEPANEL", {506, 9, 13, 13}, detail::c::kMinimize, detail::caption("IDS_HIDE", "Minimize"), false},
    {button::kHelp, "HELP", {490, 9, 13, 13}, detail::c::kAbout, detail::caption("IDS_HELP", "About"), false},
    {button::kRec, "REC", {36, 23, 31, 25}, detail::c::kRecord, detail::caption("IDS_REC", "Record Start/Stop"), false},
    {button::kPlay, "PLAY", {225, 23, 31, 25}, detail::c::kPlay, detail::caption("IDS_PLAY", "PLAY"), false},
    {button::kForward, "FORWARD", {256, 23, 32, 25}, detail::c::kToEnd, detail::caption("IDS_FORWARD", "To Ending"), false},
    {button::kBack, "BACK", {130, 23, 32, 25}, detail::c::kToStart, detail::caption("IDS_BACK", "To Starting"), false},
    {button::kPause, "PAUSE", {193, 23, 32, 25}, detail::c::kPause, detail::caption("IDS_PAUSE", "Pause"), false},
    {button::kStop, "STOP", {162, 23, 31, 25}, detail::c::kStop, detail::caption("IDS_STOP", "Stop"), false},
    {button::kStopRec, "STOPREC", {67, 23, 32, 25}, detail::c::kTimeShift, detail::caption("IDS_STOPREC", "Time Shift Start /Stop"), false},
    {button::kMute, "MUTE", {8, 50, 28, 31}, detail::c::kMute, detail::caption("IDS_MUTE", "Mute on/off"), false},
    {button::kFm, "FM", {256, 81, 63, 15}, detail::c::kSourceFmRadio, detail::caption("IDS_FM", "FM"), false},
    // The key token is spelt "CAPTUE"; the caption key is IDS_CAPTURE.
    {button::kCapture, "CAPTUE", {162, 99, 31, 18}, detail::c::kSnapshot, detail::caption("IDS_CAPTURE", "Snapshot"), false},
    {button::kTime, "TIME", {36, 99, 31, 18}, detail::c::kSchedule, detail::caption("IDS_TIME", "Schedule Recording"), false},
    {button::kCh, "CH", {193, 99, 32, 18}, detail::c::kPreview, detail::caption("IDS_CH", "Multi-Channel Preview"), false},
    {button::kTool, "TOOL", {67, 99, 32, 18}, detail::c::kSettings, detail::caption("IDS_TOOL", "Settings"), false},
    {button::kScan, "SCAN", {99, 99, 31, 18}, detail::c::kAutoScan, detail::caption("IDS_SCAN", "Auto scan"), false},
    {button::kSkin, "SKIN", {130, 99, 32, 18}, detail::c::kNextSkin, detail::caption("IDS_SKIN", "Change Skin"), false},
    {button::kOpenPanel, "OPENPANEL", {35, 135, 19, 20}, detail::c::kOpenList, detail::caption("IDS_OPENPANEL", "Open/Close"), false},
    {button::kEmail, "EMAIL", {66, 140, 63, 27}, detail::c::kCapturedFileFirst + 0, detail::caption("IDS_EMAIL", "Send by E-Mail"), true},
    {button::kListView, "LISTVIEW", {129, 140, 63, 27}, detail::c::kCapturedFileFirst + 1, detail::caption("IDS_LISTVIEW", "Change List View"), true},
    {button::kPaint, "PAINT", {255, 140, 63, 27}, detail::c::kCapturedFileFirst + 2, detail::caption("IDS_PAINT", "Paint"), true},
    {button::kMovieEdit, "MOVIEEDIT", {192, 140, 63, 27}, detail::c::kCapturedFileFirst + 3, detail::caption("IDS_MOVIEEDIT", "Play Movie"), true},
    {button::kTeletext, "TELETEXT", {256, 99, 32, 18}, detail::c::kTeletext, detail::caption("IDS_TELETEXT", "Teletext"), false},
    {button::kStereo, "STEREO", {225, 99, 31, 18}, detail::c::kAudioSettings, detail::caption("IDS_STEREO", "Audio setting"), false},
    {button::kLeftOpen, "LEFTOPEN", {0, 0, 18, 18}, detail::c::kChannelListWing, detail::caption("IDS_LEFTOPEN", "CH List"), false},
    {button::kLogo, "LOGOZENTAVIO", {138, 135, 87, 14}, detail::c::kWebSite, detail::caption("IDS_LOGOZENTAVIO", "Website"), false},
    {button::kDownClose, "DOWNCLOSE", {50, 141, 17, 25}, detail::c::kOpenList, detail::caption("IDS_CLOSEDOWN", "Close"), true},
    // clang-format on
};
static_assert(rows_in_order(kButtons, kButtonCount));
consteval bool button_captions_fit() {
  for (const ButtonRow& row : kButtons) {
    if (row.caption.fallback.size() > row.caption.max_length) return false;
  }
  return true;
}
static_assert(button_captions_fit());
static_assert(detail::c::kCapturedFileFirst + 3 == detail::c::kCapturedFileLast);

// The four keys of a button's rectangle: "BTN_" + token + "_X" and so on.
// Positions take Range::kPosition, width and height Range::kSize.
enum class Axis { kX, kY, kW, kH };
inline constexpr Axis kAxes[] = {Axis::kX, Axis::kY, Axis::kW, Axis::kH};

std::string button_key(std::string_view token, Axis axis);

constexpr Range axis_range(Axis axis) {
  return axis == Axis::kW || axis == Axis::kH ? Range::kSize : Range::kPosition;
}

constexpr std::int32_t& axis_value(ButtonRect& rect, Axis axis) {
  switch (axis) {
    case Axis::kX:
      return rect.x;
    case Axis::kY:
      return rect.y;
    case Axis::kW:
      return rect.width;
    case Axis::kH:
      break;
  }
  return rect.height;
}

constexpr std::int32_t axis_value(const ButtonRect& rect, Axis axis) {
  ButtonRect copy = rect;
  return axis_value(copy, axis);
}

// Keys read only by the down-wing layout: where the logo and the open-list
// button go while the down wing is open. BTN_OPENPANELMOVE_X = 0 counts as
// absent.
inline constexpr IntKey kLogoMoveX{"BTN_LOGOMOVE_X", 138};
inline constexpr IntKey kLogoMoveY{"BTN_LOGOMOVE_Y", 336};
inline constexpr std::string_view kOpenPanelMoveToken = "OPENPANELMOVE";
inline constexpr ButtonRect kOpenPanelMoveFallback{35, 336, 19, 20};

}  // namespace zel::skin
