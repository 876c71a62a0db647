// ZEL.exe's hooks on the simulated desktop: the button looks and commands the
// mouse gives, the side-wing toggle, and both inside the running panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "panel/app/zel_hooks.h"
#include "panel/core/panel_app.h"
#include "panel/skin/panel_app_context.h"
#include "panel/skin/panel_looks.h"
#include "panel/tuning/tuner_exports.h"
#include "tests/host/core/sim_tv_program.h"
#include "tests/host/skin_render/render_fixture.h"

namespace zel::app {
namespace {

using platform::Message;
using platform::Point;
using platform::Rect;
using platform::WindowId;
using skin::SurfaceRole;
using skin::test::shows;
using skin::test::shows_itself;
using skin::test::tag_of;
namespace button = skin::button;
namespace wm = platform::wm;

std::intptr_t mouse_at(int x, int y) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y) << 16) | static_cast<std::uint32_t>(x));
}

// The commands that reach the panel window, with their lParam.
struct CommandRecorder final : platform::WindowHandler {
  std::optional<std::intptr_t> handle(WindowId, const Message& message) override {
    if (message.id == wm::kCommand) {
      commands.push_back(std::to_string(platform::command_of(message)) + " " +
                         std::to_string(platform::argument_of(message)));
    }
    return std::nullopt;
  }
  std::vector<std::string> commands;
};

class ZelHooksTest : public ::testing::Test {
 protected:
  ZelHooksTest()
      : process(desktop.add_process("panel")),
        drawing(desktop),
        context(desktop.file(skin::test::kSkinPath), desktop.file(skin::test::kSettingsPath)),
        hooks(process.platform(), drawing.drawing(), context,
              [this](std::string line) { trace.push_back(std::move(line)); }) {
    desktop.win_ini().load("[AP]\n222APDirectory=C:\\ZEL\n");
    process.register_window_class({"Zentavio Driftcam", 0, 0, 0, ""});
    panel = process.create_window(
        platform::WindowSpec{0, "Zentavio Driftcam", "Panel", platform::ws::kPopup,
                             Rect::from_origin({239, 552}, {547, 176}), platform::kNoWindow},
        recorder);
    context.state().panelWindow = panel;
    skin::test::put_skin_set(drawing, 1);
  }

  void load() {
    hooks.load_skin_layout();
    hooks.apply_down_wing_layout(0);
    hooks.load_skin_bitmaps(skin::kClosedWing, 1);
    hooks.refresh_panel();
  }
  void mouse(std::uint32_t message, int x, int y) {
    hooks.other_message(Message{message, 0, mouse_at(x, y)});
  }
  Rect rect_of(int index) { return hooks.skin().layout().button_rect(index); }
  Point centre_of(int index) {
    const Rect r = rect_of(index);
    return {r.left + r.width() / 2, r.top + r.height() / 2};
  }
  void move_to(int index) { mouse(wm::kMouseMove, centre_of(index).x, centre_of(index).y); }
  const skin::test::Image* window() const { return drawing.window_image(panel); }
  const skin::test::Image* normal() const {
    return drawing.surface_image(hooks.surfaces().id(SurfaceRole::kNormal));
  }
  // The button as the window shows it: its own place in the picture of `role`.
  ::testing::AssertionResult looks(int index, SurfaceRole role) {
    return shows_itself(window(), rect_of(index), tag_of(1, role));
  }
  std::uint64_t cursor() const { return drawing.current_cursor().value; }

  platform::sim::Desktop desktop;
  platform::sim::Process& process;
  platform::sim::SimDrawing drawing;
  skin::test::FakeContext context;
  std::vector<std::string> trace;
  ZelHooks hooks;
  CommandRecorder recorder;
  WindowId panel;
};

TEST_F(ZelHooksTest, HoverPressAndReleaseShowTheLooksOnTheWindowAndTheReleaseSendsTheCommand) {
  load();
  move_to(button::kVolUp);
  EXPECT_TRUE(looks(button::kVolUp, SurfaceRole::kHover));
  EXPECT_EQ(hooks.hover_button(), button::kVolUp);
  EXPECT_EQ(cursor(), 132u);

  hooks.other_message(
      Message{wm::kLButtonDown, 1, mouse_at(centre_of(button::kVolUp).x, centre_of(button::kVolUp).y)});
  EXPECT_TRUE(looks(button::kVolUp, SurfaceRole::kPressed));
  EXPECT_EQ(cursor(), 135u);
  EXPECT_TRUE(recorder.commands.empty()) << "nothing is sent on the press";

  mouse(wm::kLButtonUp, centre_of(button::kVolUp).x, centre_of(button::kVolUp).y);
  EXPECT_TRUE(looks(button::kVolUp, SurfaceRole::kHover));
  EXPECT_EQ(cursor(), 132u);
  EXPECT_EQ(recorder.commands, (std::vector<std::string>{"40006 0"}));

  // Looks go to the window only: the Normal surface keeps the normal look.
  EXPECT_TRUE(shows_itself(normal(), rect_of(button::kVolUp), tag_of(1, SurfaceRole::kNormal)));

  move_to(button::kChUp);
  EXPECT_TRUE(looks(button::kVolUp, SurfaceRole::kNormal));
  EXPECT_TRUE(looks(button::kChUp, SurfaceRole::kHover));

  // Off every button: the last one normal again and the window to repaint.
  mouse(wm::kMouseMove, 0xFFFF, 0xFFFF);
  EXPECT_TRUE(looks(button::kChUp, SurfaceRole::kNormal));
  EXPECT_EQ(hooks.hover_button(), ZelHooks::kNoButton);
  EXPECT_TRUE(drawing.needs_paint(panel));
  EXPECT_EQ(cursor(), 132u);
}

TEST_F(ZelHooksTest, TransportButtonsGetNoHoverLookButAreClickedLikeAnyOther) {
  load();
  move_to(button::kRec);
  move_to(button::kPlay);
  EXPECT_TRUE(looks(button::kRec, SurfaceRole::kHover)) << "left as it was until the next repaint";
  EXPECT_TRUE(looks(button::kPlay, SurfaceRole::kNormal));
  mouse(wm::kLButtonDown, centre_of(button::kPlay).x, centre_of(button::kPlay).y);
  EXPECT_TRUE(looks(button::kPlay, SurfaceRole::kPressed));
  mouse(wm::kLButtonUp, centre_of(button::kPlay).x, centre_of(button::kPlay).y);
  EXPECT_TRUE(looks(button::kPlay, SurfaceRole::kPressed)) << "the release draws no hover look";
  EXPECT_EQ(recorder.commands, (std::vector<std::string>{"40017 0"}));
}

TEST_F(ZelHooksTest, PressesAwayFromTheButtonsDoNothing) {
  load();
  const struct {
    const char* where;
    Point at;
  } kCases[] = {
      {"the background", {400, 160}},
      {"the left edge of REC (edges are outside)", {36, 30}},
      {"the top edge of REC", {50, 23}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.where);
    drawing.clear_records();
    mouse(wm::kMouseMove, c.at.x, c.at.y);
    mouse(wm::kLButtonDown, c.at.x, c.at.y);
    mouse(wm::kLButtonUp, c.at.x, c.at.y);
    EXPECT_TRUE(drawing.copies().empty());
    EXPECT_TRUE(recorder.commands.empty());
    EXPECT_EQ(hooks.hover_button(), ZelHooks::kNoButton);
  }
}

TEST_F(ZelHooksTest, TheSideWingCommandTogglesBetweenClosedAndSide) {
  const struct {
    int side;  // PANEL_LORR
    int offset;
    int left_open_x;
  } kCases[] = {{0, 96, 0}, {1, 0, 96}};
  for (const auto& c : kCases) {
    SCOPED_TRACE("PANEL_LORR " + std::to_string(c.side));
    desktop.file(skin::test::kSkinPath)
        .load("[Panel]\n1PANEL_LORR=" + std::to_string(c.side) +
              "\n[Panel1LorRPoint]\nHavePoint=4\n1=0\n2=0\n3=643\n4=0\n5=643\n6=176\n7=0\n8=176\n"
              "[Panel1Point]\nHavePoint=4\n1=0\n2=0\n3=547\n4=0\n5=547\n6=176\n7=0\n8=176\n");
    context.state().leftListOpen = false;
    load();
    trace.clear();
    drawing.clear_records();

    hooks.other_command(core::cmd::kChannelListWing, 0);
    EXPECT_TRUE(context.state().leftListOpen);
    EXPECT_EQ(drawing.window_rect(panel), (Rect{239, 552, 239 + 643, 552 + 176}));
    EXPECT_EQ(drawing.window_polygon(panel), (std::vector<Point>{{0, 0}, {643, 0}, {643, 176}, {0, 176}}));
    EXPECT_EQ(hooks.skin().layout().content_offset, c.offset);
    EXPECT_EQ(rect_of(button::kLeftOpen).left, c.left_open_x);
    EXPECT_EQ(hooks.wing_state(), skin::kSideWing);
    EXPECT_NE(std::find(drawing.calls().begin(), drawing.calls().end(),
                        "LoadImage(C:\\ZEL\\panelbmp1\\panellorr.bmp) = panellorr"),
              drawing.calls().end());
    EXPECT_TRUE(shows_itself(window(), {547, 0, 643, 8}, tag_of(1, SurfaceRole::kNormal)))
        << "the refresh painted the part the window gained";
    EXPECT_EQ(desktop.foreground(), panel);
    EXPECT_EQ(desktop.focus(), panel);
    // Hit-testing follows the content offset.
    mouse(wm::kMouseMove, 36 + c.offset + 1, 24);
    EXPECT_EQ(hooks.hover_button(), button::kRec);
    mouse(wm::kMouseMove, 0xFFFF, 0xFFFF);

    hooks.other_command(core::cmd::kChannelListWing, 0);
    EXPECT_FALSE(context.state().leftListOpen);
    EXPECT_EQ(drawing.window_rect(panel), (Rect{239, 552, 239 + 547, 552 + 176}));
    EXPECT_EQ(drawing.window_polygon(panel).size(), 4u);
    EXPECT_EQ(drawing.window_polygon(panel)[1], (Point{547, 0}));
    EXPECT_EQ(hooks.skin().layout().content_offset, 0);
    EXPECT_EQ(rect_of(button::kLeftOpen).left, 0);
    EXPECT_EQ(hooks.wing_state(), skin::kClosedWing);

    const auto has = [&](const std::string& line) {
      return std::find(trace.begin(), trace.end(), line) != trace.end();
    };
    EXPECT_TRUE(has("refill_channel_list()"));
    EXPECT_TRUE(has("show_channel_list_window(1)"));
    EXPECT_TRUE(has("show_channel_list_window(0)"));
  }
}

// The program's composition: the core sends itself the side-wing command and
// the button commands, and they reach these hooks.
TEST(ZelHooksInThePanel, AClickOnSkinChangesTheSetAndStandbyClosesTheOpenWing) {
  platform::sim::Desktop desktop;
  platform::sim::Process& process = desktop.add_process("panel");
  platform::sim::Process& user = desktop.add_process("user");
  platform::sim::SimDrawing drawing(desktop);
  desktop.win_ini().load(
      "[AP]\n222APDirectory=C:\\ZEL\nZelPanelIniFile=ZelPFile.ini\nZelSettingIniFile=ZelSFile.ini\n");
  desktop.file(skin::test::kSkinPath).load("[Panel]\nPanelNow=1\nHavePanel=2\n");
  desktop.file(skin::test::kSettingsPath)
      .load("[HovraCrossbar]\nInputSource=4\n[CHANNELLISTAIR]\nALREADYSCAN=TRUE\n");
  skin::test::put_skin_set(drawing, 1);
  skin::test::put_skin_set(drawing, 2);
  platform::sim::SimLibraryLoader::Exports exports;
  exports["ZtGetFreqInfo"] = reinterpret_cast<platform::ExportAddress>(&ZtGetFreqInfo);
  exports["ZtGetContryInfo"] = reinterpret_cast<platform::ExportAddress>(&ZtGetContryInfo);
  process.libraries().add_library("C:\\windows\\system32\\ZtTV.dll", std::move(exports));
  tv::TvOptions options;
  std::vector<std::string> tv_log;
  testing::SimTvProgram::install(desktop, options, tv_log);

  skin::PanelAppContext context;
  ZelHooks hooks(process.platform(), drawing.drawing(), context);
  core::PanelApp app(process.platform(), hooks);
  context.attach(app);
  ASSERT_FALSE(app.start().has_value());
  desktop.pump();
  const WindowId panel = app.state().panelWindow;
  const auto send = [&](const Message& m) {
    user.send_message(panel, m);
    desktop.pump();
  };

  send(platform::command_message(core::cmd::kChannelListWing, 0));
  ASSERT_TRUE(app.state().leftListOpen);
  const Rect skin_button = hooks.skin().layout().button_rect(button::kSkin);
  const std::intptr_t at = mouse_at(skin_button.left + 5, skin_button.top + 5);
  send(Message{wm::kMouseMove, 0, at});
  send(Message{wm::kLButtonDown, 1, at});
  send(Message{wm::kLButtonUp, 0, at});
  EXPECT_EQ(desktop.file(skin::test::kSkinPath).read_int("Panel", "PanelNow", 0), 2);
  EXPECT_EQ(hooks.wing_state(), skin::kSideWing) << "the skin change keeps the wing open";
  EXPECT_TRUE(shows(drawing.surface_image(hooks.surfaces().id(SurfaceRole::kNormal)), {0, 0, 10, 10},
                    tag_of(2, SurfaceRole::kNormal), {0, 0}));

  send(platform::command_message(core::cmd::kStandby, 0));
  EXPECT_FALSE(app.state().leftListOpen);
  EXPECT_EQ(hooks.wing_state(), skin::kClosedWing);
  EXPECT_EQ(drawing.window_rect(panel)->width(), 547);
}

}  // namespace
}  // namespace zel::app
