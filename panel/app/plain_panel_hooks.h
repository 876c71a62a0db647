#pragma once
// The panel's named operations as ZEL.exe has them today: the defaults of
// PanelHooks, plus painting. Until the skin's bitmaps are loaded into the
// panel's surfaces, the back buffer WM_PAINT copies is a plain one: the
// panel's face colour with a frame, so the borderless window never shows
// whatever was on the screen beneath it.
#include <cstdint>
#include <optional>

#include "panel/core/panel_app.h"
#include "panel/core/panel_hooks.h"

namespace zel::app {

class PlainPanelHooks final : public core::PanelHooks {
 public:
  // The panel whose window this paints; set before the panel starts.
  void attach(const core::PanelApp& panel) { panel_ = &panel; }

  std::optional<std::intptr_t> other_message(const platform::Message& message) override;

 private:
  const core::PanelApp* panel_ = nullptr;
};

}  // namespace zel::app
