#pragma once
// Button labels as the description writes them: lines separated by "|",
// each a run of text and icons, icons in angle brackets. "<up>|CH" is an
// arrow above the letters CH; "TIME|SHIFT" two lines of text.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/skingen/font.h"

namespace zel::skingen {

struct LabelItem {
  bool icon = false;
  std::string text;  // the text, or the icon's name
};

struct Label {
  std::vector<std::vector<LabelItem>> lines;
};

// nullopt, with the reason in *error, for an empty label, an empty line, an
// unknown icon or a character that neither font has.
std::optional<Label> parse_label(std::string_view source, std::string* error);

// How a label is drawn in a given area: in the regular font when it fits,
// else in the small one.
struct LabelFit {
  Font font = Font::kRegular;
  int icon_size = 0;
  int width = 0;
  int height = 0;
};

// nullopt when the label fits the area in neither font.
std::optional<LabelFit> fit_label(const Label& label, int width, int height);

// Items drawn in the accent colour rather than the label's (the record dot).
bool accent_item(const LabelItem& item);

enum class LabelPart { kAll, kPlain, kAccent };

// Draws the label, or only its plain or accent items, centred in `area` of
// the mask.
void draw_label(Mask& mask, const Label& label, const LabelFit& fit, Box area,
                LabelPart part = LabelPart::kAll);

}  // namespace zel::skingen
