#include "panel/skin/skin.h"

#include "panel/skin/caption_reader.h"
#include "panel/skin/content_offset.h"
#include "panel/skin/layout_reader.h"

namespace zel::skin {

Skin::Skin(ProfileStore& skin_file) : file_(skin_file), layout_(default_layout()) {}

void Skin::load_skin_layout() {
  const std::int32_t offset = layout_.content_offset;
  layout_ = read_skin_layout(file_);
  layout_.content_offset = offset;
}

void Skin::apply_down_wing_layout(int open) {
  reread_skin_set();
  if (open == 0 || open == 1) read_down_wing_layout(file_, layout_.skin_set, open == 1, layout_);
}

std::int32_t Skin::apply_content_offset(int state) {
  return skin::apply_content_offset(layout_, state);
}

bool Skin::apply_window_outline(WindowOutlineTarget& window, std::int32_t skin_set, int state) {
  return skin::apply_window_outline(file_, window, skin_set, state);
}

void Skin::use_frequency_captions() {
  reread_skin_set();
  read_channel_button_captions(file_, layout_.skin_set, true, layout_);
}

void Skin::use_channel_captions() {
  reread_skin_set();
  read_channel_button_captions(file_, layout_.skin_set, false, layout_);
}

void Skin::reread_skin_set() { layout_.skin_set = read_skin_set(file_); }

}  // namespace zel::skin
