#include "panel/skin/panel_canvas.h"

namespace zel::skin {

void copy_to_both(const PanelCanvas& canvas, SurfaceRole from, const platform::Rect& source,
                  platform::Point at, Both order) {
  if (order == Both::kWindowFirst) canvas.surfaces.to_window(from, source, canvas.window, at);
  canvas.surfaces.to_surface(from, source, SurfaceRole::kNormal, at);
  if (order == Both::kNormalFirst) canvas.surfaces.to_window(from, source, canvas.window, at);
}

}  // namespace zel::skin
