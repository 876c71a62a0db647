#include "panel/app/zel_hooks.h"

#include "panel/skin/panel_looks.h"

namespace zel::app {

using platform::Message;
using platform::WindowId;
namespace wm = platform::wm;

namespace {

// PLAY, FORWARD, BACK, PAUSE and STOP: their looks come from the transport
// state, so hovering does not change them.
bool is_transport(int index) { return index >= skin::button::kPlay && index <= skin::button::kStop; }

int mouse_x(const Message& m) { return static_cast<int>(static_cast<std::uint32_t>(m.lparam) & 0xFFFFu); }
int mouse_y(const Message& m) {
  return static_cast<int>((static_cast<std::uint32_t>(m.lparam) >> 16) & 0xFFFFu);
}

}  // namespace

ZelHooks::ZelHooks(const platform::Platform& platform, const platform::Drawing& drawing,
                   skin::PanelContext& context, Trace trace)
    : SkinHooks(platform, drawing, context, std::move(trace)),
      platform_(platform),
      drawing_(drawing),
      context_(context) {}

void ZelHooks::other_command(core::CommandId command, std::int32_t argument) {
  SkinHooks::other_command(command, argument);
  if (command == core::cmd::kChannelListWing) toggle_side_wing();
}

std::optional<std::intptr_t> ZelHooks::other_message(const Message& message) {
  switch (message.id) {
    case wm::kMouseMove:
      on_mouse_move(mouse_x(message), mouse_y(message));
      return 0;
    case wm::kLButtonDown:
      on_button_down();
      return 0;
    case wm::kLButtonUp:
      on_button_up();
      return 0;
    default:
      return SkinHooks::other_message(message);
  }
}

void ZelHooks::on_mouse_move(int x, int y) {
  over_button_ = false;
  const skin::SkinLayout& layout = skin().layout();
  int hit = kNoButton;
  for (int i = 0; i < static_cast<int>(skin::kButtonCount); ++i) {
    if (layout.button_hit(x, y, i)) {
      hit = i;
      break;
    }
  }
  const platform::CursorId normal = cursor(skin::CursorRole::kNormal);
  if (hit == kNoButton) {
    drawing_.surfaces.invalidate_window(context_.state().panelWindow);
    drawing_.cursors.set_cursor(normal);
    draw_button(hover_, skin::look::kNormal);
    hover_ = kNoButton;
    return;
  }
  drawing_.cursors.set_cursor(normal);
  if (hit != hover_ && !is_transport(hit)) {
    draw_button(hover_, skin::look::kNormal);
    draw_button(hit, skin::look::kHover);
  }
  hover_ = hit;
  over_button_ = true;
}

void ZelHooks::on_button_down() {
  if (!over_button_) return;
  drawing_.cursors.set_cursor(cursor(skin::CursorRole::kHeld));
  draw_button(hover_, skin::look::kPressed);
}

void ZelHooks::on_button_up() {
  if (!over_button_) return;
  drawing_.cursors.set_cursor(cursor(skin::CursorRole::kNormal));
  if (!is_transport(hover_)) draw_button(hover_, skin::look::kHover);
  const skin::SkinButton* button = skin().layout().button(hover_);
  if (button == nullptr) return;
  platform_.windows.send_message(context_.state().panelWindow, platform::command_message(button->command, 0));
}

void ZelHooks::toggle_side_wing() {
  core::PanelState& state = context_.state();
  state.leftListOpen = !state.leftListOpen;
  enter_wing_state(state.leftListOpen ? skin::kSideWing : skin::kClosedWing);
  if (state.leftListOpen) {
    refill_channel_list();
    show_channel_list_window(true);
  } else {
    show_channel_list_window(false);
  }
  refresh_panel();
  const WindowId panel = state.panelWindow;
  platform_.windows.set_foreground_window(panel);
  platform_.windows.set_focus(panel);
}

}  // namespace zel::app
