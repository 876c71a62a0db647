#pragma once
// The panel's one skin layout and the operations that change it, all on the
// panel's window thread.
//
// Call order at start: load_skin_layout, apply_down_wing_layout(0), then the
// window is created with layout().window_size(kClosedWing), its outline and
// bitmaps applied for state 1, and load_skin_layout again. On every change of
// wing state: apply_content_offset, resize, apply_window_outline. The layout
// holds the defaults (as with no skin file) until the first load.
//
// The skin file is read afresh at every call; the object keeps a reference to
// it, which must outlive the object.
#include <cstdint>

#include "common/ini/profile_store.h"
#include "panel/skin/skin_layout.h"
#include "panel/skin/window_outline.h"

namespace zel::skin {

class Skin {
 public:
  explicit Skin(ProfileStore& skin_file);

  const SkinLayout& layout() const { return layout_; }

  // Re-reads PanelNow and replaces the whole layout with that set's (captions
  // included). The content offset stays; LEFTOPEN gets its x from the file
  // again, so a caller in state 3 or 4 applies the content offset again.
  void load_skin_layout();

  // Re-reads PanelNow, then lays out the down-wing buttons for the down wing
  // open (1) or closed (0); layout_reader.h. Any other value only re-reads
  // PanelNow.
  void apply_down_wing_layout(int open);

  // The content-offset rule for entering wing state `state`; returns the new
  // offset. content_offset.h.
  std::int32_t apply_content_offset(int state);

  // Builds the outline of wing state `state` of set `skin_set` and gives it to
  // the window; window_outline.h.
  bool apply_window_outline(WindowOutlineTarget& window, std::int32_t skin_set, int state);

  // Whether (px, py) hits the enabled button `index` (0-47) with the current
  // content offset; SkinLayout::button_hit.
  bool button_hit(int px, int py, int index) const { return layout_.button_hit(px, py, index); }

  // Re-read PanelNow, then put the frequency (FM source) or channel captions
  // on CHDOWN and CHUP. The caller rebuilds the tooltips.
  void use_frequency_captions();
  void use_channel_captions();

 private:
  void reread_skin_set();

  ProfileStore& file_;
  SkinLayout layout_;
};

}  // namespace zel::skin
