#pragma once
// Reading the caption texts of a skin set: the texts of caption_keys.h, the
// country names, and the swap of the channel buttons' tooltips for the FM
// source. The button tooltips themselves are read with the buttons
// (layout_reader.h).
#include <cstdint>

#include "common/ini/profile_store.h"
#include "panel/skin/skin_layout.h"

namespace zel::skin {

// Every text of caption_keys.h and the country names 1 to 244 of the set
// layout.skin_set. A missing country gives an empty name.
void read_captions(ProfileStore& file, SkinLayout& layout);

// The tooltips of CHDOWN and CHUP (buttons 12 and 13) from set `skin_set`:
// IDS_FREQDOWN and IDS_FREQUP while FM is the source (`frequency`), else
// IDS_CHDOWN and IDS_CHUP again.
void read_channel_button_captions(ProfileStore& file, std::int32_t skin_set, bool frequency,
                                  SkinLayout& layout);

}  // namespace zel::skin
