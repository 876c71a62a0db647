#include "panel/skin/skin_layout.h"

namespace zel::skin {

std::string_view SkinLayout::country_name(int number) const {
  if (number < 1 || number > kCountryNameCount) return {};
  return country_names[static_cast<std::size_t>(number - 1)];
}

std::optional<platform::Size> SkinLayout::window_size(int state) const {
  const WingStateRow* row = wing_state_row(state);
  if (row == nullptr) return std::nullopt;
  return platform::Size{value(row->width), value(row->height)};
}

const SkinButton* SkinLayout::button(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= kButtonCount) return nullptr;
  return &buttons[static_cast<std::size_t>(index)];
}

std::int32_t SkinLayout::x_offset(int index) const {
  return index == button::kLeftOpen ? 0 : content_offset;
}

platform::Rect SkinLayout::button_rect(int index) const {
  const SkinButton* b = button(index);
  if (b == nullptr) return {};
  return platform::Rect::from_origin({b->x + x_offset(index), b->y}, {b->width, b->height});
}

bool SkinLayout::button_hit(int px, int py, int index) const {
  const SkinButton* b = button(index);
  if (b == nullptr || b->enabled == 0) return false;
  const platform::Rect r = button_rect(index);
  return r.left < px && px < r.right && r.top < py && py < r.bottom;
}

}  // namespace zel::skin
