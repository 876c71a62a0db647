#pragma once
// The layout the panel builds from the skin file: the current skin set, the
// window keys, the 48 button records, the readout positions, the captions and
// country names, and the content offset. Plain data and the geometry that
// follows from it; layout_reader.h fills it, skin.h holds the process-wide one.
//
// Coordinates are main-area coordinates: the content offset is added to the x
// of every button except LEFTOPEN and of every readout except the time-shift
// bar. Every coordinate and size is inside skin_keys.h's ranges, so the sums
// below never overflow.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "panel/core/commands.h"
#include "panel/platform/types.h"
#include "panel/skin/button_table.h"
#include "panel/skin/caption_keys.h"
#include "panel/skin/readout_keys.h"
#include "panel/skin/window_keys.h"

namespace zel::skin {

struct SkinButton {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t enabled = 0;  // 1 for every button after loading; only enabled buttons are hit
  core::CommandId command = 0;
  std::string caption;  // the tooltip, at most kButtonCaptionMaxLength characters

  ButtonRect rect() const { return {x, y, width, height}; }
  void set_rect(const ButtonRect& r) {
    x = r.x;
    y = r.y;
    width = r.width;
    height = r.height;
  }
  friend bool operator==(const SkinButton&, const SkinButton&) = default;
};

struct SkinLayout {
  std::int32_t skin_set = 1;   // [Panel] PanelNow as last read
  std::int32_t skin_sets = 1;  // [Panel] HavePanel
  std::array<std::int32_t, kWindowKeyCount> window{};
  std::string web_address;  // PANEL_HTTP; empty: none
  std::array<SkinButton, kButtonCount> buttons{};
  std::array<std::int32_t, kReadoutCount> readouts{};
  std::array<std::string, kCaptionCount> captions{};
  std::array<std::string, kCountryNameCount> country_names{};
  std::int32_t content_offset = 0;
  // How far the content-offset rule has moved LEFTOPEN to the right since its
  // x was last read; content_offset.h.
  std::int32_t left_open_shift = 0;

  std::int32_t value(WindowKey key) const { return window[static_cast<std::size_t>(key)]; }
  std::int32_t value(Readout key) const { return readouts[static_cast<std::size_t>(key)]; }
  const std::string& caption(Caption id) const { return captions[static_cast<std::size_t>(id)]; }
  // Country name `number` (1 to kCountryNameCount); empty for other numbers.
  std::string_view country_name(int number) const;

  // Window width and height of a wing state 1-4; nullopt for other numbers.
  std::optional<platform::Size> window_size(int state) const;

  // The button, nullptr for an index outside 0-47.
  const SkinButton* button(int index) const;
  // What is added to the button's x: the content offset, 0 for LEFTOPEN.
  std::int32_t x_offset(int index) const;
  // The button's rectangle in window coordinates; empty for a bad index.
  platform::Rect button_rect(int index) const;
  // Whether (px, py) in window coordinates is strictly inside the enabled
  // button `index`: x + offset < px < x + offset + width and
  // y < py < y + height. Edges are outside, so a button of width or height 1
  // or less is never hit; an index outside 0-47 never is either.
  bool button_hit(int px, int py, int index) const;

  friend bool operator==(const SkinLayout&, const SkinLayout&) = default;
};

}  // namespace zel::skin
