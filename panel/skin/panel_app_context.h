#pragma once
// The skin's context over the running panel program.
#include "panel/core/panel_app.h"
#include "panel/skin/panel_context.h"

namespace zel::skin {

// The context of the panel program. Made before the PanelApp (which needs the
// hooks, which need the context) and attached to it right after. The area
// that owns the channel-list window tells it here while the window exists.
class PanelAppContext final : public PanelContext {
 public:
  void attach(core::PanelApp& app) { app_ = &app; }
  void set_channel_list_window(platform::WindowId window) { list_window_ = window; }

  core::PanelState& state() override { return app_->state(); }
  ProfileStore& skin_file() override { return app_->skin(); }
  ProfileStore& settings_file() override { return app_->settings(); }
  void apply_topmost() override { app_->apply_topmost(); }
  void post_to_tv(core::CommandId command, std::int32_t argument) override {
    app_->tv_command(command, argument, core::TvDelivery::kPost);
  }
  platform::WindowId channel_list_window() override { return list_window_; }

 private:
  core::PanelApp* app_ = nullptr;
  platform::WindowId list_window_;
};

}  // namespace zel::skin
