#pragma once
// The panel's looks: painting the window, a button in one of its three looks,
// the transport buttons' special look and the mute button's images. All of it
// is rectangle copying between the surfaces and the window (skin_surfaces.h).
#include "panel/skin/panel_canvas.h"

namespace zel::skin {

// The looks of a button, numbered as callers pass them.
namespace look {
inline constexpr int kNormal = 0;
inline constexpr int kPressed = 1;
inline constexpr int kHover = 2;
}  // namespace look

// Copies the Normal surface to the window at (0, 0), as large as the window
// of wing state `wing_state`; nothing for a state outside 1-4.
void paint_normal(const PanelCanvas& canvas, int wing_state);

// Copies the button's rectangle (window coordinates: the content offset added
// to x, except for LEFTOPEN) from the look's surface to the same place in the
// window, and only there: a repaint shows the normal look again. An index
// outside 0-47 or a look outside 0-2 draws nothing.
void draw_button(const PanelCanvas& canvas, int index, int look);

// The five transport buttons (PLAY, PAUSE, STOP, BACK, FORWARD), each into the
// window and then the Normal surface. Not active: all pressed (dim). Active:
// STOP, BACK and FORWARD hover (lit); PLAY pressed and PAUSE hover while
// playing, the reverse otherwise.
void show_transport(const PanelCanvas& canvas, bool playing, bool active);

// Installs the mute button's images of the sound state: the strip's normal,
// pressed and hover images into the Normal, Pressed and Hover surfaces at the
// MUTE button, then the normal image into the window. From then on
// draw_button shows MUTE in that state's images.
void show_mute_images(const PanelCanvas& canvas, bool muted);

}  // namespace zel::skin
