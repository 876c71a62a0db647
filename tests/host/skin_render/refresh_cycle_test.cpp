// The full refresh after new bitmaps and the skin command.
#include <gtest/gtest.h>

#include <algorithm>

#include "panel/core/commands.h"
#include "panel/platform/sim/call_diff.h"
#include "tests/host/skin_render/render_fixture.h"

namespace zel::skin::test {
namespace {

class RefreshCycleTest : public RenderTest {
 protected:
  RefreshCycleTest() { put_skin_set(drawing, 1); }

  void skin_command() { hooks.other_command(core::cmd::kNextSkin, 0); }
};

TEST_F(RefreshCycleTest, RefreshRedrawsWhatTheSourceShows) {
  struct Case {
    int source;
    const char* fm_channel;  // [TVTuner] FMChannel, nullptr for none
    bool tooltips;
    std::vector<std::string> readouts;  // after mute images and volume
  };
  const Case cases[] = {
      {core::source::kFmRadio,
       "1023",
       false,
       {"show_plate(2)", "show_source_lamp(5)", "show_fm_frequency(1023, 4)"}},
      {core::source::kFmRadio,
       nullptr,
       true,
       {"build_tooltips()", "show_plate(2)", "show_source_lamp(5)", "show_fm_frequency(875, 4)"}},
      {core::source::kAirTv,
       nullptr,
       false,
       {"show_plate(1)", "show_source_lamp(1)", "show_channel_number(42)"}},
      {core::source::kCableTv,
       nullptr,
       false,
       {"show_plate(1)", "show_source_lamp(2)", "show_channel_number(42)"}},
      {core::source::kAvIn, nullptr, false, {"show_plate(3)", "show_source_lamp(3)"}},
      {core::source::kSVideo, nullptr, false, {"show_plate(3)", "show_source_lamp(4)"}},
      {0, nullptr, false, {"show_plate(1)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "source " << c.source);
    settings_file().load(c.fm_channel ? std::string("[TVTuner]\nFMChannel=") + c.fm_channel + "\n"
                                      : "");
    state().currentSource = c.source;
    state().channel.currentChannel = 42;
    state().muted = true;
    state().volume = 100;
    load();
    if (c.tooltips) {
      hooks.build_tooltips();
    } else {
      hooks.destroy_tooltips();
    }
    trace.clear();
    drawing.clear_records();
    hooks.refresh_panel();
    std::vector<std::string> expected = {"show_mute_images(1)", "show_volume()"};
    expected.insert(expected.end(), c.readouts.begin(), c.readouts.end());
    EXPECT_LINES(trace, expected);
    EXPECT_EQ(copies().front(), copy("panel", {0, 0, 547, 176}, "Panel", {0, 0})) << "paints first";
  }
}

TEST_F(RefreshCycleTest, SkinCommandGoesToTheNextSetAndAfterTheLastToTheFirst) {
  put_skin_set(drawing, 2);
  put_skin_set(drawing, 3);
  struct Case {
    int sets;
    const char* now;
    int next;
  };
  for (const Case c : {Case{3, "3", 1}, Case{3, "1", 2}, Case{3, "2", 3}, Case{2, "2147483647", 1},
                       Case{3, "0", 1}, Case{3, "-4", 1}, Case{3, "x", 1}}) {
    SCOPED_TRACE(testing::Message() << "HavePanel " << c.sets << ", PanelNow " << c.now);
    skin_file().load("[Panel]\nHavePanel=" + std::to_string(c.sets) + "\nPanelNow=" + c.now + "\n");
    load();
    drawing.clear_records();
    skin_command();
    EXPECT_EQ(skin_file().read_text("Panel", "PanelNow", "", 20), std::to_string(c.next));
    EXPECT_EQ(state().skinSet, c.next);
    EXPECT_EQ(layout().skin_set, c.next);
    const std::string loaded =
        "LoadImage(C:\\ZEL\\panelbmp" + std::to_string(c.next) + "\\panel.bmp) = panel";
    EXPECT_NE(std::find(drawing.calls().begin(), drawing.calls().end(), loaded),
              drawing.calls().end());
    EXPECT_EQ(context.events.back(), "post_to_tv(55557, 0)");
  }
}

TEST_F(RefreshCycleTest, SkinCommandReloadsLayoutWindowAndBitmapsThenRedrawsWithTheClockStopped) {
  put_skin_set(drawing, 3);
  skin_file().load(
      "[Panel]\nHavePanel=3\nPanelNow=3\n"
      "[Panel1Point]\nHavePoint=4\n1=0\n2=0\n3=547\n4=0\n5=547\n6=176\n7=0\n8=176\n");
  load();
  process.set_timer(panel, core::timer::kClock, 333);
  state().currentSource = core::source::kCableTv;
  state().channel.currentChannel = 7;
  state().volume = 30;
  process.clear_calls();
  drawing.clear_records();
  trace.clear();
  context.events.clear();

  skin_command();

  EXPECT_LINES(trace, "other_command(40045, 0)", "load_skin_layout()", "apply_down_wing_layout(0)",
               "apply_window_outline(1, 1)", "load_skin_bitmaps(1, 1)", "show_mute_images(0)",
               "show_volume()", "show_plate(1)", "show_source_lamp(2)", "show_channel_number(7)");
  EXPECT_LINES(drawing.calls(), "ResizeWindow(Panel, 547x176)", "SetWindowRgn(Panel, 4 points)",
               "LoadImage(C:\\ZEL\\panelbmp1\\panel.bmp) = panel",
               "LoadImage(C:\\ZEL\\panelbmp1\\panelover.bmp) = panelover",
               "LoadImage(C:\\ZEL\\panelbmp1\\panelbdown.bmp) = panelbdown",
               "LoadImage(C:\\ZEL\\panelbmp1\\otherbmp.bmp) = otherbmp", "DeleteSurface(panel)",
               "DeleteSurface(panelover)", "DeleteSurface(panelbdown)", "DeleteSurface(otherbmp)",
               "LoadCursor(132)", "LoadCursor(135)", "LoadCursor(136)");
  const std::vector<std::string> timers =
      platform::sim::calls_starting_with(process.calls(), {"KillTimer", "SetTimer"});
  EXPECT_LINES(timers, "KillTimer(Panel, 40313)", "SetTimer(Panel, 40313, 333)");
  EXPECT_EQ(context.events, (std::vector<std::string>{"apply_topmost", "post_to_tv(55557, 0)"}));

  // The window shows set 1 with the readouts drawn again.
  EXPECT_TRUE(shows_itself(window(), {0, 0, 60, 30}, tag_of(1, SurfaceRole::kNormal)));
  EXPECT_TRUE(shows(window(), {423, 36, 432, 49}, tag_of(1, SurfaceRole::kSheet), {85 + 63, 29}));
  EXPECT_TRUE(shows(surface(SurfaceRole::kNormal), {397, 124, 479, 143},
                    tag_of(1, SurfaceRole::kSheet), {1, 21}));
}

TEST_F(RefreshCycleTest, SkinCommandWithOneSetChangesNothing) {
  for (const char* file : {"[Panel]\nHavePanel=1\nPanelNow=1\n", "[Panel]\nPanelNow=1\n",
                           "[Panel]\nHavePanel=0\nPanelNow=2\n", ""}) {
    SCOPED_TRACE(file);
    skin_file().load(file);
    load();
    process.set_timer(panel, core::timer::kClock, 333);
    const std::string before = skin_file().text();
    process.clear_calls();
    drawing.clear_records();
    trace.clear();
    context.events.clear();

    skin_command();

    EXPECT_EQ(skin_file().text(), before);
    EXPECT_LINES(trace, "other_command(40045, 0)");
    EXPECT_TRUE(process.calls().empty());
    EXPECT_TRUE(drawing.calls().empty());
    EXPECT_TRUE(copies().empty());
    EXPECT_TRUE(context.events.empty());
    EXPECT_EQ(desktop.timer_period(panel, core::timer::kClock), 333u);
  }
}

TEST_F(RefreshCycleTest, SkinCommandKeepsTheSideWingOpenWithEachSetsSide) {
  // Set 1 opens the side wing on the left, set 2 on the right.
  put_skin_set(drawing, 2);
  skin_file().load("[Panel]\nHavePanel=2\nPanelNow=1\n2PANEL_LORR=1\n2PANEL_OPENLEFTLIST_W=700\n");
  load();
  hooks.enter_wing_state(kSideWing);
  ASSERT_EQ(layout().content_offset, 96);

  skin_command();
  EXPECT_EQ(hooks.wing_state(), kSideWing);
  EXPECT_EQ(layout().content_offset, 0);
  EXPECT_EQ(layout().button(button::kLeftOpen)->x, 700 - 547);
  EXPECT_EQ(drawing.window_rect(panel)->width(), 700);
  EXPECT_EQ(drawing.surface_name(hooks.surfaces().id(SurfaceRole::kNormal)), "panellorr");
  EXPECT_NE(std::find(drawing.calls().begin(), drawing.calls().end(),
                      "LoadImage(C:\\ZEL\\panelbmp2\\panellorr.bmp) = panellorr"),
            drawing.calls().end());

  skin_command();
  EXPECT_EQ(layout().skin_set, 1);
  EXPECT_EQ(layout().content_offset, 96);
  EXPECT_EQ(layout().button(button::kLeftOpen)->x, 0);
  EXPECT_EQ(drawing.window_rect(panel)->width(), 643);
}

TEST_F(RefreshCycleTest, PaintMessageAndOtherCommandsPassThrough) {
  load();
  EXPECT_EQ(hooks.other_message(platform::Message{platform::wm::kPaint, 0, 0}),
            std::optional<std::intptr_t>{0});
  EXPECT_EQ(hooks.other_message(platform::Message{platform::wm::kMouseMove, 0, 0}), std::nullopt);
  trace.clear();
  drawing.clear_records();
  hooks.other_command(core::cmd::kMute, 0);
  EXPECT_LINES(trace, "other_command(40037, 0)");
  EXPECT_TRUE(drawing.calls().empty());
}

}  // namespace
}  // namespace zel::skin::test
