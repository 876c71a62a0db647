// Loading the skin bitmaps, painting, the three button looks, the transport
// and mute looks, the tooltips, and a skin without bitmaps.
#include <gtest/gtest.h>

#include <algorithm>

#include "panel/core/commands.h"
#include "panel/skin/panel_looks.h"
#include "tests/host/skin_render/render_fixture.h"

namespace zel::skin::test {
namespace {

constexpr int kNormal1 = 1;   // tag_of(1, kNormal)
constexpr int kHover1 = 2;    // tag_of(1, kHover)
constexpr int kPressed1 = 3;  // tag_of(1, kPressed)
constexpr int kSheet1 = 4;    // tag_of(1, kSheet)

class LooksTest : public RenderTest {
 protected:
  LooksTest() { put_skin_set(drawing, 1); }
};

TEST_F(LooksTest, LoadsTheFourPicturesOfTheWingStateThenCursorsThenTopmost) {
  put_skin_set(drawing, 2);
  skin_file().load("[Panel]\nPanelNow=2\n");
  struct Case {
    int state;
    const char* picture;
  };
  for (const Case c :
       {Case{1, "panel"}, Case{2, "paneldown"}, Case{3, "panellorr"}, Case{4, "panelall"}}) {
    SCOPED_TRACE(c.picture);
    drawing.clear_records();
    context.events.clear();
    hooks.load_skin_bitmaps(c.state, 7);
    const std::string folder = "C:\\ZEL\\panelbmp2\\";
    const std::string name = c.picture;
    std::vector<std::string> expected = {
        "LoadImage(" + folder + name + ".bmp) = " + name,
        "LoadImage(" + folder + name + "over.bmp) = " + name + "over",
        "LoadImage(" + folder + name + "bdown.bmp) = " + name + "bdown",
        "LoadImage(" + folder + "otherbmp.bmp) = otherbmp"};
    if (c.state != 1) {
      // The previous load's surfaces go only after the new ones are there.
      const std::string previous = c.state == 2   ? "panel"
                                   : c.state == 3 ? "paneldown"
                                                  : "panellorr";
      for (const std::string& s :
           {previous, previous + "over", previous + "bdown", std::string("otherbmp")}) {
        expected.push_back("DeleteSurface(" + s + ")");
      }
    }
    for (const char* cursor : {"LoadCursor(132)", "LoadCursor(135)", "LoadCursor(136)"})
      expected.push_back(cursor);
    EXPECT_LINES(drawing.calls(), expected);
    EXPECT_EQ(context.events, std::vector<std::string>{"apply_topmost"});
    EXPECT_EQ(hooks.wing_state(), c.state);
    EXPECT_EQ(state().skinSet, 2) << "PanelNow of the file, not the argument";
    EXPECT_EQ(drawing.live_surfaces(), 4u);
  }
  EXPECT_EQ(hooks.cursor(CursorRole::kHeld), platform::CursorId{135});

  hooks.release_skin_bitmaps();
  EXPECT_EQ(drawing.live_surfaces(), 0u);
  EXPECT_FALSE(hooks.cursor(CursorRole::kNormal));
}

TEST_F(LooksTest, HoverAndPressedLooksReachOnlyTheWindowSoARepaintShowsTheNormalLook) {
  load();
  hooks.on_paint();
  EXPECT_TRUE(shows_itself(window(), {0, 0, 547, 176}, kNormal1));

  const Rect chup{452, 26, 472, 56};
  for (const auto& [look, tag] :
       {std::pair{look::kHover, kHover1}, std::pair{look::kPressed, kPressed1}}) {
    SCOPED_TRACE(look);
    hooks.draw_button(button::kChUp, look);
    EXPECT_TRUE(shows_itself(window(), chup, tag));
    EXPECT_TRUE(shows_itself(window(), {472, 26, 480, 56}, kNormal1)) << "beside the button";
    EXPECT_TRUE(shows_itself(surface(SurfaceRole::kNormal), {0, 0, 547, 176}, kNormal1));
    drawing.clear_records();
    hooks.other_message(platform::Message{platform::wm::kPaint, 0, 0});
    EXPECT_TRUE(shows_itself(window(), chup, kNormal1));
    EXPECT_LINES(drawing.calls(), "BeginPaint(Panel)", "EndPaint(Panel)");
    EXPECT_LINES(copies(), copy("panel", xywh(0, 0, 547, 176), "Panel", {0, 0}));
  }

  drawing.clear_records();
  for (const auto& [index, look] :
       {std::pair{-1, 0}, std::pair{48, 0}, std::pair{5, 3}, std::pair{5, -1}}) {
    hooks.draw_button(index, look);
  }
  EXPECT_TRUE(copies().empty()) << "indexes outside 0-47 and looks outside 0-2 draw nothing";
}

TEST_F(LooksTest, ButtonLooksAndTransportLooksFollowTheContentOffsetButLeftOpenDoesNot) {
  load();
  hooks.enter_wing_state(kSideWing);  // wing on the left: offset 96
  ASSERT_EQ(layout().content_offset, 96);
  drawing.clear_records();
  hooks.draw_button(button::kChUp, look::kHover);
  hooks.draw_button(button::kLeftOpen, look::kPressed);
  EXPECT_LINES(copies(), copy("panellorrover", xywh(548, 26, 20, 30), "Panel", {548, 26}),
               copy("panellorrbdown", xywh(0, 0, 18, 18), "Panel", {0, 0}));

  drawing.clear_records();
  hooks.show_transport(false, true);
  EXPECT_LINES(copies(), copy("panellorrover", xywh(321, 23, 31, 25), "Panel", {321, 23}),
               copy("panellorrover", xywh(321, 23, 31, 25), "panellorr", {321, 23}),
               copy("panellorrbdown", xywh(289, 23, 32, 25), "Panel", {289, 23}),
               copy("panellorrbdown", xywh(289, 23, 32, 25), "panellorr", {289, 23}),
               copy("panellorrover", xywh(258, 23, 31, 25), "Panel", {258, 23}),
               copy("panellorrover", xywh(258, 23, 31, 25), "panellorr", {258, 23}),
               copy("panellorrover", xywh(226, 23, 32, 25), "Panel", {226, 23}),
               copy("panellorrover", xywh(226, 23, 32, 25), "panellorr", {226, 23}),
               copy("panellorrover", xywh(352, 23, 32, 25), "Panel", {352, 23}),
               copy("panellorrover", xywh(352, 23, 32, 25), "panellorr", {352, 23}));
}

TEST_F(LooksTest, TransportLooksAreDimWhenInactiveAndShowPlayOrPauseLit) {
  struct Case {
    bool playing;
    bool active;
    int play, pause, others;
  };
  const Case cases[] = {
      {false, false, kPressed1, kPressed1, kPressed1},
      {true, false, kPressed1, kPressed1, kPressed1},
      {true, true, kPressed1, kHover1, kHover1},
      {false, true, kHover1, kPressed1, kHover1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "playing " << c.playing << ", active " << c.active);
    load();
    hooks.show_transport(c.playing, c.active);
    hooks.on_paint();
    const auto expect = [&](int index, int tag) {
      const Rect r = layout().button_rect(index);
      EXPECT_TRUE(shows_itself(surface(SurfaceRole::kNormal), r, tag)) << "button " << index;
      EXPECT_TRUE(shows_itself(window(), r, tag)) << "button " << index << " after a repaint";
    };
    expect(button::kPlay, c.play);
    expect(button::kPause, c.pause);
    for (int index : {button::kStop, button::kBack, button::kForward}) expect(index, c.others);
  }
}

TEST_F(LooksTest, MuteImagesGoIntoTheSurfacesSoRepaintsAndLooksKeepThem) {
  load();
  const Rect mute = layout().button_rect(button::kMute);  // 8, 50, 28 x 31
  for (const bool muted : {true, false}) {
    SCOPED_TRACE(muted ? "muted" : "sound on");
    const Point strip = muted ? Point{222, 39} : Point{222, 2};
    hooks.show_mute_images(muted);
    EXPECT_TRUE(shows(window(), mute, kSheet1, strip));
    EXPECT_TRUE(shows(surface(SurfaceRole::kNormal), mute, kSheet1, strip));
    EXPECT_TRUE(shows(surface(SurfaceRole::kPressed), mute, kSheet1, {strip.x + 28, strip.y}));
    EXPECT_TRUE(shows(surface(SurfaceRole::kHover), mute, kSheet1, {strip.x + 56, strip.y}));

    hooks.on_paint();
    EXPECT_TRUE(shows(window(), mute, kSheet1, strip)) << "after a repaint";
    hooks.draw_button(button::kMute, look::kHover);
    EXPECT_TRUE(shows(window(), mute, kSheet1, {strip.x + 56, strip.y})) << "hovered";
    hooks.draw_button(button::kMute, look::kPressed);
    EXPECT_TRUE(shows(window(), mute, kSheet1, {strip.x + 28, strip.y})) << "pressed";
  }
}

TEST_F(LooksTest, TooltipsHaveOneToolPerButtonAndARebuildReplacesTheControl) {
  skin_file().load("[1PANEL_BTN]\nIDS_CHUP=Next channel\n");
  load();
  hooks.enter_wing_state(kSideWing);
  hooks.build_tooltips();
  hooks.build_tooltips();

  ASSERT_TRUE(hooks.has_tooltips());
  const auto& controls = drawing.tooltip_controls();
  ASSERT_EQ(controls.size(), 2u);
  EXPECT_FALSE(controls[0].alive) << "the first control is destroyed by the rebuild";
  const platform::sim::TooltipControl* control = drawing.tooltip_control();
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->id, hooks.tooltip_control());
  EXPECT_EQ(control->delays, (platform::TooltipDelays{1000, 2500, 1000}));
  ASSERT_EQ(control->tools.size(), 48u);
  for (std::uint32_t i = 0; i < 48; ++i) {
    EXPECT_EQ(control->tools[i].id, i);
    EXPECT_EQ(control->tools[i].owner, panel);
  }
  EXPECT_EQ(control->tools[button::kChUp],
            (platform::TooltipTool{panel, button::kChUp, Rect{548, 26, 568, 56}, "Next channel"}));
  EXPECT_EQ(control->tools[button::kLeftOpen].rect, (Rect{0, 0, 18, 18})) << "no offset";
  EXPECT_EQ(control->tools[button::kMute].text, "Mute on/off");

  hooks.destroy_tooltips();
  EXPECT_FALSE(hooks.has_tooltips());
  EXPECT_EQ(drawing.tooltip_control(), nullptr);
}

TEST_F(LooksTest, PaintPutsTheChannelListBesideThePanel) {
  struct : platform::WindowHandler {
    std::optional<std::intptr_t> handle(platform::WindowId, const platform::Message&) override {
      return std::nullopt;
    }
  } handler;
  context.list_window =
      process.create_window({0, "ListClass", "List", 0, Rect{0, 0, 10, 10}, panel}, handler);
  skin_file().load("[Panel]\n1PANEL_LORR_X_OFFSET=7\n1PANEL_LORR_WIN_H=99\n");
  load();
  drawing.clear_records();
  hooks.paint_panel();
  EXPECT_LINES(drawing.calls(), "MoveWindow(List, 246, 572, 90x99, repaint)");
  EXPECT_LINES(copies(), copy("panel", xywh(0, 0, 547, 176), "Panel", {0, 0}));
}

TEST_F(LooksTest, ASkinWithoutAnyBitmapDrawsNothingAndNeverFails) {
  platform::sim::SimDrawing empty(desktop);
  SkinHooks bare(process.platform(), empty.drawing(), context);
  state().currentSource = core::source::kFmRadio;
  state().timeShift = true;
  bare.load_skin_layout();
  bare.load_skin_bitmaps(kClosedWing, 1);
  bare.on_paint();
  for (int i = 0; i < 48; ++i) {
    for (int l = 0; l < 3; ++l) bare.draw_button(i, l);
  }
  bare.show_transport(true, true);
  bare.show_mute_images(true);
  bare.show_channel_number(127);
  bare.show_fm_frequency(875, 4);
  bare.show_clock();
  bare.show_capture_time(3725);
  bare.show_file_size(1234);
  bare.show_record_lamp(true);
  bare.show_volume();
  bare.update_timeshift_scale();
  bare.refresh_panel();
  bare.enter_wing_state(kSideWing);
  bare.release_skin_bitmaps();
  EXPECT_TRUE(empty.copies().empty());
  const Image* picture = empty.window_image(panel);
  EXPECT_TRUE(picture == nullptr ||
              std::all_of(picture->pixels.begin(), picture->pixels.end(),
                          [](std::uint32_t p) { return p == platform::sim::kUnpainted; }));
}

}  // namespace
}  // namespace zel::skin::test
