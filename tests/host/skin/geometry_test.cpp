// Hit-testing and the content-offset rule.
#include <gtest/gtest.h>

#include <string>

#include "fake_skin_file.h"
#include "panel/skin/content_offset.h"
#include "panel/skin/layout_reader.h"
#include "panel/skin/skin.h"

namespace zel::skin {
namespace {

using test::FakeSkinFile;

struct HitCase {
  int px;
  int py;
  int index;
  bool hit;
};

// CHUP is (452, 26, 20, 30): inside are x 453..471 and y 27..55.
const HitCase kHitCases[] = {
    {452, 40, button::kChUp, false},  // left edge
    {453, 40, button::kChUp, true},
    {471, 40, button::kChUp, true},
    {472, 40, button::kChUp, false},  // x + width
    {460, 26, button::kChUp, false},  // top edge
    {460, 27, button::kChUp, true},
    {460, 55, button::kChUp, true},
    {460, 56, button::kChUp, false},  // y + height
    {453, 27, button::kChUp, true},   // corner just inside
    {-453, -27, button::kChUp, false},
    {460, 40, 48, false},  // no such button
    {460, 40, 255, false},
    {460, 40, -1, false},
    {1, 1, button::kDownClose, false},  // (0, 0, 1, 1) after a load
};

TEST(SkinGeometry, ButtonHitIsStrictlyInside) {
  const SkinLayout layout = default_layout();
  for (const HitCase& c : kHitCases) {
    EXPECT_EQ(layout.button_hit(c.px, c.py, c.index), c.hit)
        << "(" << c.px << ", " << c.py << ") button " << c.index;
  }
}

TEST(SkinGeometry, DisabledButtonIsNeverHit) {
  SkinLayout layout = default_layout();
  layout.buttons[button::kChUp].enabled = 0;
  EXPECT_FALSE(layout.button_hit(460, 40, button::kChUp));
}

// The window x range over which a button is hit, scanning a row of points.
std::pair<int, int> hit_range(const Skin& skin, int index, int py) {
  int first = -1;
  int last = -1;
  for (int px = -10; px < 800; ++px) {
    if (!skin.button_hit(px, py, index)) continue;
    if (first < 0) first = px;
    last = px;
  }
  return {first, last};
}

TEST(SkinGeometry, SideWingOnTheLeftMovesTheMainArea) {
  FakeSkinFile no_file;
  Skin skin(no_file);
  skin.load_skin_layout();
  EXPECT_EQ(hit_range(skin, button::kRec, 30), std::make_pair(37, 66));

  EXPECT_EQ(skin.apply_content_offset(kSideWing), 96);
  EXPECT_EQ(hit_range(skin, button::kChUp, 40), std::make_pair(549, 567));
  EXPECT_EQ(hit_range(skin, button::kRec, 30), std::make_pair(133, 162));
  EXPECT_EQ(hit_range(skin, button::kLeftOpen, 5), std::make_pair(1, 17))
      << "LEFTOPEN goes without the offset";
  EXPECT_EQ(skin.layout().buttons[button::kLeftOpen].x, 0);

  skin.load_skin_layout();
  EXPECT_EQ(skin.layout().content_offset, 96) << "loading leaves the offset alone";

  EXPECT_EQ(skin.apply_content_offset(kClosedWing), 0);
  EXPECT_EQ(hit_range(skin, button::kChUp, 40), std::make_pair(453, 471));
}

TEST(SkinGeometry, SideWingOnTheRightMovesOnlyLeftOpen) {
  FakeSkinFile file("[Panel]\n1PANEL_LORR=1\n");
  Skin skin(file);
  skin.load_skin_layout();

  EXPECT_EQ(skin.apply_content_offset(kSideWing), 0);
  EXPECT_EQ(skin.layout().buttons[button::kLeftOpen].x, 96);
  EXPECT_EQ(hit_range(skin, button::kLeftOpen, 5), std::make_pair(97, 113));
  EXPECT_EQ(hit_range(skin, button::kChUp, 40), std::make_pair(453, 471));

  // Entering the state again does not move it further; leaving moves it back
  // once.
  skin.apply_content_offset(kSideWing);
  EXPECT_EQ(skin.layout().buttons[button::kLeftOpen].x, 96);
  skin.apply_content_offset(kClosedWing);
  skin.apply_content_offset(kClosedWing);
  EXPECT_EQ(skin.layout().buttons[button::kLeftOpen].x, 0);

  // A reload in the open state reads x afresh and keeps the offset; applying
  // the rule again moves LEFTOPEN once.
  skin.apply_content_offset(kSideWing);
  skin.load_skin_layout();
  EXPECT_EQ(skin.layout().buttons[button::kLeftOpen].x, 0);
  skin.apply_content_offset(kSideWing);
  EXPECT_EQ(skin.layout().buttons[button::kLeftOpen].x, 96);
}

struct OffsetCase {
  const char* name;
  int lorr;
  int offset_before;
  int state;
  int offset;
  int left_open_x;
};

// With the defaults the wing is 643 - 547 = 96 wide.
const OffsetCase kOffsetCases[] = {
    {"left, all wings", 0, 0, kAllWings, 96, 0},
    {"left, down wing", 0, 96, kDownWing, 0, 0},
    {"right, all wings", 1, 0, kAllWings, 0, 96},
    {"right, from an offset", 1, 96, kSideWing, 0, 96},
    {"other side value keeps the offset", 2, 40, kSideWing, 40, 0},
    {"other side value, all wings", -1, 40, kAllWings, 40, 0},
    {"other side value, closing still resets", 2, 40, kClosedWing, 0, 0},
    {"unknown state changes nothing", 0, 40, 5, 40, 0},
    {"state 0 changes nothing", 1, 40, 0, 40, 0},
};

TEST(SkinGeometry, ContentOffsetRule) {
  for (const OffsetCase& c : kOffsetCases) {
    SCOPED_TRACE(c.name);
    FakeSkinFile file("[Panel]\n1PANEL_LORR=" + std::to_string(c.lorr) + "\n");
    Skin skin(file);
    skin.load_skin_layout();
    SkinLayout layout = skin.layout();
    layout.content_offset = c.offset_before;
    EXPECT_EQ(apply_content_offset(layout, c.state), c.offset);
    EXPECT_EQ(layout.content_offset, c.offset);
    EXPECT_EQ(layout.buttons[button::kLeftOpen].x, c.left_open_x);
  }
}

TEST(SkinGeometry, NarrowerWingGivesANegativeOffset) {
  FakeSkinFile file("[Panel]\n1PANEL_OPENLEFTLIST_W=500\n");
  Skin skin(file);
  skin.load_skin_layout();
  EXPECT_EQ(skin.apply_content_offset(kSideWing), -47);
  EXPECT_TRUE(skin.button_hit(453 - 47, 40, button::kChUp));
}

}  // namespace
}  // namespace zel::skin
