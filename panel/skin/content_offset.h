#pragma once
// The content-offset rule, applied whenever the panel window enters a wing
// state. It sets the offset added to the x of buttons and readouts and, for a
// side wing on the right, moves the LEFTOPEN button:
//  - states 1 and 2: offset 0;
//  - states 3 and 4 with PANEL_LORR 0 (wing on the left): offset
//    PANEL_OPENLEFTLIST_W - PANEL_W, so the main area moves right;
//  - states 3 and 4 with PANEL_LORR 1 (wing on the right): offset 0, and
//    LEFTOPEN's x grows by PANEL_OPENLEFTLIST_W - PANEL_W;
//  - states 3 and 4 with any other PANEL_LORR: offset and LEFTOPEN unchanged.
// LEFTOPEN moves back by the amount it moved when a state 1 or 2 follows.
//
// The move is remembered (SkinLayout::left_open_shift) rather than repeated:
// entering state 3 or 4 twice moves LEFTOPEN once, and leaving twice moves it
// back once. A layout load reads LEFTOPEN's x afresh and forgets the move, so
// a caller that reloads in state 3 or 4 applies the rule again.
#include <cstdint>

#include "panel/skin/skin_layout.h"

namespace zel::skin {

// Returns the new content offset. A state outside 1-4 changes nothing.
std::int32_t apply_content_offset(SkinLayout& layout, int state);

}  // namespace zel::skin
