#include "panel/skin/layout_reader.h"

#include "panel/skin/caption_reader.h"

namespace zel::skin {

namespace {

// Reads like a file that does not exist.
class NoFile final : public ProfileStore {
 public:
  std::string read_text(std::string_view, std::string_view, std::string_view default_text,
                        std::size_t buffer_size) override {
    if (buffer_size == 0) return {};
    return std::string(default_text.substr(0, buffer_size - 1));
  }
  std::int32_t read_int(std::string_view, std::string_view, std::int32_t default_value) override {
    return default_value;
  }
  bool write_text(std::string_view, std::string_view, std::string_view) override { return false; }
  bool delete_key(std::string_view, std::string_view) override { return false; }
  bool delete_section(std::string_view) override { return false; }
};

std::int32_t read_axis(ProfileStore& file, std::int32_t skin_set, std::string_view token,
                       const ButtonRect& fallback, Axis axis) {
  const std::string name = button_key(token, axis);
  return read_key(file, Section::kButtons,
                  IntKey{name, axis_value(fallback, axis), axis_range(axis)}, skin_set);
}

ButtonRect read_rect(ProfileStore& file, std::int32_t skin_set, std::string_view token,
                     const ButtonRect& fallback) {
  ButtonRect rect;
  for (Axis axis : kAxes) axis_value(rect, axis) = read_axis(file, skin_set, token, fallback, axis);
  return rect;
}

ButtonRect read_rect(ProfileStore& file, std::int32_t skin_set, const ButtonRow& row) {
  return read_rect(file, skin_set, row.token, row.fallback);
}

void read_buttons(ProfileStore& file, SkinLayout& layout) {
  for (const ButtonRow& row : kButtons) {
    SkinButton& b = layout.buttons[row.id];
    if (row.down_wing) {
      // Placed by the down-wing layout; until then nothing to hit.
      b.set_rect(row.id == button::kDownClose ? ButtonRect{0, 0, 1, 1} : ButtonRect{});
    } else {
      b.set_rect(read_rect(file, layout.skin_set, row));
    }
    b.enabled = 1;
    b.command = row.command;
    b.caption = read_key(file, Section::kButtons, row.caption, layout.skin_set);
  }
}

}  // namespace

std::int32_t read_skin_set(ProfileStore& file) {
  return read_key(file, Section::kPanel, kPanelNow, 0);
}

SkinLayout read_skin_layout(ProfileStore& file) {
  SkinLayout layout;
  layout.skin_set = read_skin_set(file);
  layout.skin_sets = read_key(file, Section::kPanel, kHavePanel, 0);
  for (const WindowKeyRow& row : kWindowKeys) {
    layout.window[static_cast<std::size_t>(row.id)] =
        read_key(file, Section::kPanelOfSet, row.key, layout.skin_set);
  }
  layout.web_address = read_key(file, Section::kPanelOfSet, kPanelHttp, layout.skin_set);
  read_buttons(file, layout);
  for (const ReadoutRow& row : kReadouts) {
    layout.readouts[static_cast<std::size_t>(row.id)] =
        read_key(file, Section::kButtons, row.key, layout.skin_set);
  }
  read_captions(file, layout);
  return layout;
}

SkinLayout default_layout() {
  NoFile no_file;
  return read_skin_layout(no_file);
}

void read_down_wing_layout(ProfileStore& file, std::int32_t skin_set, bool open,
                           SkinLayout& layout) {
  const ButtonRow& logo_row = kButtons[button::kLogo];
  const ButtonRow& open_row = kButtons[button::kOpenPanel];
  SkinButton& logo = layout.buttons[button::kLogo];
  SkinButton& open_panel = layout.buttons[button::kOpenPanel];
  constexpr button::Index kDownWingButtons[] = {button::kEmail, button::kListView, button::kPaint,
                                                button::kMovieEdit, button::kDownClose};
  if (open) {
    logo.x = read_key(file, Section::kButtons, kLogoMoveX, skin_set);
    logo.y = read_key(file, Section::kButtons, kLogoMoveY, skin_set);
    // Absent and 0 mean the same: the open-list button keeps its own keys.
    if (read_axis(file, skin_set, kOpenPanelMoveToken, ButtonRect{}, Axis::kX) != 0) {
      open_panel.set_rect(read_rect(file, skin_set, kOpenPanelMoveToken, kOpenPanelMoveFallback));
    } else {
      open_panel.set_rect(read_rect(file, skin_set, open_row));
    }
    open_panel.enabled = 1;
    open_panel.command = open_row.command;
    open_panel.caption = read_key(file, Section::kButtons, open_row.caption, skin_set);
    for (button::Index id : kDownWingButtons) {
      layout.buttons[id].set_rect(read_rect(file, skin_set, kButtons[id]));
    }
  } else {
    logo.x = read_axis(file, skin_set, logo_row.token, logo_row.fallback, Axis::kX);
    logo.y = read_axis(file, skin_set, logo_row.token, logo_row.fallback, Axis::kY);
    open_panel.set_rect(read_rect(file, skin_set, open_row));
    for (button::Index id : kDownWingButtons) layout.buttons[id].set_rect(ButtonRect{});
  }
}

}  // namespace zel::skin
