#include "tools/skingen/icons.h"

#include <cmath>
#include <vector>

namespace zel::skingen {

namespace {

struct IconRow {
  std::string_view name;
  float aspect;  // width / height
};

constexpr IconRow kIcons[] = {
    {"play", 0.9f},    {"pause", 0.8f},    {"stop", 0.9f},  {"record", 1.0f}, {"back", 1.3f},
    {"forward", 1.3f}, {"up", 1.2f},       {"down", 1.2f},  {"power", 1.0f},  {"minimize", 1.0f},
    {"list", 1.1f},    {"speaker", 1.25f}, {"mute", 1.25f},
};

const IconRow* find(std::string_view name) {
  for (const IconRow& row : kIcons) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

// Shapes in icon units: u across (0..aspect), v down (0..1).
class Frame {
 public:
  Frame(float x, float y, float size) : x_(x), y_(y), s_(size) {}
  Vec at(float u, float v) const { return {x_ + u * s_, y_ + v * s_}; }
  float len(float units) const { return units * s_; }
  Sdf box(float u0, float v0, float u1, float v1, float r = 0) const {
    return round_box(x_ + u0 * s_, y_ + v0 * s_, x_ + u1 * s_, y_ + v1 * s_, r * s_);
  }
  Sdf poly(std::initializer_list<Vec> uv) const {
    std::vector<Vec> pts;
    for (Vec p : uv) pts.push_back(at(p.x, p.y));
    return polygon(std::move(pts));
  }

 private:
  float x_;
  float y_;
  float s_;
};

Sdf speaker(const Frame& f) {
  return shape_union(f.box(0.02f, 0.34f, 0.3f, 0.66f),
                     f.poly({{0.22f, 0.34f}, {0.62f, 0.04f}, {0.62f, 0.96f}, {0.22f, 0.66f}}));
}

Sdf shape_of(std::string_view name, const Frame& f) {
  if (name == "play") return f.poly({{0.1f, 0.0f}, {0.9f, 0.5f}, {0.1f, 1.0f}});
  if (name == "pause") return shape_union(f.box(0.05f, 0.0f, 0.32f, 1.0f), f.box(0.48f, 0.0f, 0.75f, 1.0f));
  if (name == "stop") return f.box(0.05f, 0.05f, 0.85f, 0.85f, 0.08f);
  if (name == "record") return circle(f.at(0.5f, 0.5f), f.len(0.48f));
  if (name == "back") {
    return shape_union(f.box(0.0f, 0.0f, 0.18f, 1.0f),
                       shape_union(f.poly({{0.74f, 0.0f}, {0.24f, 0.5f}, {0.74f, 1.0f}}),
                                   f.poly({{1.3f, 0.0f}, {0.8f, 0.5f}, {1.3f, 1.0f}})));
  }
  if (name == "forward") {
    return shape_union(f.box(1.12f, 0.0f, 1.3f, 1.0f),
                       shape_union(f.poly({{0.0f, 0.0f}, {0.5f, 0.5f}, {0.0f, 1.0f}}),
                                   f.poly({{0.56f, 0.0f}, {1.06f, 0.5f}, {0.56f, 1.0f}})));
  }
  if (name == "up") return f.poly({{0.0f, 0.85f}, {0.6f, 0.15f}, {1.2f, 0.85f}});
  if (name == "down") return f.poly({{0.0f, 0.15f}, {0.6f, 0.85f}, {1.2f, 0.15f}});
  if (name == "power") {
    const Vec c = f.at(0.5f, 0.56f);
    const Sdf ring = shape_minus(circle(c, f.len(0.44f)), circle(c, f.len(0.3f)));
    const Sdf gap = f.poly({{0.5f, 0.56f}, {0.12f, -0.1f}, {0.88f, -0.1f}});
    return shape_union(shape_minus(ring, gap), capsule(f.at(0.5f, 0.04f), f.at(0.5f, 0.5f), f.len(0.08f)));
  }
  if (name == "minimize") return f.box(0.1f, 0.66f, 0.9f, 0.92f);
  if (name == "list") {
    return shape_union(f.box(0.05f, 0.08f, 1.05f, 0.26f),
                       shape_union(f.box(0.05f, 0.41f, 1.05f, 0.59f), f.box(0.05f, 0.74f, 1.05f, 0.92f)));
  }
  if (name == "speaker") {
    const Vec c = f.at(0.62f, 0.5f);
    const Sdf wave = shape_intersection(shape_minus(circle(c, f.len(0.5f)), circle(c, f.len(0.38f))),
                                        f.box(0.75f, 0.0f, 1.25f, 1.0f));
    const Sdf wave2 = shape_intersection(shape_minus(circle(c, f.len(0.28f)), circle(c, f.len(0.17f))),
                                         f.box(0.72f, 0.0f, 1.25f, 1.0f));
    return shape_union(speaker(f), shape_union(wave, wave2));
  }
  if (name == "mute") {
    const Sdf cross = shape_union(capsule(f.at(0.78f, 0.3f), f.at(1.18f, 0.7f), f.len(0.07f)),
                                  capsule(f.at(0.78f, 0.7f), f.at(1.18f, 0.3f), f.len(0.07f)));
    return shape_union(speaker(f), cross);
  }
  return [](Vec) { return 1e9f; };
}

}  // namespace

bool icon_known(std::string_view name) { return find(name) != nullptr; }

float icon_width(std::string_view name, float size) {
  const IconRow* row = find(name);
  return row == nullptr ? 0 : row->aspect * size;
}

void draw_icon(Mask& mask, std::string_view name, float x, float y, float size) {
  if (find(name) == nullptr) return;
  const Frame frame(x, y, size);
  const Box bounds{static_cast<int>(std::floor(x)) - 2, static_cast<int>(std::floor(y)) - 2,
                   static_cast<int>(std::ceil(icon_width(name, size))) + 4,
                   static_cast<int>(std::ceil(size)) + 4};
  mask.draw(shape_of(name, frame), bounds);
}

}  // namespace zel::skingen
