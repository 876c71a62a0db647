#pragma once
// Paints the three pictures of one wing state (normal, hover and pressed
// looks) from the state's geometry, the set's look and the sprite sheet.
//
// What the panel copies from where decides what each picture must hold:
//  - every button in its normal, hover or pressed look, drawn only inside its
//    own rectangle, so that any one can be copied alone;
//  - the volume bar and the time-shift track empty in the normal and pressed
//    pictures and lit in the hover picture (the panel copies the empty bar
//    from the pressed picture and the lit part from the hover picture);
//  - the readouts as the sheet's images, on glass of the sheet's colour.
// Everything of the main area is drawn in main-area coordinates, so the same
// button looks the same, pixel for pixel, in every state.
#include <array>

#include "panel/skin/button_table.h"
#include "tools/skingen/description.h"
#include "tools/skingen/geometry.h"
#include "tools/skingen/label.h"
#include "tools/skingen/outline.h"

namespace zel::skingen {

enum class LookKind { kNormal, kHover, kPressed };

struct ButtonArt {
  Label label;
  bool wordmark = false;  // lettering on the body rather than a key
};

struct PaintJob {
  const SetDescription* set = nullptr;
  const StateGeometry* geometry = nullptr;
  const Region* body = nullptr;          // the window's pixels in this state
  const Image* sheet = nullptr;          // the sprite sheet, for the readouts' first images
  const SheetLayout* sprites = nullptr;  // where in the sheet
  const std::array<ButtonArt, skin::kButtonCount>* buttons = nullptr;
  const Label* muted_label = nullptr;  // the mute button's label while muted
};

struct StatePictures {
  Image normal;
  Image hover;
  Image pressed;
};

// With `muted` given, also paints the mute button while muted, in the order
// of the sheet's strip (normal, pressed, hover), each the size of the button.
StatePictures paint_state(const PaintJob& job, std::array<Image, 3>* muted = nullptr);

// Where the description's lettering on the glass goes: left of the readout,
// centred on it. Empty when the text is empty.
Box glass_label_box(const Box& readout, std::string_view text);

// Where a lettering of the description goes, in main-area coordinates.
Box lettering_box(const Lettering& t);
// Whether lettering at `at` (window coordinates) is inside the main area and
// clear of every button and plate of the state; it is printed only then.
bool lettering_clear(const StateGeometry& g, const SetDescription& set, const Box& at);

// Whether a wordmark label (one line of text) fits a key of this size.
bool wordmark_fits(const Label& label, const Box& key);

// The label area of a key of this size, in the key's own coordinates.
Box key_label_area(const Box& key, LookKind look);

}  // namespace zel::skingen
