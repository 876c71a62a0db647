#pragma once
// Tooltips of the common controls (class "tooltips_class32").
//
// Contract:
//  - create_tooltips makes a tooltip control: a pop-up window without owner
//    with the styles TTS_ALWAYSTIP | TTS_NOPREFIX (tips show even when the
//    owner is inactive; '&' is shown as it is), placed topmost without being
//    activated (SetWindowPos HWND_TOPMOST, SWP_NOMOVE | SWP_NOSIZE |
//    SWP_NOACTIVATE); then activates it (TTM_ACTIVATE) and sets the three
//    delays (TTM_SETDELAYTIME). kNoWindow when the control cannot be made.
//  - add_tool adds one tool (TTM_ADDTOOLA, TTF_SUBCLASS: the control watches
//    the owner's mouse messages itself): a rectangle of the owner's client
//    area, identified by (owner, id), whose tip is `text`. False when the
//    control refuses it.
//  - destroy_tooltips destroys the control and its tools.
#include <cstdint>
#include <string>

#include "panel/platform/types.h"

namespace zel::platform {

struct TooltipDelays {
  std::uint32_t initial_ms = 0;    // TTDT_INITIAL
  std::uint32_t auto_hide_ms = 0;  // TTDT_AUTOPOP
  std::uint32_t reshow_ms = 0;     // TTDT_RESHOW
  friend constexpr bool operator==(const TooltipDelays&, const TooltipDelays&) = default;
};

struct TooltipTool {
  WindowId owner;
  std::uint32_t id = 0;
  Rect rect;
  std::string text;
  friend bool operator==(const TooltipTool&, const TooltipTool&) = default;
};

class Tooltips {
 public:
  virtual ~Tooltips() = default;
  virtual WindowId create_tooltips(const TooltipDelays& delays) = 0;
  virtual bool add_tool(WindowId control, const TooltipTool& tool) = 0;
  virtual void destroy_tooltips(WindowId control) = 0;
};

}  // namespace zel::platform
