#pragma once
// The symbols of the button labels (transport, arrows, speaker, ...), drawn
// as anti-aliased shapes into a mask. Each icon is `size` pixels high and
// icon_width() wide.
#include <string_view>

#include "tools/skingen/paint.h"

namespace zel::skingen {

bool icon_known(std::string_view name);
// Width of the icon at the given height (most icons are square).
float icon_width(std::string_view name, float size);
// Draws the icon with its top-left corner at (x, y); unknown names draw nothing.
void draw_icon(Mask& mask, std::string_view name, float x, float y, float size);

}  // namespace zel::skingen
