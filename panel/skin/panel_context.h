#pragma once
// What the skin's hooks need of the panel around them: its state, its two
// files, the always-on-top rule, the TV window and the channel-list window.
//
// The panel program gives them through PanelAppContext (panel_app_context.h)
// over the running PanelApp; tests may give plain fields. Everything is
// called on the panel's thread, and only from inside hook calls, so the files
// may come into being after construction (PanelApp opens them at the start of
// start()).
#include <cstdint>

#include "common/ini/profile_store.h"
#include "panel/core/commands.h"
#include "panel/core/panel_state.h"
#include "panel/platform/types.h"

namespace zel::skin {

class PanelContext {
 public:
  virtual ~PanelContext() = default;

  virtual core::PanelState& state() = 0;
  virtual ProfileStore& skin_file() = 0;
  virtual ProfileStore& settings_file() = 0;
  // [vorne] AlwaysOnTop: the panel and the TV window topmost when it is
  // exactly "TRUE", otherwise not; a missing window is skipped.
  virtual void apply_topmost() = 0;
  // Posts a command to the TV window, looked up first; lost without one.
  virtual void post_to_tv(core::CommandId command, std::int32_t argument) = 0;
  // The side wing's channel-list window; kNoWindow while there is none.
  virtual platform::WindowId channel_list_window() = 0;
};

}  // namespace zel::skin
