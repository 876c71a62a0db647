#include "tools/skingen/lcd.h"

#include <array>
#include <string_view>

#include "tools/skingen/font.h"

namespace zel::skingen {

namespace {

// Segments a b c d e f g as bits 0-6.
constexpr std::array<unsigned, 10> kSegments = {
    0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
    0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111,
};

// The pixels of one segment in a glyph box of width gw and height h.
Mask segment(int index, int gw, int h) {
  Mask m(gw, h);
  const int t = h >= 12 ? 2 : 1;
  const int mid = (h - 1) / 2;
  auto row = [&](int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x) m.raise(x, y, 1);
  };
  auto col = [&](int x, int y0, int y1) {
    for (int y = y0; y < y1; ++y) m.raise(x, y, 1);
  };
  for (int k = 0; k < t; ++k) {
    switch (index) {
      case 0:
        row(k, 1 + k, gw - 1 - k);
        break;  // a
      case 1:
        col(gw - 1 - k, 1 + k, mid - k);
        break;  // b
      case 2:
        col(gw - 1 - k, mid + 1 + k, h - 1 - k);
        break;  // c
      case 3:
        row(h - 1 - k, 1 + k, gw - 1 - k);
        break;  // d
      case 4:
        col(k, mid + 1 + k, h - 1 - k);
        break;  // e
      case 5:
        col(k, 1 + k, mid - k);
        break;  // f
      case 6:   // g
        row(mid, 1, gw - 1);
        if (k > 0) {
          row(mid - k, 1 + k, gw - 1 - k);
          row(mid + k, 1 + k, gw - 1 - k);
        }
        break;
      default:
        break;
    }
  }
  return m;
}

// Lit lettering with the glass glow around it.
void light(Image& img, const Mask& m, int ox, int oy, Colour colour, const Look& look) {
  if (look.glass_glow > 0) paint(img, blurred(m, 1), ox, oy, colour, look.glass_glow);
  paint(img, m, ox, oy, colour);
}

void centred_text(Mask& m, const Box& area, Font font, std::string_view text) {
  draw_text(m, area.x + (area.w - text_width(font, text) + 1) / 2,
            area.y + (area.h - font_height(font) + 1) / 2, font, text);
}

}  // namespace

void draw_digit(Image& img, const Box& cell, int digit, const Look& look) {
  img.fill(cell, look.glass);
  const int gw = cell.w - 1;
  Mask ghost(gw, cell.h);
  Mask lit(cell.w, cell.h);
  for (int s = 0; s < 7; ++s) {
    const Mask seg = segment(s, gw, cell.h);
    const bool on = digit >= 0 && digit <= 9 && (kSegments[static_cast<std::size_t>(digit)] >> s & 1u);
    for (int y = 0; y < cell.h; ++y) {
      for (int x = 0; x < gw; ++x) (on ? lit : ghost).raise(x, y, seg.at(x, y));
    }
  }
  paint(img, ghost, cell.x, cell.y, look.glass_off);
  light(img, lit, cell.x, cell.y, look.glass_on, look);
}

void draw_plate(Image& img, const Box& plate, Plate kind, const std::vector<Box>& digits, const Look& look) {
  img.fill(plate, look.glass);
  Box used;
  for (const Box& d : digits) used = united(used, d);
  Mask m(plate.w, plate.h);
  switch (kind) {
    case Plate::kTv: {
      // "CH" in the room left of the digits.
      const Box room{0, 0, used.empty() ? plate.w : used.x - 1, plate.h};
      for (Font f : {Font::kRegular, Font::kSmall}) {
        if (text_width(f, "CH") <= room.w && font_height(f) <= room.h) {
          centred_text(m, room, f, "CH");
          break;
        }
      }
      break;
    }
    case Plate::kFm: {
      // "MHz" right of the digits, the decimal point in the gap before the units.
      const Box room{used.empty() ? 0 : used.right() + 1, 0, plate.w - (used.empty() ? 0 : used.right() + 1),
                     plate.h};
      if (text_width(Font::kRegular, "MHz") <= room.w) {
        centred_text(m, room, Font::kRegular, "MHz");
      } else if (text_width(Font::kSmall, "MHZ") <= room.w) {
        centred_text(m, room, Font::kSmall, "MHZ");
      }
      if (digits.size() >= 2) {
        const Box& tens = digits[digits.size() - 2];
        const Box& units = digits.back();
        if (units.x > tens.right() - 1) {
          const int x = tens.right() - 1 + (units.x - tens.right() + 1) / 2;
          for (int dy = 1; dy <= 2; ++dy) m.raise(x, tens.bottom() - dy, 1);
        }
      }
      break;
    }
    case Plate::kVideo:
      centred_text(m, {0, 0, plate.w, plate.h},
                   text_width(Font::kRegular, "VIDEO") <= plate.w ? Font::kRegular : Font::kSmall, "VIDEO");
      break;
  }
  light(img, m, plate.x, plate.y, look.glass_on, look);
}

void draw_source_lamp(Image& img, const Box& box, int source, const Look& look) {
  static constexpr std::array<std::string_view, 5> kNames = {"AIR TV", "CABLE", "AV-IN", "S-VIDEO",
                                                             "FM RADIO"};
  static constexpr std::array<std::string_view, 5> kShort = {"AIR", "CATV", "AV", "SV", "FM"};
  img.fill(box, look.glass);
  const std::size_t active = static_cast<std::size_t>(source - 1);
  // The name of the source in large letters, and below it the row of all
  // five with this one lit, as the segments of a real display would.
  Mask big(box.w, box.h);
  Mask lit_row(box.w, box.h);
  Mask ghost_row(box.w, box.h);
  const int row_h = font_height(Font::kSmall);
  const bool two_rows = box.h >= font_height(Font::kRegular) + row_h + 3;
  const int big_h = font_height(Font::kRegular);
  const int top = two_rows ? (box.h - big_h - row_h - 3 + 1) / 2 : (box.h - big_h + 1) / 2;
  if (active < kNames.size()) centred_text(big, {0, top, box.w, big_h}, Font::kRegular, kNames[active]);
  if (two_rows) {
    int total = 0;
    for (std::string_view n : kShort) total += text_width(Font::kSmall, n);
    const int gap = std::max(2, (box.w - 4 - total) / 4);
    int x = (box.w - total - 4 * gap + 1) / 2;
    for (std::size_t i = 0; i < kShort.size(); ++i) {
      draw_text(i == active ? lit_row : ghost_row, x, top + big_h + 3, Font::kSmall, kShort[i]);
      x += text_width(Font::kSmall, kShort[i]) + gap;
    }
  }
  paint(img, ghost_row, box.x, box.y, look.glass_off);
  light(img, big, box.x, box.y, look.glass_on, look);
  light(img, lit_row, box.x, box.y, look.glass_on, look);
}

void draw_record_lamp(Image& img, const Box& box, bool recording, const Look& look) {
  img.fill(box, look.glass);
  Mask m(box.w, box.h);
  const Font font = box.h >= 9 ? Font::kRegular : Font::kSmall;
  const int th = font_height(font);
  const float r = static_cast<float>(th) / 2;
  const int width = static_cast<int>(2 * r) + 3 + text_width(font, "REC");
  const int x = (box.w - width + 1) / 2;
  const int y = (box.h - th + 1) / 2;
  m.draw(circle({x + r, y + r}, r), {0, 0, box.w, box.h});
  draw_text(m, x + static_cast<int>(2 * r) + 3, y, font, "REC");
  if (recording) {
    light(img, m, box.x, box.y, look.accent, look);
  } else {
    paint(img, m, box.x, box.y, look.glass_off);
  }
}

void draw_knob(Image& img, const Box& box, const Look& look) {
  img.fill(box, look.track_on);
  const Sdf body = round_box(box.x + 0.5f, box.y + 0.5f, box.right() - 0.5f, box.bottom() - 0.5f, 2.5f);
  const Colour top = lighten(look.track_on, 0.85f);
  const Colour bottom = lighten(look.track_on, 0.35f);
  fill_shape(img, body, box, darken(look.track_on, 0.55f));
  fill_shape(img, grown(body, -1), box, [&](int, int y) {
    return vertical(top, bottom, static_cast<float>(y), static_cast<float>(box.y),
                    static_cast<float>(box.bottom()));
  });
  // A grip line down the middle.
  const int cx = box.x + box.w / 2;
  for (int y = box.y + 2; y < box.bottom() - 2; ++y) img.blend(cx, y, darken(look.track_on, 0.4f), 0.8f);
}

}  // namespace zel::skingen
