// Loading the layout: defaults, the per-set names, the down-wing step, and
// what happens to values a skin should not give.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "fake_skin_file.h"
#include "panel/skin/layout_reader.h"
#include "panel/skin/skin.h"
#include "skin_test_support.h"

namespace zel::skin {
namespace {

using test::FakeSkinFile;

struct ButtonExpectation {
  int index;
  ButtonRect rect;
  int command;
  const char* caption;
};

// The button table as the panel documents it, after a load without a file.
const ButtonExpectation kDefaultButtons[] = {
    {0, {522, 104, 13, 13}, 40100, "num"},  // NUM0
    {1, {506, 40, 13, 13}, 40101, "num"},  // NUM1
    {2, {506, 56, 13, 13}, 40102, "num"},  // NUM2
    {3, {506, 72, 13, 13}, 40103, "num"},  // NUM3
    {4, {506, 88, 13, 13}, 40104, "num"},  // NUM4
    {5, {506, 104, 13, 13}, 40105, "num"},  // NUM5
    {6, {522, 40, 13, 13}, 40106, "num"},  // NUM6
    {7, {522, 56, 13, 13}, 40107, "num"},  // NUM7
    {8, {522, 72, 13, 13}, 40108, "num"},  // NUM8
    {9, {522, 88, 13, 13}, 40109, "num"},  // NUM9
    {10, {36, 50, 31, 31}, 40005, "Volume Down"},  // VOLDOWN
    {11, {288, 50, 28, 31}, 40006, "Volume Up"},  // VOLUP
    {12, {343, 26, 20, 30}, 40007, "Channel down"},  // CHDOWN
    {13, {452, 26, 20, 30}, 40008, "Channel up"},  // CHUP
    {14, {8, 81, 59, 15}, 40319, "Air TV"},  // TVAIR
    {15, {67, 81, 63, 15}, 40319, "Cable"},  // CABLE
    {16, {130, 81, 63, 15}, 40319, "AV-in"},  // COMPOSITE
    {17, {193, 81, 63, 15}, 40319, "S-Video"},  // SVIDEO
    {18, {506, 120, 13, 13}, 40014, "Add"},  // ADD
    {19, {522, 120, 13, 13}, 40015, "delete"},  // DEC
    {20, {522, 9, 13, 13}, 40018, "Standby"},  // CLOSE
    {21, {506, 9, 13, 13}, 40009, "Minimize"},  // HIDEPANEL
    {22, {490, 9, 13, 13}, 40002, "About"},  // HELP
    {23, {36, 23, 31, 25}, 40016, "Record Start/Stop"},  // REC
    {24, {225, 23, 31, 25}, 40017, "PLAY"},  // PLAY
    {25, {256, 23, 32, 25}, 40029, "To Ending"},  // FORWARD
    {26, {130, 23, 32, 25}, 40030, "To Starting"},  // BACK
    {27, {193, 23, 32, 25}, 40031, "Pause"},  // PAUSE
    {28, {162, 23, 31, 25}, 40032, "Stop"},  // STOP
    {29, {67, 23, 32, 25}, 40038, "Time Shift Start /Stop"},  // STOPREC
    {30, {8, 50, 28, 31}, 40037, "Mute on/off"},  // MUTE
    {31, {256, 81, 63, 15}, 40039, "FM"},  // FM
    {32, {162, 99, 31, 18}, 40040, "Snapshot"},  // CAPTUE
    {33, {36, 99, 31, 18}, 40041, "Schedule Recording"},  // TIME
    {34, {193, 99, 32, 18}, 40042, "Multi-Channel Preview"},  // CH
    {35, {67, 99, 32, 18}, 40043, "Settings"},  // TOOL
    {36, {99, 99, 31, 18}, 40044, "Auto scan"},  // SCAN
    {37, {130, 99, 32, 18}, 40045, "Change Skin"},  // SKIN
    {38, {35, 135, 19, 20}, 40117, "Open/Close"},  // OPENPANEL
    {39, {0, 0, 0, 0}, 40118, "Send by E-Mail"},  // EMAIL
    {40, {0, 0, 0, 0}, 40119, "Change List View"},  // LISTVIEW
    {41, {0, 0, 0, 0}, 40120, "Paint"},  // PAINT
    {42, {0, 0, 0, 0}, 40121, "Play Movie"},  // MOVIEEDIT
    {43, {256, 99, 32, 18}, 40122, "Teletext"},  // TELETEXT
    {44, {225, 99, 31, 18}, 40123, "Audio setting"},  // STEREO
    {45, {0, 0, 18, 18}, 40316, "CH List"},  // LEFTOPEN
    {46, {138, 135, 87, 14}, 44001, "Website"},  // LOGOZENTAVIO
    {47, {0, 0, 1, 1}, 40117, "Close"},  // DOWNCLOSE
};

TEST(SkinLayoutLoad, WithoutSkinFileEverythingIsDefault) {
  FakeSkinFile no_file;
  Skin skin(no_file);
  const SkinLayout before_load = skin.layout();
  skin.load_skin_layout();
  const SkinLayout& layout = skin.layout();

  EXPECT_EQ(layout, before_load) << "the layout before the first load differs from no file";
  EXPECT_EQ(layout.skin_set, 1);
  EXPECT_EQ(layout.skin_sets, 1);
  EXPECT_EQ(layout.window_size(kClosedWing), (platform::Size{547, 176}));
  EXPECT_EQ(layout.window_size(kDownWing), (platform::Size{547, 356}));
  EXPECT_EQ(layout.window_size(kSideWing), (platform::Size{643, 176}));
  EXPECT_EQ(layout.window_size(kAllWings), (platform::Size{643, 356}));
  EXPECT_EQ(layout.window_size(0), std::nullopt);
  EXPECT_EQ(layout.value(WindowKey::kLorR), 0);
  EXPECT_EQ(layout.value(WindowKey::kLorRXOffset), 6);
  EXPECT_EQ(layout.value(WindowKey::kDownRepaintY), 128);
  EXPECT_EQ(layout.web_address, "");
  EXPECT_EQ(layout.content_offset, 0);

  ASSERT_EQ(std::size(kDefaultButtons), kButtonCount);
  for (const ButtonExpectation& want : kDefaultButtons) {
    SCOPED_TRACE("button " + std::to_string(want.index));
    const SkinButton& got = layout.buttons[static_cast<std::size_t>(want.index)];
    EXPECT_EQ(got.rect(), want.rect);
    EXPECT_EQ(got.enabled, 1);
    EXPECT_EQ(got.command, want.command);
    EXPECT_EQ(got.caption, want.caption);
  }

  struct {
    Readout id;
    int value;
  } const readouts[] = {
      {Readout::kOsdTunerFirstNumX, 423}, {Readout::kLcdTvChOffset, 11},
      {Readout::kLcdAvSvX, 143},          {Readout::kFmNum4X, 377},
      {Readout::kLcdSVideoY, 61},         {Readout::kLcdCurTimeOffset, 6},
      {Readout::kLcdCapSecX, 443},        {Readout::kLcdCapFileSize8X, 413},
      {Readout::kLcdRecStateOffX, 144},   {Readout::kChangeBtnMuteOffY, 39},
      {Readout::kLcdVolBarLtoRDtoU, 0},   {Readout::kLcdVolBarW, 220},
      {Readout::kTimeShiftWidth, 294},    {Readout::kSliPointY, 82},
  };
  for (const auto& want : readouts) {
    EXPECT_EQ(layout.value(want.id), want.value)
        << kReadouts[static_cast<std::size_t>(want.id)].key.name;
  }
  // Every readout and caption carries its key's default: the tables reach
  // the right fields.
  for (const ReadoutRow& row : kReadouts) {
    EXPECT_EQ(layout.value(row.id), row.key.fallback) << row.key.name;
  }
  for (const CaptionRow& row : kCaptions) {
    EXPECT_EQ(layout.caption(row.id), row.key.fallback) << row.key.name;
  }
  EXPECT_EQ(layout.caption(Caption::kBIdOk), "OK");
  EXPECT_NE(layout.caption(Caption::kIdcVision).find("3.00Beta"), std::string::npos);
  for (int number = 1; number <= kCountryNameCount; ++number) {
    EXPECT_EQ(layout.country_name(number), "") << number;
  }
}

TEST(SkinLayoutLoad, SkinSetTwoReadsItsOwnKeysAndSections) {
  FakeSkinFile file(R"(
[Panel]
PanelNow=2
HavePanel=3
1PANEL_W=111
PANEL_H=111
2PANEL_W=500
2panel_h=150
2PANEL_OPENLEFTLIST_W=620
2PANEL_LORR=1
2PANEL_HTTP=http://example.org/tv
[1PANEL_BTN]
BTN_CHUP_X=1
IDS_MUTE=set one
[2PANEL_BTN]
BTN_CHUP_X=400
BTN_LEFTOPEN_X=480
BTN_LEFTOPEN_Y=5
IDS_MUTE=Sound
LCD_VOLBAR_W=100
)");
  Skin skin(file);
  skin.load_skin_layout();
  const SkinLayout& layout = skin.layout();

  EXPECT_EQ(layout.skin_set, 2);
  EXPECT_EQ(layout.skin_sets, 3);
  EXPECT_EQ(layout.window_size(kClosedWing), (platform::Size{500, 150}));
  EXPECT_EQ(layout.window_size(kSideWing), (platform::Size{620, 176}));
  EXPECT_EQ(layout.value(WindowKey::kLorR), 1);
  EXPECT_EQ(layout.web_address, "http://example.org/tv");
  EXPECT_EQ(layout.buttons[button::kChUp].rect(), (ButtonRect{400, 26, 20, 30}));
  EXPECT_EQ(layout.buttons[button::kLeftOpen].rect(), (ButtonRect{480, 5, 18, 18}));
  EXPECT_EQ(layout.buttons[button::kMute].caption, "Sound");
  EXPECT_EQ(layout.value(Readout::kLcdVolBarW), 100);

  // The side wing opens on the right: the main area stays and only LEFTOPEN
  // moves, by PANEL_OPENLEFTLIST_W - PANEL_W.
  EXPECT_EQ(skin.apply_content_offset(kSideWing), 0);
  EXPECT_EQ(skin.layout().buttons[button::kLeftOpen].x, 600);
  EXPECT_TRUE(skin.button_hit(601, 6, button::kLeftOpen));
  EXPECT_FALSE(skin.button_hit(481, 6, button::kLeftOpen));
  EXPECT_TRUE(skin.button_hit(401, 27, button::kChUp));
  EXPECT_EQ(skin.apply_content_offset(kClosedWing), 0);
  EXPECT_EQ(skin.layout().buttons[button::kLeftOpen].x, 480);
}

TEST(SkinLayoutLoad, SetWithoutSectionsGivesTheDefaultsForThatNumber) {
  FakeSkinFile file("[Panel]\nPanelNow=7\nHavePanel=2\n1PANEL_W=300\n");
  Skin skin(file);
  skin.load_skin_layout();
  SkinLayout want = default_layout();
  want.skin_set = 7;
  want.skin_sets = 2;
  EXPECT_EQ(skin.layout(), want);
}

TEST(SkinLayoutLoad, DownWingButtonsWaitForTheDownWingStep) {
  FakeSkinFile file("[1PANEL_BTN]\nBTN_EMAIL_X=5\nBTN_DOWNCLOSE_W=40\nIDS_EMAIL=Mail it\n");
  Skin skin(file);
  skin.load_skin_layout();
  const SkinLayout& layout = skin.layout();
  for (int id : {button::kEmail, button::kListView, button::kPaint, button::kMovieEdit}) {
    EXPECT_EQ(layout.buttons[static_cast<std::size_t>(id)].rect(), ButtonRect{}) << id;
  }
  EXPECT_EQ(layout.buttons[button::kDownClose].rect(), (ButtonRect{0, 0, 1, 1}));
  EXPECT_EQ(layout.buttons[button::kEmail].caption, "Mail it");
  for (int id : {button::kEmail, button::kDownClose}) {
    for (int px = -1; px <= 2; ++px) {
      for (int py = -1; py <= 2; ++py) EXPECT_FALSE(layout.button_hit(px, py, id));
    }
  }
}

struct DownWingCase {
  const char* name;
  const char* file;
  int open;
  ButtonRect logo;
  ButtonRect open_panel;
  ButtonRect email;
  ButtonRect down_close;
};

const DownWingCase kDownWingCases[] = {
    {"open, no keys", "", 1, {138, 336, 87, 14}, {35, 135, 19, 20}, {66, 140, 63, 27},
     {50, 141, 17, 25}},
    {"open, move keys", "BTN_OPENPANELMOVE_X=40\nBTN_OPENPANELMOVE_H=9\nBTN_LOGOMOVE_Y=300\n", 1,
     {138, 300, 87, 14}, {40, 336, 19, 9}, {66, 140, 63, 27}, {50, 141, 17, 25}},
    {"open, move x 0 is like no move keys", "BTN_OPENPANELMOVE_X=0\nBTN_OPENPANELMOVE_Y=1\n", 1,
     {138, 336, 87, 14}, {35, 135, 19, 20}, {66, 140, 63, 27}, {50, 141, 17, 25}},
    {"open, own keys", "BTN_OPENPANEL_X=30\nBTN_EMAIL_W=70\nBTN_DOWNCLOSE_Y=150\n", 1,
     {138, 336, 87, 14}, {30, 135, 19, 20}, {66, 140, 70, 27}, {50, 150, 17, 25}},
    {"closed", "BTN_LOGOZENTAVIO_X=100\nBTN_LOGOZENTAVIO_W=50\nBTN_OPENPANELMOVE_X=40\n", 0,
     {100, 135, 50, 14}, {35, 135, 19, 20}, {}, {}},
};

TEST(SkinLayoutDownWing, PlacesTheDownWingButtons) {
  for (const DownWingCase& c : kDownWingCases) {
    SCOPED_TRACE(c.name);
    FakeSkinFile file(std::string("[1PANEL_BTN]\n") + c.file);
    Skin skin(file);
    skin.load_skin_layout();
    // Open first, so the closed case shows that it takes everything back.
    skin.apply_down_wing_layout(1);
    skin.apply_down_wing_layout(c.open);
    const SkinLayout& layout = skin.layout();
    EXPECT_EQ(layout.buttons[button::kLogo].rect(), c.logo);
    EXPECT_EQ(layout.buttons[button::kOpenPanel].rect(), c.open_panel);
    EXPECT_EQ(layout.buttons[button::kEmail].rect(), c.email);
    EXPECT_EQ(layout.buttons[button::kDownClose].rect(), c.down_close);
    for (int id : {button::kOpenPanel, button::kEmail, button::kDownClose}) {
      EXPECT_EQ(layout.buttons[static_cast<std::size_t>(id)].enabled, 1) << id;
    }
    EXPECT_EQ(layout.buttons[button::kOpenPanel].command, 40117);
  }
}

TEST(SkinLayoutDownWing, FollowsTheCurrentSetAndIgnoresOtherValues) {
  FakeSkinFile file("[2PANEL_BTN]\nBTN_LISTVIEW_X=7\nBTN_LOGOMOVE_X=9\n");
  Skin skin(file);
  skin.load_skin_layout();
  const SkinLayout loaded = skin.layout();

  file.put("Panel", "PanelNow", "2");
  skin.apply_down_wing_layout(5);
  SkinLayout want = loaded;
  want.skin_set = 2;
  EXPECT_EQ(skin.layout(), want) << "a value other than 0 or 1 only re-reads PanelNow";

  skin.apply_down_wing_layout(1);
  EXPECT_EQ(skin.layout().buttons[button::kListView].rect(), (ButtonRect{7, 140, 63, 27}));
  EXPECT_EQ(skin.layout().buttons[button::kLogo].x, 9);
}

TEST(SkinLayoutLoad, ValuesOutOfRangeAreClamped) {
  FakeSkinFile file(R"(
[Panel]
1PANEL_W=-5
1PANEL_H=99999999999
1PANEL_LORR=-3
1PANEL_LORR_X_OFFSET=-40000
[1PANEL_BTN]
BTN_VOLUP_W=-10
BTN_VOLUP_H=0
BTN_VOLUP_X=-2147483648
BTN_MUTE_X=abc
LCD_VOLBAR_H=-1
LCD_VOLBAR_LTOR_DTOU=7
LCD_TV_CH_OFFSET=-12
)");
  Skin skin(file);
  skin.load_skin_layout();
  const SkinLayout& layout = skin.layout();
  EXPECT_EQ(layout.window_size(kClosedWing), (platform::Size{0, kCoordinateLimit}));
  EXPECT_EQ(layout.value(WindowKey::kLorR), -3) << "a choice is kept as read";
  EXPECT_EQ(layout.value(WindowKey::kLorRXOffset), -kCoordinateLimit);
  EXPECT_EQ(layout.buttons[button::kVolUp].rect(), (ButtonRect{-kCoordinateLimit, 50, 0, 0}));
  EXPECT_EQ(layout.buttons[button::kMute].x, 0) << "a value without digits reads 0";
  EXPECT_EQ(layout.value(Readout::kLcdVolBarH), 0);
  EXPECT_EQ(layout.value(Readout::kLcdVolBarLtoRDtoU), 7);
  EXPECT_EQ(layout.value(Readout::kLcdTvChOffset), -12) << "a pitch may point either way";
}

// Every key of the tables at an extreme of 32 bits: the layout stays inside
// its ranges and no arithmetic on it overflows (the sanitizers watch).
TEST(SkinLayoutLoad, ExtremeValuesEverywhereStayInRange) {
  for (const char* extreme : {"2147483647", "-2147483648"}) {
    SCOPED_TRACE(extreme);
    FakeSkinFile file;
    file.put("Panel", "PanelNow", "1");
    for (const WindowKeyRow& row : kWindowKeys) {
      file.put("Panel", "1" + std::string(row.key.name), extreme);
    }
    for (const ButtonRow& row : kButtons) {
      for (Axis axis : kAxes) file.put("1PANEL_BTN", button_key(row.token, axis), extreme);
    }
    for (const ReadoutRow& row : kReadouts) file.put("1PANEL_BTN", row.key.name, extreme);
    file.put("1PANEL_BTN", "BTN_LOGOMOVE_X", extreme);
    file.put("1PANEL_BTN", "BTN_OPENPANELMOVE_X", extreme);

    Skin skin(file);
    for (const char* side : {extreme, "0", "1"}) {
      file.put("Panel", "1PANEL_LORR", side);
      skin.load_skin_layout();
      for (int open : {1, 0}) {
        skin.apply_down_wing_layout(open);
        for (int state = 0; state <= 5; ++state) {
          skin.apply_content_offset(state);
          for (int index = -1; index <= 48; ++index) {
            for (int p : {INT_MIN, -1, 0, 1, INT_MAX}) skin.button_hit(p, p, index);
            (void)skin.layout().button_rect(index);
          }
        }
      }
    }
    const SkinLayout& layout = skin.layout();
    for (const SkinButton& b : layout.buttons) {
      EXPECT_LE(std::abs(b.x), 2 * kCoordinateLimit);
      EXPECT_GE(b.width, 0);
      EXPECT_GE(b.height, 0);
    }
    for (const ReadoutRow& row : kReadouts) {
      if (row.key.range == Range::kAny) continue;
      EXPECT_LE(std::abs(layout.value(row.id)), kCoordinateLimit) << row.key.name;
      if (row.key.range == Range::kSize) {
        EXPECT_GE(layout.value(row.id), 0) << row.key.name;
      }
    }
  }
}

}  // namespace
}  // namespace zel::skin
