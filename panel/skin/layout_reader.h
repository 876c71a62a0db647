#pragma once
// Reading the layout from the skin file. Every read goes through the key
// tables, so a missing file, section or key gives the key's default, every
// number is clamped to its key's range and every text to its limit; nothing
// is reported.
#include <cstdint>

#include "common/ini/profile_store.h"
#include "panel/skin/skin_layout.h"

namespace zel::skin {

// [Panel] PanelNow, kept as read (a set the file does not describe gives the
// all-default layout for that number).
std::int32_t read_skin_set(ProfileStore& file);

// The layout of the file's current skin set: PanelNow, HavePanel, the window
// keys and PANEL_HTTP, the 48 buttons (enabled, with their commands and
// captions; the down-wing buttons at (0, 0, 0, 0) and DOWNCLOSE at
// (0, 0, 1, 1), none of which can be hit), the readout keys, the captions and
// the country names. The down-wing keys and the outlines are not read. The
// content offset is 0 and LEFTOPEN unmoved.
SkinLayout read_skin_layout(ProfileStore& file);

// What read_skin_layout gives without a skin file.
SkinLayout default_layout();

// Places the down-wing buttons of set `skin_set`, the logo and the open-list
// button for the down wing open or closed:
//  open:   LOGOZENTAVIO to (BTN_LOGOMOVE_X, BTN_LOGOMOVE_Y), size kept;
//          OPENPANEL from the BTN_OPENPANELMOVE_ keys if BTN_OPENPANELMOVE_X
//          is present and not 0, else from its own keys, and enabled with its
//          command and caption; EMAIL, LISTVIEW, PAINT, MOVIEEDIT and
//          DOWNCLOSE from their keys;
//  closed: LOGOZENTAVIO to (BTN_LOGOZENTAVIO_X, BTN_LOGOZENTAVIO_Y);
//          OPENPANEL from its own keys; the five down-wing buttons to
//          (0, 0, 0, 0).
void read_down_wing_layout(ProfileStore& file, std::int32_t skin_set, bool open,
                           SkinLayout& layout);

}  // namespace zel::skin
