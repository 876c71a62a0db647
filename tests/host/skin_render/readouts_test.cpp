// The LCD readouts compared pixel by pixel with the sprite sheet and the bar
// pictures, their copy order, the clamps for values they cannot show, and
// skins whose sizes are zero or whose places lie outside the pictures.
#include <gtest/gtest.h>

#include <climits>

#include "panel/skin/readout_math.h"
#include "tests/host/skin_render/render_fixture.h"

namespace zel::skin::test {
namespace {

constexpr int kNormal1 = 1;
constexpr int kHover1 = 2;
constexpr int kPressed1 = 3;
constexpr int kSheet1 = 4;

class ReadoutsTest : public RenderTest {
 protected:
  ReadoutsTest() {
    put_skin_set(drawing, 1);
    load();
    drawing.clear_records();
  }

  // The window and the Normal surface show sheet digit `d` of a strip at
  // `origin` with `pitch` and `cell` at `at`.
  void expect_digit(Point at, Size cell, Point origin, int pitch, int d, const char* what) {
    const Rect where = Rect::from_origin(at, cell);
    const Point from{origin.x + d * pitch, origin.y};
    EXPECT_TRUE(shows(window(), where, kSheet1, from)) << what << " in the window";
    EXPECT_TRUE(shows(surface(SurfaceRole::kNormal), where, kSheet1, from)) << what << " in Normal";
  }
};

std::string cell(Point sheet, Size size, Point at, const char* to) {
  return copy("otherbmp", Rect::from_origin(sheet, size), to, at);
}

TEST_F(ReadoutsTest, ChannelDigitsUnitsFirstEachToTheWindowThenNormal) {
  hooks.show_channel_number(127);
  const Size c{9, 13};
  EXPECT_LINES(copies(), cell({148, 29}, c, {423, 36}, "Panel"),
               cell({148, 29}, c, {423, 36}, "panel"), cell({103, 29}, c, {412, 36}, "Panel"),
               cell({103, 29}, c, {412, 36}, "panel"), cell({94, 29}, c, {401, 36}, "Panel"),
               cell({94, 29}, c, {401, 36}, "panel"));

  struct Case {
    int channel;
    int digits[3];  // hundreds, tens, units
  };
  for (const Case& k : {Case{127, {1, 2, 7}}, Case{5, {0, 0, 5}}, Case{0, {0, 0, 0}},
                        Case{1234, {2, 3, 4}}, Case{-1, {0, 0, 0}}, Case{INT_MIN, {0, 0, 0}}}) {
    SCOPED_TRACE(k.channel);
    hooks.show_channel_number(k.channel);
    for (int i = 0; i < 3; ++i)
      expect_digit({401 + 11 * i, 36}, c, {85, 29}, 9, k.digits[i], "digit");
  }
}

TEST_F(ReadoutsTest, FmFrequencyRedrawsFromTheFirstChangedPlaceUpward) {
  hooks.show_fm_frequency(875, 1);
  const Size c{9, 13};
  EXPECT_LINES(copies(), copy("otherbmp", xywh(85, 15, 55, 13), "Panel", {377, 36}),
               copy("otherbmp", xywh(85, 15, 55, 13), "panel", {377, 36}),
               cell({148, 29}, c, {397, 36}, "Panel"), cell({148, 29}, c, {397, 36}, "panel"),
               cell({157, 29}, c, {387, 36}, "Panel"), cell({157, 29}, c, {387, 36}, "panel"),
               cell({85, 29}, c, {377, 36}, "Panel"), cell({85, 29}, c, {377, 36}, "panel"));
  // The units place (407) shows the plate, not a digit.
  EXPECT_TRUE(shows(window(), {407, 36, 416, 49}, kSheet1, {85 + 30, 15}));

  struct Case {
    int frequency;
    int first;
    int digits[4];  // thousands ... units
  };
  for (const Case& k :
       {Case{875, 4, {0, 8, 7, 5}}, Case{1080, 0, {1, 0, 8, 0}}, Case{960, 7, {0, 9, 6, 0}},
        Case{12345, 4, {2, 3, 4, 5}}, Case{-875, 4, {0, 0, 0, 0}}}) {
    SCOPED_TRACE(k.frequency);
    hooks.show_fm_frequency(k.frequency, k.first);
    for (int i = 0; i < 4; ++i)
      expect_digit({377 + 10 * i, 36}, c, {85, 29}, 9, k.digits[i], "digit");
  }
}

TEST_F(ReadoutsTest, PlatesLampsAndRecordLampComeFromTheirSheetPlaces) {
  struct Case {
    const char* what;
    void (SkinHooks::*show)(int);
    int value;
    Point sheet;
    Rect where;
  };
  const Case cases[] = {
      {"TV plate", &SkinHooks::show_plate, 1, {85, 1}, {377, 36, 432, 49}},
      {"FM plate", &SkinHooks::show_plate, 2, {85, 15}, {377, 36, 432, 49}},
      {"video plate", &SkinHooks::show_plate, 3, {143, 1}, {377, 36, 432, 49}},
      {"Air lamp", &SkinHooks::show_source_lamp, 1, {1, 1}, {397, 124, 479, 143}},
      {"Cable lamp", &SkinHooks::show_source_lamp, 2, {1, 21}, {397, 124, 479, 143}},
      {"AV-in lamp", &SkinHooks::show_source_lamp, 3, {1, 41}, {397, 124, 479, 143}},
      {"S-Video lamp", &SkinHooks::show_source_lamp, 4, {1, 61}, {397, 124, 479, 143}},
      {"FM lamp", &SkinHooks::show_source_lamp, 5, {1, 81}, {397, 124, 479, 143}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    (hooks.*c.show)(c.value);
    EXPECT_TRUE(shows(window(), c.where, kSheet1, c.sheet));
    EXPECT_TRUE(shows(surface(SurfaceRole::kNormal), c.where, kSheet1, c.sheet));
  }
  hooks.show_record_lamp(true);
  EXPECT_TRUE(shows(surface(SurfaceRole::kNormal), {340, 62, 395, 74}, kSheet1, {85, 65}));
  hooks.show_record_lamp(false);
  EXPECT_TRUE(shows(window(), {340, 62, 395, 74}, kSheet1, {144, 65}));

  drawing.clear_records();
  for (const int bad : {0, 4, -1}) hooks.show_plate(bad);
  for (const int bad : {0, 6, -1}) hooks.show_source_lamp(bad);
  EXPECT_TRUE(copies().empty());
}

// The six places of the clock and the capture clock, tens of hours first.
constexpr int kClockX[6] = {422, 430, 441, 449, 460, 468};
constexpr int kCaptureX[6] = {397, 405, 416, 424, 435, 443};

TEST_F(ReadoutsTest, ClockShowsLocalTimeSecondsFirstNormalBeforeTheWindow) {
  drawing.set_local_time({7, 5, 9});
  hooks.show_clock();
  const auto lines = copies();
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], cell({86 + 54, 46}, {6, 10}, {468, 63}, "panel"));
  EXPECT_EQ(lines[1], cell({86 + 54, 46}, {6, 10}, {468, 63}, "Panel"));
  EXPECT_EQ(lines[11], cell({86, 46}, {6, 10}, {422, 63}, "Panel"));
  const int digits[6] = {0, 7, 0, 5, 0, 9};
  for (int i = 0; i < 6; ++i)
    expect_digit({kClockX[i], 63}, {6, 10}, {86, 46}, 6, digits[i], "clock");
}

TEST_F(ReadoutsTest, CaptureTimeShowsTheLengthOrInTimeShiftTheWallClock) {
  struct Case {
    const char* what;
    bool time_shift;
    platform::LocalTime start;
    int seconds;
    int digits[6];
  };
  const Case cases[] = {
      {"3725 s", false, {}, 3725, {0, 1, 0, 2, 0, 5}},
      {"100 hours", false, {}, 360000, {9, 9, 0, 0, 0, 0}},
      {"99:59:59", false, {}, 359999, {9, 9, 5, 9, 5, 9}},
      {"negative", false, {}, -30, {0, 0, 0, 0, 0, 0}},
      {"across midnight", true, {23, 59, 50}, 20, {0, 0, 0, 0, 1, 0}},
      {"a day later", true, {12, 0, 0}, 86400 + 61, {1, 2, 0, 1, 0, 1}},
      {"negative in time shift", true, {10, 20, 30}, -5, {1, 0, 2, 0, 3, 0}},
      {"longest", true, {23, 59, 59}, INT_MAX, {0, 3, 1, 4, 0, 6}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state().timeShift = c.time_shift;
    state().timeShiftStartHour = c.start.hour;
    state().timeShiftStartMinute = c.start.minute;
    state().timeShiftStartSecond = c.start.second;
    drawing.clear_records();
    hooks.show_capture_time(c.seconds);
    ASSERT_EQ(copies().size(), 12u);
    EXPECT_EQ(copies()[0], cell({86 + 6 * c.digits[5], 46}, {6, 10}, {443, 110}, "panel"));
    for (int i = 0; i < 6; ++i) {
      expect_digit({kCaptureX[i], 110}, {6, 10}, {86, 46}, 6, c.digits[i], "capture time");
    }
  }
}

TEST_F(ReadoutsTest, FileSizeShowsEightPlacesUnitsFirst) {
  constexpr int kX[8] = {466, 455, 448, 441, 434, 427, 420, 413};  // units first
  hooks.show_file_size(1234);
  const auto lines = copies();
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[0], cell({86 + 24, 46}, {6, 10}, {466, 95}, "panel"));
  EXPECT_EQ(lines[1], cell({86 + 24, 46}, {6, 10}, {466, 95}, "Panel"));
  EXPECT_EQ(lines[15], cell({86, 46}, {6, 10}, {413, 95}, "Panel"));

  struct Case {
    int value;
    const char* digits;  // highest place first
  };
  for (const Case& c : {Case{1234, "00001234"}, Case{0, "00000000"}, Case{99999999, "99999999"},
                        Case{100000000, "99999999"}, Case{INT_MAX, "99999999"},
                        Case{-1, "00000000"}, Case{12345678, "12345678"}}) {
    SCOPED_TRACE(c.value);
    hooks.show_file_size(c.value);
    for (int k = 0; k < 8; ++k) {
      expect_digit({kX[k], 95}, {6, 10}, {86, 46}, 6, c.digits[7 - k] - '0', "file size");
    }
  }
}

TEST_F(ReadoutsTest, VolumeBarLightsItsShareFromTheLeftOrFromTheBottom) {
  struct Case {
    int direction;
    int volume;
    Rect lit;  // the rest of the bar 67, 50, 220 x 31 is empty
  };
  const Case cases[] = {
      {0, 0, {67, 50, 67, 81}},    {0, 220, {67, 50, 287, 81}}, {0, 128, {67, 50, 195, 81}},
      {0, -5, {67, 50, 67, 81}},   {0, 400, {67, 50, 287, 81}}, {1, 0, {67, 81, 287, 81}},
      {1, 220, {67, 50, 287, 81}}, {1, 110, {67, 66, 287, 81}}, {1, 221, {67, 50, 287, 81}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "direction " << c.direction << ", volume " << c.volume);
    skin_file().load("[1PANEL_BTN]\nLCD_VOLBAR_LTOR_DTOU=" + std::to_string(c.direction) + "\n");
    load();
    hooks.on_paint();
    state().volume = c.volume;
    hooks.show_volume();
    for (const Image* picture : {window(), surface(SurfaceRole::kNormal)}) {
      EXPECT_TRUE(shows_pixels(picture, {67, 50, 287, 81}, [&](int x, int y) {
        const bool lit = x >= c.lit.left && x < c.lit.right && y >= c.lit.top && y < c.lit.bottom;
        return pattern_pixel(lit ? kHover1 : kPressed1, x, y);
      }));
      EXPECT_TRUE(shows_itself(picture, {287, 50, 300, 81}, kNormal1)) << "right of the bar";
    }
  }

  skin_file().load("[1PANEL_BTN]\nLCD_VOLBAR_LTOR_DTOU=2\n");
  load();
  drawing.clear_records();
  hooks.show_volume();
  EXPECT_TRUE(copies().empty()) << "another direction draws nothing";
}

TEST(TimeShiftScale, FirstRowWhoseBoundTheElapsedUnitsDoNotExceed) {
  struct Case {
    std::int32_t elapsed, scale;
  };
  for (const Case c :
       {Case{0, 100}, Case{50, 100}, Case{51, 200}, Case{100, 200}, Case{101, 300}, Case{300, 600},
        Case{301, 1200}, Case{153600, 307200}, Case{153601, 614400}, Case{INT32_MAX, 614400}}) {
    EXPECT_EQ(time_shift_scale(c.elapsed), c.scale) << c.elapsed;
  }
  EXPECT_EQ(elapsed_units({23, 59, 0}, {0, 4, 0}), 50) << "past midnight";
  EXPECT_EQ(elapsed_units({10, 30, 0}, {10, 20, 0}), 0) << "a clock set back";
}

class TimeShiftBarTest : public ReadoutsTest {
 protected:
  static constexpr Rect kTrack{21, 10, 315, 19};  // 294 x 9, no content offset

  // Window and Normal: lit from the track start for `lit` pixels, the knob
  // at `knob`, the rest of the track empty.
  void expect_bar(int lit, std::optional<int> knob) {
    for (const Image* picture : {window(), surface(SurfaceRole::kNormal)}) {
      EXPECT_TRUE(shows_pixels(picture, kTrack, [&](int x, int y) {
        if (knob && x >= *knob && x < *knob + 10)
          return pattern_pixel(kSheet1, 86 + x - *knob, 82 + y - 10);
        return pattern_pixel(x < kTrack.left + lit ? kHover1 : kPressed1, x, y);
      }));
    }
  }
};

TEST_F(TimeShiftBarTest, ScaleGrowsWithTheRecordingAndTheKnobStaysInTheLitPart) {
  state().timeShift = true;
  state().timeShiftStartHour = 23;
  state().timeShiftStartMinute = 58;
  state().timeShiftStartSecond = 0;
  hooks.enter_wing_state(kSideWing);  // the bar ignores the content offset
  drawing.clear_records();

  drawing.set_local_time({0, 3, 0});  // five minutes: 50 units of a 100-unit scale
  hooks.set_knob_from_time(40);       // 21 + 294 * 40 / 100
  hooks.update_timeshift_scale();
  EXPECT_EQ(hooks.time_shift_bar().scale(), 100);
  EXPECT_EQ(hooks.time_shift_bar().knob(), 138);
  expect_bar(147, 138);
  EXPECT_LINES(copies(), copy("panellorrbdown", xywh(21, 10, 294, 9), "panellorr", {21, 10}),
               copy("panellorrbdown", xywh(21, 10, 294, 9), "Panel", {21, 10}),
               copy("panellorrbdown", xywh(21, 10, 294, 9), "panellorr", {21, 10}),
               copy("panellorrbdown", xywh(21, 10, 294, 9), "Panel", {21, 10}),
               copy("panellorrover", xywh(21, 10, 147, 9), "panellorr", {21, 10}),
               copy("panellorrover", xywh(21, 10, 147, 9), "Panel", {21, 10}),
               copy("otherbmp", xywh(86, 82, 10, 9), "panellorr", {138, 10}),
               copy("otherbmp", xywh(86, 82, 10, 9), "Panel", {138, 10}));

  hooks.set_knob_from_time(50);  // the end of the lit part
  hooks.update_timeshift_scale();
  EXPECT_EQ(hooks.time_shift_bar().knob(), 168);

  drawing.set_local_time({0, 3, 6});  // 51 units: the scale doubles, the share halves
  hooks.update_timeshift_scale();
  EXPECT_EQ(hooks.time_shift_bar().scale(), 200);
  EXPECT_EQ(hooks.time_shift_bar().knob(), 21 + 74 - 10) << "pulled back to end with the lit part";
  expect_bar(74, 85);
}

TEST_F(TimeShiftBarTest, KnobNeverLeavesTheTrackAndABadTotalLightsNothing) {
  state().timeShift = true;
  struct Case {
    const char* what;
    std::optional<std::int32_t> knob_units;  // placed before the drawing
    std::int32_t position, total;
    int lit, knob;
  };
  const Case cases[] = {
      {"knob before any placing", std::nullopt, 10, 100, 29, 21},
      {"negative knob time", -50, 100, 100, 294, 21},
      {"knob past the track", INT32_MAX, 100, 100, 294, 305},
      {"position past the total", 100, 500, 100, 294, 305},
      {"negative position", 0, -20, 100, 0, 21},
      {"total zero", 10, 10, 0, 0, 21},
      {"negative total", 10, 10, -100, 0, 21},
      {"share smaller than the knob", 0, 1, 100, 2, 21},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.knob_units) hooks.set_knob_from_time(*c.knob_units);
    hooks.show_timeshift_bar(c.position, c.total, false);
    EXPECT_EQ(hooks.time_shift_bar().knob(), c.knob);
    expect_bar(c.lit, c.knob);
  }

  hooks.show_timeshift_bar(50, 100, true);
  expect_bar(0, std::nullopt);
  state().timeShift = false;
  hooks.show_timeshift_bar(50, 100, false);
  expect_bar(0, std::nullopt);
}

TEST_F(ReadoutsTest, SkinsWithZeroSizesOrPlacesOutsideThePicturesReadNothingOutside) {
  // Zero cells and bars, a knob wider than its track, digit strips running
  // off the sheet, negative pitches and origins, places off the window.
  skin_file().load(
      "[1PANEL_BTN]\nCH_NUM_W=0\nFM_NUM_X=-500\nFM_NUM_W=40\nLCD_CUR_TIME_OFFSET=-40\n"
      "LCD_CAP_TIME_X=300\nLCD_CAP_TIME_OFFSET=32767\nLCD_CAPFILESIZE_H=0\n"
      "LCD_VOLBAR_W=0\nLCD_VOLBAR_H=0\nTIMESHIFTWIDTH=0\nSLIPOINT_W=50\nSLIPOINT_X=-32767\n"
      "LCD_W=32767\nLCD_H=32767\nLCD_AIR_X=-32767\nLCD_SOURCE_X=-32767\nCHANGE_BTN_MUTEON_W=32767\n"
      "LCD_CHFMAVSV_Y=32767\nOSD_TUNER_FIRSTNUM_X=32767\nLCD_TV_CH_OFFSET=-32767\n");
  load();
  drawing.clear_records();
  drawing.set_local_time({23, 59, 59});
  state().timeShift = true;
  state().volume = 220;
  hooks.show_channel_number(999);
  hooks.show_fm_frequency(9999, 4);
  hooks.show_clock();
  hooks.show_capture_time(359999);
  hooks.show_file_size(99999999);
  hooks.show_volume();
  hooks.show_mute_images(false);
  hooks.show_source_lamp(1);
  hooks.show_plate(2);
  hooks.set_knob_from_time(INT32_MAX);
  hooks.update_timeshift_scale();
  hooks.show_timeshift_bar(INT32_MAX, 1, false);
  for (const platform::sim::CopyRecord& c : drawing.copies()) {
    const Size bounds = c.from == "otherbmp" ? kSheetSize : Size{547, 176};
    EXPECT_TRUE(c.source.left >= 0 && c.source.top >= 0 && c.source.right <= bounds.width &&
                c.source.bottom <= bounds.height && c.source.left < c.source.right &&
                c.source.top < c.source.bottom)
        << copy_line(c);
  }
}

}  // namespace
}  // namespace zel::skin::test
