#pragma once
// The panel's lettering: two small proportional bitmap fonts, drawn by our
// own tables. Regular is 7 pixels high (capitals, digits, a few signs and a
// lower-case z for "MHz"); small is 5 pixels high (capitals, digits, signs).
// Glyphs are one pixel apart.
#include <string_view>

#include "tools/skingen/paint.h"

namespace zel::skingen {

enum class Font { kRegular, kSmall };

int font_height(Font font);
// Whether every character of the text has a glyph.
bool font_has(Font font, std::string_view text);
// Width of the text in pixels with `spacing` pixels between glyphs;
// characters without a glyph count as nothing.
int text_width(Font font, std::string_view text, int spacing = 1);
// Sets the text's pixels in the mask, top-left corner at (x, y). Each glyph
// row is drawn `stretch` pixels high.
void draw_text(Mask& mask, int x, int y, Font font, std::string_view text, int stretch = 1, int spacing = 1);

}  // namespace zel::skingen
