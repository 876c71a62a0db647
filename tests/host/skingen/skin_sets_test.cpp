// The skin sets as the build renders them from skins/ into the Windows bin
// folder: the skin file reads back to the intended layouts, and the
// pictures hold what the panel copies out of them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "common/ini/ini_profile_store.h"
#include "panel/skin/content_offset.h"
#include "panel/skin/layout_reader.h"
#include "panel/skin/window_outline.h"
#include "panel/tuning/country_list.h"
#include "tests/host/skingen/bmp_file.h"
#include "tools/skingen/generator.h"

namespace zel::skingen::test {
namespace {

namespace fs = std::filesystem;
using skin::Readout;
using skin::WindowKey;

constexpr int kSets = 3;
constexpr int kStates[] = {skin::kClosedWing, skin::kDownWing, skin::kSideWing, skin::kAllWings};

struct Box {
  int x, y, w, h;
};

Box box_of(const platform::Rect& r) { return {r.left, r.top, r.width(), r.height()}; }

bool hit_by_polygon(const std::vector<platform::Point>& pts, double px, double py) {
  int winding = 0;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    const platform::Point& a = pts[i];
    const platform::Point& b = pts[(i + 1) % pts.size()];
    const double cross = (b.x - a.x) * (py - a.y) - (px - a.x) * (b.y - a.y);
    if (a.y <= py && b.y > py && cross > 0) ++winding;
    if (a.y > py && b.y <= py && cross < 0) --winding;
  }
  return winding != 0;
}

// Pixels that differ by enough to see: 16 or more in some channel.
int visibly_different(const Picture& a, const Picture& b, const Box& r) {
  int n = 0;
  for (int y = r.y; y < r.y + r.h; ++y) {
    for (int x = r.x; x < r.x + r.w; ++x) {
      const Rgb& p = a.at(x, y);
      const Rgb& q = b.at(x, y);
      const int d = std::max({std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
      if (d >= 16) ++n;
    }
  }
  return n;
}

bool same_pixels(const Picture& a, const Box& ra, const Picture& b, const Box& rb) {
  for (int y = 0; y < ra.h; ++y) {
    for (int x = 0; x < ra.w; ++x) {
      if (!(a.at(ra.x + x, ra.y + y) == b.at(rb.x + x, rb.y + y))) return false;
    }
  }
  return true;
}

std::string token(int index) { return std::string(skin::kButtons[index].token); }

class SkinSets : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    pictures_ = new std::map<std::string, Picture>;
    layouts_ = new std::map<std::pair<int, int>, skin::SkinLayout>;
  }
  static void TearDownTestSuite() {
    delete pictures_;
    delete layouts_;
  }
  void SetUp() override {
    ASSERT_TRUE(fs::exists(skin_file_path())) << skin_file_path() << " missing: build the skins target";
  }

  static fs::path folder() { return ZEL_SKIN_OUTPUT; }
  static std::string skin_file_path() { return (folder() / kSkinFileName).string(); }

  // The layout of a set as the panel reads it.
  static const skin::SkinLayout& layout(int set) { return state_layout(set, 0); }

  // The layout as the panel has it in wing state 1-4: down wing laid out,
  // content offset applied. State 0: as read.
  static const skin::SkinLayout& state_layout(int set, int state) {
    auto it = layouts_->find({set, state});
    if (it != layouts_->end()) return it->second;
    IniProfileStore file(skin_file_path());
    SkinSetView view(file, set);
    skin::SkinLayout l = skin::read_skin_layout(view);
    if (state != 0) {
      skin::read_down_wing_layout(view, set, state == skin::kDownWing || state == skin::kAllWings, l);
      skin::apply_content_offset(l, state);
    }
    return layouts_->emplace(std::pair{set, state}, std::move(l)).first->second;
  }

  static std::vector<platform::Point> outline(int set, int state) {
    IniProfileStore file(skin_file_path());
    return skin::read_window_outline(file, set, state);
  }

  // Look 0 normal, 1 hover, 2 pressed; the sheet for look -1.
  static const Picture& picture(int set, int state, int look) {
    const std::string name =
        look < 0 ? std::string(kSheetFileName) : state_bitmap_names(state)[static_cast<std::size_t>(look)];
    const std::string path = (folder() / skin_folder_name(set) / name).string();
    auto it = pictures_->find(path);
    if (it == pictures_->end()) {
      std::string error;
      auto p = read_bmp(path, &error);
      if (!p) ADD_FAILURE() << error;
      it = pictures_->emplace(path, p.value_or(Picture{})).first;
    }
    return it->second;
  }
  static const Picture& sheet(int set) { return picture(set, 1, -1); }

  static std::map<std::string, Picture>* pictures_;
  static std::map<std::pair<int, int>, skin::SkinLayout>* layouts_;
};

std::map<std::string, Picture>* SkinSets::pictures_ = nullptr;
std::map<std::pair<int, int>, skin::SkinLayout>* SkinSets::layouts_ = nullptr;

TEST_F(SkinSets, EveryBitmapHasTheSizeOfItsWingState) {
  for (int set = 1; set <= kSets; ++set) {
    const skin::SkinLayout& l = layout(set);
    for (int state : kStates) {
      const platform::Size size = *l.window_size(state);
      for (int look = 0; look < 3; ++look) {
        const Picture& p = picture(set, state, look);
        EXPECT_EQ(p.width, size.width) << "set " << set << " " << state_bitmap_names(state)[look];
        EXPECT_EQ(p.height, size.height) << "set " << set << " " << state_bitmap_names(state)[look];
      }
    }
    EXPECT_GT(sheet(set).width, 0) << "set " << set;
  }
}

TEST_F(SkinSets, SkinFileOffersThreeSetsStartingWithTheFirst) {
  IniProfileStore file(skin_file_path());
  EXPECT_EQ(file.read_int("Panel", "HavePanel", 0), 3);
  EXPECT_EQ(file.read_int("Panel", "PanelNow", 0), 1);
  EXPECT_EQ(layout(1).caption(skin::Caption::kIdsRecScheDialog), "Schedule Recording Settings");
}

TEST_F(SkinSets, FirstSetIsTheDefaultLayoutWithCountryNames) {
  const skin::SkinLayout& l = layout(1);
  const skin::SkinLayout d = skin::default_layout();
  EXPECT_EQ(l.window, d.window);
  EXPECT_EQ(l.buttons, d.buttons);
  EXPECT_EQ(l.readouts, d.readouts);
  EXPECT_EQ(l.captions, d.captions);
  for (int n = 1; n <= skin::kCountryNameCount; ++n) {
    const std::string_view expected = n <= kCountryCount ? country_at(n - 1)->name : std::string_view();
    EXPECT_EQ(l.country_name(n), expected) << "country key " << n;
  }
  // With the down wing open, its buttons sit where their keys' defaults say.
  skin::SkinLayout open = l;
  IniProfileStore file(skin_file_path());
  SkinSetView view(file, 1);
  skin::read_down_wing_layout(view, 1, true, open);
  for (int i : {skin::button::kEmail, skin::button::kListView, skin::button::kPaint, skin::button::kMovieEdit,
                skin::button::kDownClose}) {
    EXPECT_EQ(open.buttons[i].rect(), skin::kButtons[i].fallback) << token(i);
  }
}

TEST_F(SkinSets, EachSetExercisesItsOwnLayout) {
  struct Row {
    int set;
    int side;     // PANEL_LORR
    int upward;   // LCD_VOLBAR_LTOR_DTOU
    bool shaped;  // outline other than the window rectangle
  };
  const Row rows[] = {{1, 0, 0, false}, {2, 1, 0, false}, {3, 0, 1, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE("set " + std::to_string(row.set));
    const skin::SkinLayout& l = layout(row.set);
    EXPECT_EQ(l.value(WindowKey::kLorR), row.side);
    EXPECT_EQ(l.value(Readout::kLcdVolBarLtoRDtoU), row.upward);
    if (row.upward == 1) {
      EXPECT_GT(l.value(Readout::kLcdVolBarH), l.value(Readout::kLcdVolBarW));
    }
    for (int state : kStates) {
      const platform::Size size = *l.window_size(state);
      const std::vector<platform::Point> pts = outline(row.set, state);
      EXPECT_GE(pts.size(), 3u) << "state " << state;
      EXPECT_TRUE(skin::outline_encloses_area(pts)) << "state " << state;
      for (const platform::Point& p : pts) {
        EXPECT_TRUE(p.x >= 0 && p.x <= size.width && p.y >= 0 && p.y <= size.height)
            << "state " << state << ": point (" << p.x << ", " << p.y << ") outside " << size.width << " x "
            << size.height;
      }
      // Without a shape the outline is still given: the panel would keep the
      // previous set's shape for a set without one.
      const std::vector<platform::Point> rectangle = {
          {0, 0}, {size.width, 0}, {size.width, size.height}, {0, size.height}};
      if (row.shaped) {
        EXPECT_FALSE(hit_by_polygon(pts, 0.5, 0.5)) << "state " << state << ": top-left corner not cut";
        EXPECT_FALSE(hit_by_polygon(pts, size.width - 0.5, size.height - 0.5)) << "state " << state;
      } else {
        EXPECT_EQ(pts, rectangle) << "state " << state;
      }
    }
  }
}

TEST_F(SkinSets, ButtonsAndChannelListLieInsideTheWindow) {
  for (int set = 1; set <= kSets; ++set) {
    for (int state : kStates) {
      SCOPED_TRACE("set " + std::to_string(set) + " state " + std::to_string(state));
      const skin::SkinLayout& l = state_layout(set, state);
      const std::vector<platform::Point> pts = outline(set, state);
      auto inside = [&](const Box& b) {
        return hit_by_polygon(pts, b.x + 0.5, b.y + 0.5) && hit_by_polygon(pts, b.x + b.w - 0.5, b.y + 0.5) &&
               hit_by_polygon(pts, b.x + 0.5, b.y + b.h - 0.5) &&
               hit_by_polygon(pts, b.x + b.w - 0.5, b.y + b.h - 0.5);
      };
      for (int i = 0; i < static_cast<int>(skin::kButtonCount); ++i) {
        const Box b = box_of(l.button_rect(i));
        if (b.w > 1 && b.h > 1) {
          EXPECT_TRUE(inside(b)) << token(i);
        }
      }
      if (state != skin::kSideWing && state != skin::kAllWings) continue;
      // The channel-list window goes into the side wing, clear of the buttons.
      const Box list{l.value(WindowKey::kLorRXOffset), l.value(WindowKey::kLorRYOffset),
                     l.value(WindowKey::kLorRWinW), l.value(WindowKey::kLorRWinH)};
      const int main_w = l.value(WindowKey::kPanelW);
      const int wing_w = l.value(WindowKey::kOpenLeftListW) - main_w;
      const int wing_x = l.value(WindowKey::kLorR) == 1 ? main_w : 0;
      EXPECT_TRUE(list.x >= wing_x && list.x + list.w <= wing_x + wing_w) << "list window not in the wing";
      EXPECT_TRUE(inside(list));
      for (int i = 0; i < static_cast<int>(skin::kButtonCount); ++i) {
        const Box b = box_of(l.button_rect(i));
        const bool apart = b.x >= list.x + list.w || list.x >= b.x + b.w || b.y >= list.y + list.h ||
                           list.y >= b.y + b.h || b.w <= 1 || b.h <= 1;
        EXPECT_TRUE(apart) << token(i) << " under the channel-list window";
      }
    }
  }
}

TEST_F(SkinSets, EveryButtonLooksDifferentInEachOfItsThreeLooks) {
  for (int set = 1; set <= kSets; ++set) {
    for (int state : kStates) {
      const skin::SkinLayout& l = state_layout(set, state);
      const Picture& normal = picture(set, state, 0);
      const Picture& hover = picture(set, state, 1);
      const Picture& pressed = picture(set, state, 2);
      for (int i = 0; i < static_cast<int>(skin::kButtonCount); ++i) {
        const Box b = box_of(l.button_rect(i));
        if (b.w <= 1 || b.h <= 1) continue;  // never hit, never drawn
        const int enough = b.w * b.h / 10;
        const std::string where =
            "set " + std::to_string(set) + " state " + std::to_string(state) + " " + token(i);
        EXPECT_GE(visibly_different(normal, hover, b), enough) << where << ": normal and hover";
        EXPECT_GE(visibly_different(normal, pressed, b), enough) << where << ": normal and pressed";
        EXPECT_GE(visibly_different(hover, pressed, b), enough) << where << ": hover and pressed";
      }
    }
  }
}

// The panel copies the empty bar from the pressed picture and the lit part
// from the hover picture; every step of the fill must show.
TEST_F(SkinSets, BarsAreEmptyInThePressedPictureAndLitInTheHoverPicture) {
  for (int set = 1; set <= kSets; ++set) {
    for (int state : kStates) {
      const std::string where = "set " + std::to_string(set) + " state " + std::to_string(state);
      const skin::SkinLayout& l = state_layout(set, state);
      const Picture& hover = picture(set, state, 1);
      const Picture& pressed = picture(set, state, 2);
      const Box vol{l.value(Readout::kLcdVolBarX) + l.content_offset, l.value(Readout::kLcdVolBarY),
                    l.value(Readout::kLcdVolBarW), l.value(Readout::kLcdVolBarH)};
      const bool upward = l.value(Readout::kLcdVolBarLtoRDtoU) == 1;
      // Each step lights one more column (one more row when filling upward),
      // past the bar's two-pixel frame.
      const int steps = upward ? vol.h : vol.w;
      std::vector<int> unlit;
      for (int k = 2; k < steps - 2; ++k) {
        const Box slice = upward ? Box{vol.x, vol.y + k, vol.w, 1} : Box{vol.x + k, vol.y, 1, vol.h};
        if (visibly_different(hover, pressed, slice) == 0) unlit.push_back(k);
      }
      EXPECT_TRUE(unlit.empty()) << where << ": " << unlit.size() << " volume steps show nothing, the first "
                                 << unlit.front();
      // The track is placed without the content offset.
      const Box track{l.value(Readout::kTimeShiftPointX), l.value(Readout::kTimeShiftPointY),
                      l.value(Readout::kTimeShiftWidth), l.value(Readout::kTimeShiftHeight)};
      unlit.clear();
      for (int k = 1; k < track.w - 1; ++k) {
        if (visibly_different(hover, pressed, {track.x + k, track.y, 1, track.h}) == 0) unlit.push_back(k);
      }
      EXPECT_TRUE(unlit.empty()) << where << ": " << unlit.size()
                                 << " time-shift columns show nothing, the first " << unlit.front();
    }
  }
}

// show_mute_images puts the sheet's images on the mute button: for sound on
// they must be the button as every state's pictures show it.
TEST_F(SkinSets, MuteImagesAreTheMuteButtonOfEveryState) {
  for (int set = 1; set <= kSets; ++set) {
    const skin::SkinLayout& base = layout(set);
    const int w = base.value(Readout::kChangeBtnMuteOnW);
    const int h = base.value(Readout::kChangeBtnMuteOnH);
    const int look_of_image[] = {0, 2, 1};  // images: normal, pressed, hover
    for (int image = 0; image < 3; ++image) {
      const Box on{base.value(Readout::kChangeBtnMuteOnX) + image * w, base.value(Readout::kChangeBtnMuteOnY),
                   w, h};
      const Box off{base.value(Readout::kChangeBtnMuteOffX) + image * w,
                    base.value(Readout::kChangeBtnMuteOffY), w, h};
      int differing = 0;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          differing += sheet(set).at(on.x + x, on.y + y) == sheet(set).at(off.x + x, off.y + y) ? 0 : 1;
        }
      }
      EXPECT_GE(differing, w * h / 10)
          << "set " << set << ": muted image " << image << " like the sound-on one";
      for (int state : kStates) {
        const Box mute = box_of(state_layout(set, state).button_rect(skin::button::kMute));
        ASSERT_EQ(mute.w, w);
        ASSERT_EQ(mute.h, h);
        EXPECT_TRUE(same_pixels(sheet(set), on, picture(set, state, look_of_image[image]), mute))
            << "set " << set << " state " << state << ": sound-on image " << image;
      }
    }
  }
}

TEST_F(SkinSets, SheetHoldsEveryImageTheReadoutKeysPointAt) {
  struct Strip {
    const char* what;
    Readout x, y, w, h, pitch;
  };
  const Strip strips[] = {
      {"channel digits", Readout::kOsdNumForChX, Readout::kOsdNumForChY, Readout::kChNumW, Readout::kChNumH,
       Readout::kChNumW},
      {"FM digits", Readout::kFmNumX, Readout::kFmNumY, Readout::kFmNumW, Readout::kFmNumH, Readout::kFmNumW},
      {"clock digits", Readout::kLcdCurTimeX, Readout::kLcdCurTimeY, Readout::kLcdCurTimeW,
       Readout::kLcdCurTimeH, Readout::kLcdCurTimeOffset},
      {"capture digits", Readout::kLcdCapTimeX, Readout::kLcdCapTimeY, Readout::kLcdCapTimeW,
       Readout::kLcdCapTimeH, Readout::kLcdCapTimeOffset},
      {"file size digits", Readout::kLcdCapFileSizeX, Readout::kLcdCapFileSizeY, Readout::kLcdCapFileSizeW,
       Readout::kLcdCapFileSizeH, Readout::kLcdCapFileSizeOffset},
  };
  // Images of one kind, of one size: each must be in the sheet and differ
  // from the others.
  struct Kind {
    std::string what;
    std::vector<Box> boxes;
  };
  for (int set = 1; set <= kSets; ++set) {
    const skin::SkinLayout& l = layout(set);
    const auto v = [&](Readout r) { return l.value(r); };
    std::vector<Kind> kinds;
    for (const Strip& s : strips) {
      Kind k{s.what, {}};
      for (int d = 0; d < 10; ++d) k.boxes.push_back({v(s.x) + d * v(s.pitch), v(s.y), v(s.w), v(s.h)});
      kinds.push_back(k);
    }
    const int pw = v(Readout::kLcdChFmAvSvW);
    const int ph = v(Readout::kLcdChFmAvSvH);
    kinds.push_back({"plates",
                     {{v(Readout::kLcdChX), v(Readout::kLcdChY), pw, ph},
                      {v(Readout::kLcdFmFreqX), v(Readout::kLcdFmFreqY), pw, ph},
                      {v(Readout::kLcdAvSvX), v(Readout::kLcdAvSvY), pw, ph}}});
    const int lw = v(Readout::kLcdW);
    const int lh = v(Readout::kLcdH);
    kinds.push_back({"source lamps",
                     {{v(Readout::kLcdAirX), v(Readout::kLcdAirY), lw, lh},
                      {v(Readout::kLcdCableX), v(Readout::kLcdCableY), lw, lh},
                      {v(Readout::kLcdAvInX), v(Readout::kLcdAvInY), lw, lh},
                      {v(Readout::kLcdSVideoX), v(Readout::kLcdSVideoY), lw, lh},
                      {v(Readout::kLcdFmX), v(Readout::kLcdFmY), lw, lh}}});
    const int rw = v(Readout::kLcdRecStateW);
    const int rh = v(Readout::kLcdRecStateH);
    kinds.push_back({"record lamps",
                     {{v(Readout::kLcdRecStateOnX), v(Readout::kLcdRecStateOnY), rw, rh},
                      {v(Readout::kLcdRecStateOffX), v(Readout::kLcdRecStateOffY), rw, rh}}});
    kinds.push_back(
        {"knob",
         {{v(Readout::kSliPointX), v(Readout::kSliPointY), v(Readout::kSliPointW), v(Readout::kSliPointH)}}});
    Kind mute{"mute images", {}};
    for (int i = 0; i < 3; ++i) {
      mute.boxes.push_back({v(Readout::kChangeBtnMuteOnX) + i * v(Readout::kChangeBtnMuteOnW),
                            v(Readout::kChangeBtnMuteOnY), v(Readout::kChangeBtnMuteOnW),
                            v(Readout::kChangeBtnMuteOnH)});
      mute.boxes.push_back({v(Readout::kChangeBtnMuteOffX) + i * v(Readout::kChangeBtnMuteOffW),
                            v(Readout::kChangeBtnMuteOffY), v(Readout::kChangeBtnMuteOffW),
                            v(Readout::kChangeBtnMuteOffH)});
    }
    kinds.push_back(mute);
    const Picture& s = sheet(set);
    for (const Kind& k : kinds) {
      bool all_inside = true;
      for (std::size_t i = 0; i < k.boxes.size(); ++i) {
        const Box& b = k.boxes[i];
        const bool inside =
            b.x >= 0 && b.y >= 0 && b.w > 0 && b.h > 0 && b.x + b.w <= s.width && b.y + b.h <= s.height;
        EXPECT_TRUE(inside) << "set " << set << ": " << k.what << " " << i << " not inside the " << s.width
                            << " x " << s.height << " sheet";
        all_inside = all_inside && inside;
      }
      if (!all_inside) continue;
      for (std::size_t i = 0; i < k.boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < k.boxes.size(); ++j) {
          EXPECT_FALSE(same_pixels(s, k.boxes[i], s, k.boxes[j]))
              << "set " << set << ": " << k.what << " " << i << " and " << j << " are the same image";
        }
      }
    }
  }
}

// The build's output is what the description gives, byte for byte: it is
// up to date, and rendering is reproducible.
TEST_F(SkinSets, BuildOutputIsWhatTheDescriptionGives) {
  const fs::path again = fs::temp_directory_path() / ("skingen_test_" + std::to_string(::getpid()));
  std::vector<std::string> errors;
  ASSERT_TRUE(generate_skins(ZEL_SKIN_DESCRIPTION, again.string(), &errors));
  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(again)) {
    if (!entry.is_regular_file()) continue;
    const fs::path built = folder() / fs::relative(entry.path(), again);
    EXPECT_TRUE(file_bytes(entry.path().string()) == file_bytes(built.string())) << built;
    ++compared;
  }
  EXPECT_EQ(compared, 1 + kSets * 13);
  fs::remove_all(again);
}

}  // namespace
}  // namespace zel::skingen::test
