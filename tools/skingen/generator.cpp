#include "tools/skingen/generator.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

#include "common/ini/ini_profile_store.h"
#include "panel/skin/layout_reader.h"
#include "panel/skin/window_outline.h"
#include "tools/skingen/description.h"
#include "tools/skingen/geometry.h"
#include "tools/skingen/lcd.h"
#include "tools/skingen/outline.h"
#include "tools/skingen/painter.h"
#include "tools/skingen/skin_file.h"

namespace zel::skingen {

namespace {

namespace fs = std::filesystem;
using skin::WindowKey;

// The largest picture a skin may ask for, window or sheet, in either direction.
constexpr int kMaxPicture = 2048;

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string describe(const Box& b) {
  return "(" + std::to_string(b.x) + ", " + std::to_string(b.y) + ", " + std::to_string(b.w) + ", " +
         std::to_string(b.h) + ")";
}

// Everything worked out for one set before it is painted.
struct SetWork {
  const SetDescription* set = nullptr;
  std::int32_t n = 0;
  skin::SkinLayout layout;
  std::array<StateGeometry, 4> states;
  std::array<Region, 4> bodies;
  std::array<std::vector<platform::Point>, 4> outlines;
  SheetLayout sheet;
  std::array<ButtonArt, skin::kButtonCount> art;
  Label muted;
};

class Checker {
 public:
  Checker(std::vector<std::string>* errors, std::string where) : errors_(errors), where_(std::move(where)) {}
  void fail(const std::string& message) { errors_->push_back(where_ + ": " + message); }

 private:
  std::vector<std::string>* errors_;
  std::string where_;
};

void prepare_art(SetWork& w, Checker& check) {
  const SetDescription& set = *w.set;
  for (const skin::ButtonRow& row : skin::kButtons) {
    const std::string token(row.token);
    const auto label_text = set.labels.find(token);
    if (label_text == set.labels.end()) {
      check.fail("no label for button " + token);
      continue;
    }
    std::string why;
    if (auto label = parse_label(label_text->second, &why)) {
      w.art[static_cast<std::size_t>(row.id)].label = std::move(*label);
    } else {
      check.fail("label of " + token + ": " + why);
    }
    const auto style = set.styles.find(token);
    w.art[static_cast<std::size_t>(row.id)].wordmark =
        style != set.styles.end() && style->second == "wordmark";
  }
  for (const auto& [token, label_text] : set.labels) {
    const bool known =
        token == "MUTE.muted" || std::any_of(std::begin(skin::kButtons), std::end(skin::kButtons),
                                             [&](const skin::ButtonRow& r) { return r.token == token; });
    if (!known) check.fail("label for unknown button " + token);
  }
  const auto muted = set.labels.find("MUTE.muted");
  std::string why;
  if (muted == set.labels.end()) {
    check.fail("no label MUTE.muted for the mute button while muted");
  } else if (auto label = parse_label(muted->second, &why)) {
    w.muted = std::move(*label);
  } else {
    check.fail("label MUTE.muted: " + why);
  }
}

void check_groups(const SetWork& w, Checker& check) {
  const SetDescription& set = *w.set;
  auto members_known = [&](const Group& g) {
    for (const std::string& m : g.members) {
      const bool known = m.starts_with("@")
                             ? readout_group(m.substr(1)).has_value()
                             : std::any_of(std::begin(skin::kButtons), std::end(skin::kButtons),
                                           [&](const skin::ButtonRow& r) { return r.token == m; });
      if (!known) check.fail(g.where + ": unknown member " + m);
    }
  };
  for (const Group& g : set.wells) members_known(g);
  for (const Group& g : set.glasses) {
    members_known(g);
    // The glass's edge is shaded; readouts need flat glass under them.
    if (g.padding < 3) check.fail(g.where + ": glass needs a padding of at least 3");
  }
  for (const auto& [name, text] : set.glass_labels) {
    if (!readout_group(name)) check.fail("glass label for unknown readout " + name);
  }
}

void check_window_keys(const skin::SkinLayout& l, Checker& check) {
  const auto v = [&](WindowKey k) { return l.value(k); };
  if (v(WindowKey::kOpenListW) != v(WindowKey::kPanelW) ||
      v(WindowKey::kOpenLeftListH) != v(WindowKey::kPanelH) ||
      v(WindowKey::kOpenAllW) != v(WindowKey::kOpenLeftListW) ||
      v(WindowKey::kOpenAllH) != v(WindowKey::kOpenListH)) {
    check.fail("the wing states' sizes must agree: the down wing adds height only, the side wing width only");
  }
  if (v(WindowKey::kOpenLeftListW) <= v(WindowKey::kPanelW) ||
      v(WindowKey::kOpenListH) <= v(WindowKey::kPanelH)) {
    check.fail("each wing must add to the window");
  }
  if (v(WindowKey::kOpenAllW) > kMaxPicture || v(WindowKey::kOpenAllH) > kMaxPicture) {
    check.fail("the window may be at most " + std::to_string(kMaxPicture) + " pixels wide and high");
  }
  if (v(WindowKey::kLorR) != 0 && v(WindowKey::kLorR) != 1) check.fail("PANEL_LORR must be 0 or 1");
  const auto& mute = l.buttons[skin::button::kMute];
  for (auto [w, h] : {std::pair{skin::Readout::kChangeBtnMuteOnW, skin::Readout::kChangeBtnMuteOnH},
                      std::pair{skin::Readout::kChangeBtnMuteOffW, skin::Readout::kChangeBtnMuteOffH}}) {
    if (l.value(w) != mute.width || l.value(h) != mute.height) {
      check.fail("the mute images must be the size of the MUTE button");
    }
  }
}

void check_state(const SetWork& w, int state, Checker& check) {
  const StateGeometry& g = w.states[static_cast<std::size_t>(state - 1)];
  const Region& body = w.bodies[static_cast<std::size_t>(state - 1)];
  const std::string in = " in state " + std::to_string(state);
  struct Named {
    std::string name;
    Box box;
    int button = -1;
  };
  std::vector<Named> buttons;
  for (const skin::ButtonRow& row : skin::kButtons) {
    const Box& b = g.buttons[static_cast<std::size_t>(row.id)];
    if (!b.empty()) buttons.push_back({std::string(row.token), b, row.id});
  }
  const ReadoutBoxes& r = g.readouts;
  std::vector<Named> readouts = {{"@plate", r.group(ReadoutGroup::kPlate)},
                                 {"@record", r.record},
                                 {"@clock", r.group(ReadoutGroup::kClock)},
                                 {"@capture", r.group(ReadoutGroup::kCapture)},
                                 {"@filesize", r.group(ReadoutGroup::kFileSize)},
                                 {"@source", r.source},
                                 {"@volume", r.volume},
                                 {"@track", r.track}};
  std::vector<Named> windows;
  if (!g.list_window.empty()) windows.push_back({"the channel-list window", g.list_window});
  if (!g.file_list.empty()) windows.push_back({"the captured-file list window", g.file_list});

  for (const auto* list : {&buttons, &readouts, &windows}) {
    for (const Named& x : *list) {
      if (!body.covers(x.box)) check.fail(x.name + " " + describe(x.box) + " is not inside the window" + in);
    }
  }
  // Buttons may touch each other; nothing else may overlap.
  auto apart = [&](const std::vector<Named>& a, const std::vector<Named>& b, bool same) {
    for (std::size_t i = 0; i < a.size(); ++i) {
      for (std::size_t j = same ? i + 1 : 0; j < b.size(); ++j) {
        if (a[i].box.intersects(b[j].box)) check.fail(a[i].name + " overlaps " + b[j].name + in);
      }
    }
  };
  apart(readouts, readouts, true);
  apart(buttons, readouts, false);
  apart(windows, buttons, false);
  apart(windows, readouts, false);
  for (const Named& b : buttons) {
    const ButtonArt& art = w.art[static_cast<std::size_t>(b.button)];
    if (art.label.lines.empty()) continue;
    if (art.wordmark) {
      if (!wordmark_fits(art.label, b.box))
        check.fail("the wordmark of " + b.name + " is not one line of text that fits" + in);
      continue;
    }
    const Box area = key_label_area(b.box, LookKind::kNormal);
    if (!fit_label(art.label, area.w, area.h)) check.fail("the label of " + b.name + " does not fit" + in);
    if (b.button == skin::button::kMute && !fit_label(w.muted, area.w, area.h)) {
      check.fail("the label MUTE.muted does not fit" + in);
    }
  }
  for (const auto& [name, text] : w.set->glass_labels) {
    const auto which = readout_group(name);
    if (!which) continue;
    const Box at = glass_label_box(r.group(*which), text);
    const bool on_glass = std::any_of(w.set->glasses.begin(), w.set->glasses.end(), [&](const Group& gl) {
      return group_box(g, gl).inflated(-3).contains(at);
    });
    if (!on_glass) check.fail("glass label " + name + " does not fit on the glass" + in);
    for (const auto* list : {&buttons, &readouts}) {
      for (const Named& x : *list) {
        if (x.box.intersects(at)) check.fail("glass label " + name + " overlaps " + x.name + in);
      }
    }
  }
}

// Lettering may give way to the down wing's buttons, but the closed panel
// shows all of it.
void check_lettering(const SetWork& w, Checker& check) {
  for (const Lettering& t : w.set->lettering) {
    if (!lettering_clear(w.states[0], *w.set, lettering_box(t))) {
      check.fail("lettering \"" + t.text + "\" is not clear of the buttons and plates of the closed panel");
    }
  }
}

void check_sheet(const SheetLayout& sheet, Checker& check) {
  const std::vector<Sprite> sprites = sheet.sprites();
  const Box room{0, 0, kMaxPicture, kMaxPicture};
  for (const Sprite& s : sprites) {
    if (!room.contains(s.box)) check.fail(s.what + " " + describe(s.box) + " is not a place in the sheet");
  }
  for (std::size_t i = 0; i < sprites.size(); ++i) {
    for (std::size_t j = i + 1; j < sprites.size(); ++j) {
      const Sprite& a = sprites[i];
      const Sprite& b = sprites[j];
      if (!a.box.intersects(b.box)) continue;
      // Readouts may share a digit strip: the same digit in the same cell.
      const bool shared = a.kind == Sprite::Kind::kDigit && b.kind == Sprite::Kind::kDigit &&
                          a.variant == b.variant && a.box == b.box;
      if (!shared) check.fail("in the sheet, " + a.what + " overlaps " + b.what);
    }
  }
  for (const Sprite& s : sprites) {
    if (s.kind == Sprite::Kind::kDigit && (s.box.w < 5 || s.box.h < 7)) {
      check.fail(s.what + ": a digit cell needs at least 5 x 7 pixels");
    }
  }
}

Image render_sheet(const SetWork& w) {
  const std::vector<Sprite> sprites = w.sheet.sprites();
  Box all;
  for (const Sprite& s : sprites) all = united(all, s.box);
  const Look& look = w.set->look;
  Image sheet(all.right() + 2, all.bottom() + 2, look.glass);
  const StateGeometry& g = w.states[0];
  const ReadoutBoxes& r = g.readouts;
  auto relative = [&](const std::vector<Box>& digits) {
    std::vector<Box> out;
    for (const Box& d : digits) out.push_back(d.moved(-r.plate.x, -r.plate.y));
    return out;
  };
  for (const Sprite& s : sprites) {
    switch (s.kind) {
      case Sprite::Kind::kDigit:
        draw_digit(sheet, s.box, s.variant, look);
        break;
      case Sprite::Kind::kPlate:
        draw_plate(sheet, s.box, static_cast<Plate>(s.variant),
                   s.variant == 0   ? relative({r.channel.rbegin(), r.channel.rend()})
                   : s.variant == 1 ? relative(r.fm)
                                    : std::vector<Box>{},
                   look);
        break;
      case Sprite::Kind::kSourceLamp:
        draw_source_lamp(sheet, s.box, s.variant, look);
        break;
      case Sprite::Kind::kRecordLamp:
        draw_record_lamp(sheet, s.box, s.variant == 1, look);
        break;
      case Sprite::Kind::kKnob:
        draw_knob(sheet, s.box, look);
        break;
      case Sprite::Kind::kMute:
        break;  // cut from the panel's pictures once they are painted
    }
  }
  return sheet;
}

bool write_bitmap(const Image& img, const fs::path& path, std::vector<std::string>* errors) {
  if (write_file(path.string(), img.bmp_bytes())) return true;
  errors->push_back(path.string() + ": cannot be written");
  return false;
}

}  // namespace

std::string skin_folder_name(std::int32_t set) { return "panelbmp" + std::to_string(set); }

std::array<std::string, 3> state_bitmap_names(int state) {
  const skin::WingStateRow* row = skin::wing_state_row(state);
  if (row == nullptr) return {};
  const std::string base(row->bitmap_name);
  return {base + ".bmp", base + "over.bmp", base + "bdown.bmp"};
}

bool SkinSetView::is_panel_now(std::string_view section, std::string_view key) const {
  return same_name(section, skin::section_name(skin::Section::kPanel, set_)) &&
         same_name(key, skin::kPanelNow.name);
}

std::string SkinSetView::read_text(std::string_view section, std::string_view key,
                                   std::string_view default_text, std::size_t buffer_size) {
  if (is_panel_now(section, key))
    return std::to_string(set_).substr(0, buffer_size > 0 ? buffer_size - 1 : 0);
  return file_.read_text(section, key, default_text, buffer_size);
}

std::int32_t SkinSetView::read_int(std::string_view section, std::string_view key,
                                   std::int32_t default_value) {
  if (is_panel_now(section, key)) return set_;
  return file_.read_int(section, key, default_value);
}

bool generate_skins(const std::string& description_path, const std::string& out_folder,
                    std::vector<std::string>* errors) {
  const auto description = read_description(description_path, errors);
  if (!description) return false;
  const Description& d = *description;

  std::vector<SkinWrite> writes = panel_writes(d);
  for (std::size_t i = 0; i < d.sets.size(); ++i) {
    const auto more = set_writes(d.sets[i], static_cast<std::int32_t>(i + 1), errors);
    writes.insert(writes.end(), more.begin(), more.end());
  }
  if (!errors->empty()) return false;

  std::error_code ec;
  fs::create_directories(out_folder, ec);
  const fs::path ini_path = fs::path(out_folder) / kSkinFileName;
  fs::remove(ini_path, ec);
  IniProfileStore file(ini_path.string());
  if (!apply_writes(file, writes)) {
    errors->push_back(ini_path.string() + ": cannot be written");
    return false;
  }

  std::vector<SetWork> work(d.sets.size());
  std::vector<SkinWrite> outline_batch;
  for (std::size_t i = 0; i < d.sets.size(); ++i) {
    SetWork& w = work[i];
    w.set = &d.sets[i];
    w.n = static_cast<std::int32_t>(i + 1);
    Checker check(errors, w.set->file);
    SkinSetView view(file, w.n);
    w.layout = skin::read_skin_layout(view);
    check_window_keys(w.layout, check);
    prepare_art(w, check);
    check_groups(w, check);
    w.sheet = sheet_layout(w.layout);
    check_sheet(w.sheet, check);
    if (!errors->empty()) return false;
    for (int state = 1; state <= 4; ++state) {
      const std::size_t s = static_cast<std::size_t>(state - 1);
      w.states[s] = state_geometry(view, w.layout, state);
      const StateGeometry& g = w.states[s];
      if (w.set->shape.shaped) {
        std::string why;
        w.outlines[s] = trace_outline(body_region(w.set->shape, g), skin::kMaxOutlinePoints, &why);
        if (w.outlines[s].empty()) check.fail("the outline of state " + std::to_string(state) + ": " + why);
      } else {
        // Rectangular sets still give their outline: the panel keeps the
        // previous set's outline for a set that has none.
        w.outlines[s] = {{0, 0}, {g.width, 0}, {g.width, g.height}, {0, g.height}};
      }
      w.bodies[s] = polygon_region(w.outlines[s], g.width, g.height);
      check_state(w, state, check);
      if (state == skin::kClosedWing) check_lettering(w, check);
      const auto more = outline_writes(w.n, state, w.outlines[s]);
      outline_batch.insert(outline_batch.end(), more.begin(), more.end());
    }
  }
  if (!errors->empty()) return false;
  if (!apply_writes(file, outline_batch)) {
    errors->push_back(ini_path.string() + ": cannot be written");
    return false;
  }

  for (SetWork& w : work) {
    const fs::path folder = fs::path(out_folder) / skin_folder_name(w.n);
    fs::remove_all(folder, ec);
    fs::create_directories(folder, ec);
    Image sheet = render_sheet(w);
    for (int state = 1; state <= 4; ++state) {
      const std::size_t s = static_cast<std::size_t>(state - 1);
      PaintJob job;
      job.set = w.set;
      job.geometry = &w.states[s];
      job.body = &w.bodies[s];
      job.sheet = &sheet;
      job.sprites = &w.sheet;
      job.buttons = &w.art;
      job.muted_label = &w.muted;
      std::array<Image, 3> muted;
      const StatePictures pictures = paint_state(job, state == skin::kClosedWing ? &muted : nullptr);
      if (state == skin::kClosedWing) {
        // The mute images are the mute button as the closed panel shows it.
        const Box& mute = w.states[s].buttons[skin::button::kMute];
        const Image* looks[] = {&pictures.normal, &pictures.pressed, &pictures.hover};
        for (std::size_t k = 0; k < 3; ++k) {
          sheet.paste(looks[k]->crop(mute), w.sheet.mute_on[k].x, w.sheet.mute_on[k].y);
          sheet.paste(muted[k], w.sheet.mute_off[k].x, w.sheet.mute_off[k].y);
        }
      }
      const auto names = state_bitmap_names(state);
      const Image* images[] = {&pictures.normal, &pictures.hover, &pictures.pressed};
      for (std::size_t k = 0; k < 3; ++k) {
        if (!write_bitmap(*images[k], folder / names[k], errors)) return false;
      }
    }
    if (!write_bitmap(sheet, folder / kSheetFileName, errors)) return false;
  }
  return true;
}

}  // namespace zel::skingen
