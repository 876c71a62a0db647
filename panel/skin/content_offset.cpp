#include "panel/skin/content_offset.h"

namespace zel::skin {

namespace {

void move_left_open(SkinLayout& layout, std::int32_t shift) {
  SkinButton& left_open = layout.buttons[button::kLeftOpen];
  left_open.x += shift - layout.left_open_shift;
  layout.left_open_shift = shift;
}

}  // namespace

std::int32_t apply_content_offset(SkinLayout& layout, int state) {
  const std::int32_t wing_width =
      layout.value(WindowKey::kOpenLeftListW) - layout.value(WindowKey::kPanelW);
  switch (state) {
    case kClosedWing:
    case kDownWing:
      layout.content_offset = 0;
      move_left_open(layout, 0);
      break;
    case kSideWing:
    case kAllWings:
      if (layout.value(WindowKey::kLorR) == 0) {
        layout.content_offset = wing_width;
      } else if (layout.value(WindowKey::kLorR) == 1) {
        layout.content_offset = 0;
        move_left_open(layout, wing_width);
      }
      break;
    default:
      break;
  }
  return layout.content_offset;
}

}  // namespace zel::skin
