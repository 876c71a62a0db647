#include "tools/skingen/painter.h"

#include <algorithm>
#include <cmath>

#include "tools/skingen/font.h"

namespace zel::skingen {

namespace {

// Light falls from the top left.
constexpr Vec kTowardLight{-0.7071f, -0.7071f};

float luminance(Colour c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

int floor_div(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

Sdf box_shape(const Box& b, float radius) {
  return round_box(static_cast<float>(b.x), static_cast<float>(b.y), static_cast<float>(b.right()),
                   static_cast<float>(b.bottom()), radius);
}

float cov_at(const Sdf& s, int x, int y) { return coverage(s({x + 0.5f, y + 0.5f})); }

// Sets a pixel; pixels outside the picture are skipped.
void put(Image& img, int x, int y, Colour c) {
  if (img.bounds().contains(x, y)) img.at(x, y) = c;
}

// ---- body -------------------------------------------------------------------

Colour body_colour(const PaintJob& job, int x, int y) {
  const Look& look = job.set->look;
  const StateGeometry& g = *job.geometry;
  const int panel_h = g.main.h;
  Colour c;
  if (y < panel_h) {
    c = vertical(look.body_top, look.body_bottom, static_cast<float>(y), 0, static_cast<float>(panel_h));
  } else {
    c = darken(vertical(look.body_top, look.body_bottom, static_cast<float>(y - panel_h), 0,
                        static_cast<float>(g.height - panel_h)),
               0.08f);
  }
  if (!g.main.contains(x, y) && g.wing.contains(x, y)) c = darken(c, 0.07f);
  // The texture follows the main area, so that it lies the same under every
  // button whatever the content offset.
  const int lx = x - g.offset;
  float t = 0;
  switch (look.texture) {
    case Texture::kNone:
      break;
    case Texture::kBrushed: {
      constexpr int kStreak = 9;
      const int cell = floor_div(lx, kStreak);
      const float f = static_cast<float>(lx - cell * kStreak) / kStreak;
      const float streak = noise(cell, y, 11) * (1 - f) + noise(cell + 1, y, 11) * f;
      t = (noise(0, y, 7) - 0.5f) * 0.9f + (streak - 0.5f) * 0.7f + (noise(lx, y, 3) - 0.5f) * 0.3f;
      break;
    }
    case Texture::kGrain:
      t = (noise(lx, y, 5) - 0.5f) + (noise(floor_div(lx, 2), y / 2, 6) - 0.5f) * 0.5f;
      break;
  }
  const float k = t * look.texture_amount * 60;
  return {c.r + k, c.g + k, c.b + k};
}

// Lit and shaded bevel along the window's own edge, a dark rim outermost.
void shade_edges(Image& img, const Region& body, const Look& look) {
  constexpr int kReach = 3;
  // Rows and columns of pixels with something outside within reach: a
  // sliding window, first along rows, then down columns.
  const int w = img.width();
  const int h = img.height();
  std::vector<std::uint8_t> row_near(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
  auto cell = [w](std::vector<std::uint8_t>& v, int x, int y) -> std::uint8_t& {
    return v[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)];
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      for (int d = -kReach; d <= kReach && !cell(row_near, x, y); ++d)
        cell(row_near, x, y) = !body.at(x + d, y);
    }
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!body.at(x, y)) continue;
      bool near = y < kReach || y >= h - kReach;
      for (int d = -kReach; d <= kReach && !near; ++d) near = cell(row_near, x, y + d) != 0;
      if (!near) continue;
      float best = 1e9f;
      int bx = 0;
      int by = 0;
      for (int dy = -kReach; dy <= kReach; ++dy) {
        for (int dx = -kReach; dx <= kReach; ++dx) {
          if (body.at(x + dx, y + dy)) continue;
          const float d = std::hypot(static_cast<float>(dx), static_cast<float>(dy));
          if (d < best) {
            best = d;
            bx = dx;
            by = dy;
          }
        }
      }
      if (best > kReach) continue;
      if (best <= 1.0f) {
        img.blend(x, y, look.rim, 0.9f);
        continue;
      }
      const float facing = (bx * kTowardLight.x + by * kTowardLight.y) / best;
      const float strength = (kReach - best) / (kReach - 1);
      if (facing > 0) {
        img.blend(x, y, kWhite, 0.45f * facing * strength);
      } else {
        img.blend(x, y, kBlack, 0.4f * -facing * strength);
      }
    }
  }
}

// A groove where a wing meets the main area.
void draw_seams(Image& img, const PaintJob& job) {
  const StateGeometry& g = *job.geometry;
  const Region& body = *job.body;
  auto groove = [&](int x0, int y0, int x1, int y1, int dx, int dy) {
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        if (!body.at(x, y) || !body.at(x + dx, y + dy)) continue;
        img.blend(x, y, kBlack, 0.4f);
        img.blend(x + dx, y + dy, kWhite, 0.14f);
      }
    }
  };
  if (!g.wing.empty()) {
    const int xs = g.wing.x < g.main.x ? g.main.x - 1 : g.main.right() - 1;
    groove(xs, 0, xs + 1, g.wing.bottom(), 1, 0);
  }
  if (!g.drawer.empty()) {
    const int ys = g.main.bottom() - 1;
    groove(g.main.x, ys, g.main.right(), ys + 1, 0, 1);
  }
}

// A plate set into the body: its own fill, an inner shadow along the top and
// left, a dark lip above and a light lip below.
void recess(Image& img, const Box& b, float radius, Colour top, Colour bottom, float depth) {
  const Sdf s = box_shape(b, radius);
  const Sdf lip_light = shifted(s, 1, 1);
  const Sdf lip_dark = shifted(s, -1, -1);
  const Sdf shade1 = shifted(s, 1.0f, 1.5f);
  const Sdf shade2 = shifted(s, 2.0f, 3.0f);
  const Box area = intersected(b.inflated(2), img.bounds());
  for (int y = area.y; y < area.bottom(); ++y) {
    for (int x = area.x; x < area.right(); ++x) {
      const float in = cov_at(s, x, y);
      img.blend(x, y, kWhite, 0.2f * cov_at(lip_light, x, y) * (1 - in));
      img.blend(x, y, kBlack, 0.3f * cov_at(lip_dark, x, y) * (1 - in));
      if (in <= 0) continue;
      img.blend(x, y,
                vertical(top, bottom, static_cast<float>(y), static_cast<float>(b.y),
                         static_cast<float>(b.bottom())),
                in);
      img.blend(x, y, kBlack, 0.45f * depth * in * (1 - cov_at(shade1, x, y)));
      img.blend(x, y, kBlack, 0.15f * depth * in * (1 - cov_at(shade2, x, y)));
    }
  }
}

// Lettering printed on the body, with a one-pixel shadow (light print) or
// highlight (dark print) below it so that it reads on the texture.
void print_text(Image& img, int x, int y, Font font, std::string_view text, Colour colour, Colour ground,
                int stretch = 1, int spacing = 1) {
  Mask m(text_width(font, text, spacing), font_height(font) * stretch);
  draw_text(m, 0, 0, font, text, stretch, spacing);
  const bool light = luminance(colour) > luminance(ground);
  paint(img, m, x, y + 1, light ? kBlack : kWhite, light ? 0.45f : 0.35f);
  paint(img, m, x, y, colour);
}

// ---- readouts ---------------------------------------------------------------

void put_sprite(Image& img, const Image& sheet, const Box& from, const Box& to) {
  img.paste(sheet.crop({from.x, from.y, std::min(from.w, to.w), std::min(from.h, to.h)}), to.x, to.y);
}

void glass(Image& img, const Box& b, const Look& look) {
  recess(img, b.inflated(2), 3, darken(look.well_top, 0.35f), darken(look.well_bottom, 0.35f), 1);
  const Sdf s = box_shape(b, 1.5f);
  fill_shape(img, s, b, look.glass);
  const Sdf shade1 = shifted(s, 1.0f, 1.0f);
  const Sdf shade2 = shifted(s, 2.0f, 2.0f);
  for (int y = b.y; y < b.bottom(); ++y) {
    for (int x = b.x; x < b.right(); ++x) {
      const float in = cov_at(s, x, y);
      img.blend(x, y, kBlack, 0.5f * in * (1 - cov_at(shade1, x, y)));
      img.blend(x, y, kBlack, 0.2f * in * (1 - cov_at(shade2, x, y)));
    }
  }
}

// Everything drawn on the glass: the readouts and their lettering.
std::vector<Box> glass_contents(const StateGeometry& g, const SetDescription& set) {
  const ReadoutBoxes& r = g.readouts;
  std::vector<Box> out = {r.group(ReadoutGroup::kPlate),    r.record,
                          r.group(ReadoutGroup::kClock),    r.group(ReadoutGroup::kCapture),
                          r.group(ReadoutGroup::kFileSize), r.source};
  for (const auto& [name, text] : set.glass_labels) {
    if (const auto which = readout_group(name)) out.push_back(glass_label_box(r.group(*which), text));
  }
  return out;
}

// A dotted rule across the glass wherever a band between readouts is tall
// enough, as printed on the glass of a real display.
void divide_glass(Image& img, const Box& glass_box, const std::vector<Box>& contents, const Look& look) {
  constexpr int kBand = 8;
  const Box inner = glass_box.inflated(-4);
  int run = 0;
  for (int y = inner.y; y <= inner.bottom(); ++y) {
    bool clear = y < inner.bottom();
    for (const Box& c : contents) clear = clear && !c.intersects({inner.x, y, inner.w, 1});
    if (clear) {
      ++run;
      continue;
    }
    // Rules only between readouts, not along the glass's top or bottom.
    const bool between = run >= kBand && y - run > inner.y && y < inner.bottom();
    if (between) {
      const int ry = y - (run + 1) / 2;
      for (int x = inner.x + 2; x < inner.right() - 2; x += 2)
        img.at(x, ry) = mix(look.glass, look.glass_off, 0.8f);
    }
    run = 0;
  }
}

// Colons between hours, minutes and seconds where the digits leave a gap.
void draw_colons(Image& img, const std::vector<Box>& digits, const Look& look) {
  for (std::size_t i : {std::size_t{1}, std::size_t{3}}) {
    if (i + 1 >= digits.size()) continue;
    const Box& a = digits[i];
    const Box& b = digits[i + 1];
    // The last column of a digit cell stays empty.
    const int gap_left = a.right() - 1;
    if (b.x - gap_left < 2 || a.y != b.y) continue;
    const int x = gap_left + (b.x - gap_left) / 2;
    Mask m(1, a.h);
    m.raise(0, a.h * 3 / 10, 1);
    m.raise(0, a.h * 7 / 10, 1);
    if (look.glass_glow > 0) paint(img, blurred(m, 1), x, a.y, look.glass_on, look.glass_glow * 0.5f);
    paint(img, m, x, a.y, look.glass_on);
  }
}

Colour meter_colour(const Look& look, float level) {
  if (level < 0.6f) return mix(look.meter_low, look.meter_mid, level / 0.6f);
  return mix(look.meter_mid, look.meter_high, (level - 0.6f) / 0.4f);
}

// The volume bar: a wedge of segments that grows with the volume, lit or
// unlit. Every column (every row, for a bar filling upward) differs between
// the two, so each step of the volume shows.
void draw_meter(Image& img, const Box& b, bool upward, bool lit, const Look& look) {
  img.fill(b, look.glass);
  stroke_inside(img, box_shape(b, 1.5f), b, 1, darken(look.glass, 0.5f));
  const Box in{b.x + 2, b.y + 2, b.w - 4, b.h - 4};
  if (in.empty()) return;
  const int along = upward ? in.h : in.w;
  const int across = upward ? in.w : in.h;
  for (int i = 0; i < along; ++i) {
    const float level = static_cast<float>(i + 1) / static_cast<float>(along);
    const bool segment = i % 3 != 2;
    const int extent = std::max(2, static_cast<int>(std::lround(across * (0.3f + 0.7f * level))));
    const Colour on = meter_colour(look, level);
    for (int j = 0; j < extent; ++j) {
      // Columns of a bar filling to the right grow up from its bottom edge;
      // rows of a bar filling upward grow out from its middle.
      const int x = upward ? in.x + (in.w - extent) / 2 + j : in.x + i;
      const int y = upward ? in.bottom() - 1 - i : in.bottom() - 1 - j;
      if (segment) {
        put(img, x, y, lit ? on : look.glass_off);
      } else if (lit) {
        put(img, x, y, mix(look.glass, on, 0.3f));
      }
    }
  }
}

// The time-shift track: a groove, lit along its whole length in the hover
// picture.
void draw_track(Image& img, const Box& b, bool lit, const Look& look) {
  const Colour groove = darken(look.well_bottom, 0.45f);
  img.fill(b, groove);
  for (int x = b.x; x < b.right(); ++x) {
    put(img, x, b.y, darken(groove, 0.4f));
    put(img, x, b.bottom() - 1, lighten(groove, 0.12f));
  }
  if (b.h < 3) return;
  const float mid = (b.y + b.bottom() - 1) / 2.0f;
  for (int y = b.y + 1; y < b.bottom() - 1; ++y) {
    const float centre = 1 - std::abs(y - mid) / std::max(1.0f, (b.h - 2) / 2.0f);
    for (int x = b.x + 1; x < b.right() - 1; ++x) {
      const bool tick = (x - b.x) % std::max(1, (b.w - 1) / 10) == 0;
      Colour c;
      if (lit) {
        c = mix(darken(look.track_on, 0.35f), lighten(look.track_on, 0.35f), centre);
        if (tick) c = darken(c, 0.25f);
      } else {
        c = mix(groove, look.track_on, tick ? 0.25f : 0.04f + 0.1f * centre);
      }
      put(img, x, y, c);
    }
  }
}

void screen(Image& img, const Box& b, const Look& look) {
  recess(img, b.inflated(3), 3, darken(look.well_top, 0.25f), darken(look.well_bottom, 0.25f), 1);
  img.fill(b, look.screen);
}

// ---- buttons ----------------------------------------------------------------

float key_radius(const Box& r, const Look& look) {
  return std::min(static_cast<float>(look.key_radius), std::min(r.w, r.h) / 3.0f);
}

void paint_label(Image& img, const Box& key, const Sdf& face, const Label& label, LookKind kind, Colour text,
                 Colour accent, Colour face_colour, const Look& look) {
  const Box area = key_label_area(key, kind);
  const auto fit = fit_label(label, area.w, area.h);
  if (!fit) return;
  Mask plain(key.w, key.h);
  Mask marked(key.w, key.h);
  const Box local{area.x - key.x, area.y - key.y, area.w, area.h};
  draw_label(plain, label, *fit, local, LabelPart::kPlain);
  draw_label(marked, label, *fit, local, LabelPart::kAccent);
  // Keep everything on the face.
  Mask all(key.w, key.h);
  for (int y = 0; y < key.h; ++y) {
    for (int x = 0; x < key.w; ++x) all.raise(x, y, std::max(plain.at(x, y), marked.at(x, y)));
  }
  const bool light_text = luminance(text) > luminance(face_colour);
  const Colour emboss = light_text ? darken(face_colour, 0.6f) : lighten(face_colour, 0.7f);
  paint(img, all, key.x, key.y + 1, emboss, 0.55f);
  if (kind == LookKind::kHover) {
    const Mask glow = blurred(all, 1);
    for (int y = 0; y < key.h; ++y) {
      for (int x = 0; x < key.w; ++x) {
        const float a = glow.at(x, y) * cov_at(face, key.x + x, key.y + y);
        img.blend(key.x + x, key.y + y, look.key_lit, 0.7f * a);
      }
    }
  }
  paint(img, plain, key.x, key.y, text);
  paint(img, marked, key.x, key.y, accent);
}

void paint_key(Image& img, const Box& r, const Look& look, LookKind kind, const Label& label, bool muted) {
  const bool down = kind == LookKind::kPressed;
  const float rad = key_radius(r, look);
  const float x0 = r.x + 0.5f;
  const float x1 = r.right() - 0.5f;
  const float y0 = r.y + 0.5f + (down ? 1 : 0);
  const float y1 = r.bottom() - 1.5f + (down ? 1 : 0);
  const Sdf face = round_box(x0, y0, x1, y1, rad);
  if (!down) fill_shape(img, shifted(face, 0, 1), r, kBlack, 0.45f);
  Colour top = look.key_top;
  Colour bottom = look.key_bottom;
  Colour rim = look.key_rim;
  if (kind == LookKind::kHover) {
    top = mix(lighten(top, 0.1f), look.key_lit, 0.07f);
    bottom = mix(lighten(bottom, 0.1f), look.key_lit, 0.07f);
    rim = mix(rim, look.key_lit, 0.6f);
  } else if (down) {
    top = look.key_down_top;
    bottom = look.key_down_bottom;
  }
  fill_shape(img, face, r, [&](int, int y) { return vertical(top, bottom, static_cast<float>(y), y0, y1); });
  const Sdf inner = grown(face, -1);
  if (down) {
    fill_shape(img, shape_minus(inner, shifted(inner, 0, 1.5f)), r, kBlack, 0.35f);
  } else {
    fill_shape(img, shape_minus(inner, shifted(inner, 0, 1)), r, kWhite, 0.3f);
    fill_shape(img, shape_minus(inner, shifted(inner, 0, -1)), r, kBlack, 0.12f);
  }
  stroke_inside(img, face, r, 1, rim);
  Colour text = look.key_text;
  Colour accent = look.accent;
  if (kind == LookKind::kHover) {
    text = look.key_lit;
    accent = lighten(look.accent, 0.3f);
  } else if (down) {
    text = mix(look.key_text, top, 0.3f);
    accent = mix(look.accent, top, 0.3f);
  }
  if (muted) text = accent;
  paint_label(img, r, face, label, kind, text, accent, mix(top, bottom, 0.5f), look);
}

// Lettering on the body that lights up under the mouse (the logo).
void paint_wordmark(Image& img, const Box& r, const Look& look, LookKind kind, const Label& label) {
  if (!wordmark_fits(label, r)) return;
  const std::string& text = label.lines[0][0].text;
  const int stretch = std::max(1, (r.h - 1) / font_height(Font::kRegular));
  // Bold: every glyph drawn twice, one pixel apart, so one more pixel wide.
  const int glyphs = text_width(Font::kRegular, text, 0) + static_cast<int>(text.size());
  const int gaps = std::max<int>(1, static_cast<int>(text.size()) - 1);
  const int spacing = std::clamp((r.w - 6 - glyphs) / gaps, 1, 4);
  const int w = text_width(Font::kRegular, text, spacing + 1) + 1;
  const int h = font_height(Font::kRegular) * stretch;
  const int x = r.x + (r.w - w + 1) / 2;
  const int y = r.y + (r.h - h) / 2 + (kind == LookKind::kPressed ? 1 : 0);
  Mask m(w, h);
  draw_text(m, 0, 0, Font::kRegular, text, stretch, spacing + 1);
  draw_text(m, 1, 0, Font::kRegular, text, stretch, spacing + 1);
  switch (kind) {
    case LookKind::kNormal:
      paint(img, m, x, y + 1, luminance(look.print) > luminance(look.body_bottom) ? kBlack : kWhite, 0.4f);
      paint(img, m, x, y, [&](int, int py) {
        return vertical(lighten(look.print, 0.3f), darken(look.print, 0.15f), static_cast<float>(py),
                        static_cast<float>(y), static_cast<float>(y + h));
      });
      break;
    case LookKind::kHover:
      paint(img, blurred(m, 1), x, y, look.key_lit, 0.6f);
      paint(img, m, x, y, lighten(look.key_lit, 0.3f));
      break;
    case LookKind::kPressed:
      paint(img, m, x, y, mix(look.print, look.body_bottom, 0.45f));
      break;
  }
}

void paint_buttons(Image& img, const PaintJob& job, LookKind kind) {
  const StateGeometry& g = *job.geometry;
  for (std::size_t i = 0; i < skin::kButtonCount; ++i) {
    const Box& r = g.buttons[i];
    if (r.empty()) continue;
    const ButtonArt& art = (*job.buttons)[i];
    if (art.wordmark) {
      paint_wordmark(img, r, job.set->look, kind, art.label);
    } else {
      paint_key(img, r, job.set->look, kind, art.label, false);
    }
  }
}

Image paint_base(const PaintJob& job) {
  const SetDescription& set = *job.set;
  const Look& look = set.look;
  const StateGeometry& g = *job.geometry;
  const Region& body = *job.body;
  Image img(g.width, g.height, darken(look.rim, 0.5f));
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      if (body.at(x, y)) img.at(x, y) = body_colour(job, x, y);
    }
  }
  shade_edges(img, body, look);
  draw_seams(img, job);
  for (const Group& well : set.wells) {
    const Box b = group_box(g, well);
    if (!b.empty()) recess(img, b, static_cast<float>(look.well_radius), look.well_top, look.well_bottom, 1);
  }
  const ReadoutBoxes& r = g.readouts;
  recess(img, r.track.inflated(1), 2, darken(look.well_bottom, 0.4f), darken(look.well_bottom, 0.4f), 0.5f);
  draw_track(img, r.track, false, look);
  for (const Group& g2 : set.glasses) {
    const Box b = group_box(g, g2);
    if (b.empty()) continue;
    glass(img, b, look);
    divide_glass(img, b, glass_contents(g, set), look);
  }
  for (const auto& [name, text] : set.glass_labels) {
    const auto which = readout_group(name);
    if (!which) continue;
    const Box at = glass_label_box(r.group(*which), text);
    if (at.empty()) continue;
    Mask m(at.w, at.h);
    draw_text(m, 0, 0, Font::kSmall, text);
    paint(img, m, at.x, at.y, mix(look.glass_off, look.glass_on, 0.5f));
  }
  draw_colons(img, r.clock, look);
  draw_colons(img, r.capture, look);
  // The readouts as the panel first shows them.
  const SheetLayout& s = *job.sprites;
  put_sprite(img, *job.sheet, s.plates[0], r.plate);
  for (std::size_t k = 0; k < r.channel.size(); ++k)
    put_sprite(img, *job.sheet, s.channel[k == 0 ? 1 : 0], r.channel[k]);
  for (const Box& d : r.clock) put_sprite(img, *job.sheet, s.clock[0], d);
  for (const Box& d : r.capture) put_sprite(img, *job.sheet, s.capture[0], d);
  for (const Box& d : r.file_size) put_sprite(img, *job.sheet, s.file_size[0], d);
  put_sprite(img, *job.sheet, s.lamps[0], r.source);
  put_sprite(img, *job.sheet, s.record_off, r.record);
  draw_meter(img, r.volume, r.volume_upward, false, look);
  if (!g.list_window.empty()) {
    screen(img, g.list_window, look);
    if (!set.wing_label.empty()) {
      const int w = text_width(Font::kSmall, set.wing_label);
      print_text(img, g.list_window.x + (g.list_window.w - w) / 2, g.list_window.bottom() + 6, Font::kSmall,
                 set.wing_label, look.print, look.body_bottom);
    }
  }
  if (!g.file_list.empty()) {
    screen(img, g.file_list, look);
    if (!set.drawer_label.empty()) {
      const int w = text_width(Font::kSmall, set.drawer_label);
      print_text(img, g.file_list.x + (g.file_list.w - w) / 2, g.file_list.bottom() + 5, Font::kSmall,
                 set.drawer_label, look.print, look.body_bottom);
    }
  }
  for (const Lettering& t : set.lettering) {
    const Box at = lettering_box(t).moved(g.offset, 0);
    if (lettering_clear(g, set, at))
      print_text(img, at.x, at.y, t.font, t.text, look.print, look.body_bottom);
  }
  return img;
}

}  // namespace

Box key_label_area(const Box& key, LookKind look) {
  return {key.x + 2, key.y + 2 + (look == LookKind::kPressed ? 1 : 0), key.w - 4, key.h - 5};
}

bool wordmark_fits(const Label& label, const Box& key) {
  if (label.lines.size() != 1 || label.lines[0].size() != 1 || label.lines[0][0].icon) return false;
  const std::string& text = label.lines[0][0].text;
  // Bold, one pixel apart at the least.
  return font_has(Font::kRegular, text) && text_width(Font::kRegular, text, 2) + 1 <= key.w &&
         font_height(Font::kRegular) <= key.h;
}

Box lettering_box(const Lettering& t) {
  return {t.x, t.y, text_width(t.font, t.text), font_height(t.font) + 1};
}

bool lettering_clear(const StateGeometry& g, const SetDescription& set, const Box& at) {
  if (!g.main.contains(at)) return false;
  for (const Box& b : g.buttons) {
    if (b.intersects(at)) return false;
  }
  for (const auto* groups : {&set.wells, &set.glasses}) {
    for (const Group& group : *groups) {
      if (group_box(g, group).inflated(2).intersects(at)) return false;
    }
  }
  return true;
}

Box glass_label_box(const Box& readout, std::string_view text) {
  if (text.empty()) return {};
  const int w = text_width(Font::kSmall, text);
  const int h = font_height(Font::kSmall);
  return {readout.x - 4 - w, readout.y + (readout.h - h + 1) / 2, w, h};
}

StatePictures paint_state(const PaintJob& job, std::array<Image, 3>* muted) {
  const Image base = paint_base(job);
  StatePictures out{base, base, base};
  const ReadoutBoxes& r = job.geometry->readouts;
  draw_meter(out.hover, r.volume, r.volume_upward, true, job.set->look);
  draw_track(out.hover, r.track, true, job.set->look);
  paint_buttons(out.normal, job, LookKind::kNormal);
  paint_buttons(out.hover, job, LookKind::kHover);
  paint_buttons(out.pressed, job, LookKind::kPressed);
  if (muted != nullptr) {
    const Box& mute = job.geometry->buttons[skin::button::kMute];
    const LookKind kinds[] = {LookKind::kNormal, LookKind::kPressed, LookKind::kHover};
    for (std::size_t i = 0; i < 3; ++i) {
      Image img = base.crop(mute);
      paint_key(img, {0, 0, mute.w, mute.h}, job.set->look, kinds[i], *job.muted_label, true);
      (*muted)[i] = std::move(img);
    }
  }
  return out;
}

}  // namespace zel::skingen
