#pragma once
// What the panel's looks and readouts draw with: the skin layout (positions,
// sizes, sheet places, the content offset), the four surfaces, and the panel
// window. All three outlive any call that takes the canvas.
#include "panel/platform/types.h"
#include "panel/skin/skin_layout.h"
#include "panel/skin/skin_surfaces.h"

namespace zel::skin {

struct PanelCanvas {
  const SkinLayout& layout;
  SkinSurfaces& surfaces;
  platform::WindowId window;

  std::int32_t value(Readout key) const { return layout.value(key); }
};

// Where a copy goes when it goes to both the window and the Normal surface.
enum class Both { kWindowFirst, kNormalFirst };

// Copies `source` of `from` to `at` in the window and in the Normal surface,
// in the given order.
void copy_to_both(const PanelCanvas& canvas, SurfaceRole from, const platform::Rect& source,
                  platform::Point at, Both order);

}  // namespace zel::skin
