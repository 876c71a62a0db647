#pragma once
// The named operations of ZEL.exe: the skin's hooks (layout, bitmaps, looks,
// readouts, the skin command, the paint) and, on top of them, what the panel
// window does with the mouse over its buttons and with the side-wing command.
// Portable: the program runs it on the win32 backend, the tests on the
// simulated desktop.
//
// Buttons and the mouse (mouse x and y are the low and high words of lParam,
// unsigned):
//  - a move over an enabled button (the first hit in index order) shows the
//    normal cursor and, when it is another button than before and not a
//    transport button (PLAY ... STOP), draws the previous one normal and this
//    one in its hover look; a move over no button invalidates the window,
//    shows the normal cursor and draws the previous button normal;
//  - a press over a button shows the held cursor and the pressed look;
//  - a release over a button shows the normal cursor, the hover look (not for
//    transport buttons), then sends the button's command to the panel window
//    (SendMessage, lParam 0).
// The volume bar, the time-shift bar, dragging the window, auto-repeat and
// mouse capture are not handled here: presses outside buttons do nothing.
//
// Side wing (command 40316, a toggle between wing states 1 and 3): the state's
// content offset, window size, outline and bitmaps, the channel-list window
// shown (filled first) or hidden through its hooks, the full refresh, then
// the panel becomes the foreground window with the keyboard focus.
//
// Lifetime as SkinHooks: the platform, the drawing seam and the context
// outlive the object.
#include <cstdint>
#include <optional>

#include "panel/skin/skin_hooks.h"

namespace zel::app {

class ZelHooks : public skin::SkinHooks {
 public:
  ZelHooks(const platform::Platform& platform, const platform::Drawing& drawing, skin::PanelContext& context,
           Trace trace = {});

  // 40316 toggles the side wing; everything else as SkinHooks.
  void other_command(core::CommandId command, std::int32_t argument) override;
  // Mouse moves, presses and releases as above; everything else as SkinHooks.
  std::optional<std::intptr_t> other_message(const platform::Message& message) override;

  // The button under the mouse at the last move, kNoButton for none.
  static constexpr int kNoButton = 255;
  int hover_button() const { return hover_; }

 protected:
  platform::WindowId panel_window_id() { return context_.state().panelWindow; }

 private:
  void on_mouse_move(int x, int y);
  void on_button_down();
  void on_button_up();
  void toggle_side_wing();

  platform::Platform platform_;
  platform::Drawing drawing_;
  skin::PanelContext& context_;
  int hover_ = kNoButton;
  bool over_button_ = false;  // the last move was over an enabled button
};

}  // namespace zel::app
