#include "panel/skin/panel_looks.h"

namespace zel::skin {

using platform::Point;
using platform::Rect;

void paint_normal(const PanelCanvas& canvas, int wing_state) {
  const auto size = canvas.layout.window_size(wing_state);
  if (!size) return;
  canvas.surfaces.to_window(SurfaceRole::kNormal, Rect::from_origin({0, 0}, *size), canvas.window,
                            {0, 0});
}

void draw_button(const PanelCanvas& canvas, int index, int look) {
  if (canvas.layout.button(index) == nullptr) return;
  SurfaceRole from;
  switch (look) {
    case look::kNormal: from = SurfaceRole::kNormal; break;
    case look::kPressed: from = SurfaceRole::kPressed; break;
    case look::kHover: from = SurfaceRole::kHover; break;
    default: return;
  }
  const Rect r = canvas.layout.button_rect(index);
  canvas.surfaces.to_window(from, r, canvas.window, {r.left, r.top});
}

void show_transport(const PanelCanvas& canvas, bool playing, bool active) {
  constexpr SurfaceRole kDim = SurfaceRole::kPressed;
  constexpr SurfaceRole kLit = SurfaceRole::kHover;
  struct Look {
    int index;
    SurfaceRole from;
  };
  const Look looks[] = {
      {button::kPlay, !active || playing ? kDim : kLit},
      {button::kPause, active && playing ? kLit : kDim},
      {button::kStop, active ? kLit : kDim},
      {button::kBack, active ? kLit : kDim},
      {button::kForward, active ? kLit : kDim},
  };
  for (const Look& l : looks) {
    const Rect r = canvas.layout.button_rect(l.index);
    copy_to_both(canvas, l.from, r, {r.left, r.top}, Both::kWindowFirst);
  }
}

void show_mute_images(const PanelCanvas& canvas, bool muted) {
  const PanelCanvas& c = canvas;
  const int x = c.value(muted ? Readout::kChangeBtnMuteOffX : Readout::kChangeBtnMuteOnX);
  const int y = c.value(muted ? Readout::kChangeBtnMuteOffY : Readout::kChangeBtnMuteOnY);
  const int w = c.value(muted ? Readout::kChangeBtnMuteOffW : Readout::kChangeBtnMuteOnW);
  const int h = c.value(muted ? Readout::kChangeBtnMuteOffH : Readout::kChangeBtnMuteOnH);
  const Rect mute = c.layout.button_rect(button::kMute);
  const Point at{mute.left, mute.top};
  const Rect normal = Rect::from_origin({x, y}, {w, h});
  const Rect pressed = Rect::from_origin({x + w, y}, {w, h});
  const Rect hover = Rect::from_origin({x + 2 * w, y}, {w, h});
  c.surfaces.to_surface(SurfaceRole::kSheet, normal, SurfaceRole::kNormal, at);
  c.surfaces.to_surface(SurfaceRole::kSheet, pressed, SurfaceRole::kPressed, at);
  c.surfaces.to_surface(SurfaceRole::kSheet, hover, SurfaceRole::kHover, at);
  c.surfaces.to_window(SurfaceRole::kSheet, normal, c.window, at);
}

}  // namespace zel::skin
