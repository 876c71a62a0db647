#include "tools/skingen/paint.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zel::skingen {

Sdf round_box(float x0, float y0, float x1, float y1, float radius) {
  const float cx = (x0 + x1) / 2;
  const float cy = (y0 + y1) / 2;
  const float r = std::clamp(radius, 0.0f, std::min(x1 - x0, y1 - y0) / 2);
  const float hx = (x1 - x0) / 2 - r;
  const float hy = (y1 - y0) / 2 - r;
  return [=](Vec p) {
    const float qx = std::abs(p.x - cx) - hx;
    const float qy = std::abs(p.y - cy) - hy;
    const float ox = std::max(qx, 0.0f);
    const float oy = std::max(qy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - r;
  };
}

Sdf circle(Vec centre, float radius) {
  return [=](Vec p) { return std::hypot(p.x - centre.x, p.y - centre.y) - radius; };
}

namespace {

float segment_distance(Vec p, Vec a, Vec b) {
  const float bx = b.x - a.x;
  const float by = b.y - a.y;
  const float len2 = bx * bx + by * by;
  float t = len2 > 0 ? ((p.x - a.x) * bx + (p.y - a.y) * by) / len2 : 0;
  t = std::clamp(t, 0.0f, 1.0f);
  return std::hypot(p.x - a.x - bx * t, p.y - a.y - by * t);
}

}  // namespace

Sdf capsule(Vec a, Vec b, float half_width) {
  return [=](Vec p) { return segment_distance(p, a, b) - half_width; };
}

Sdf polygon(std::vector<Vec> points) {
  return [pts = std::move(points)](Vec p) {
    float d = 1e9f;
    bool inside = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const Vec a = pts[j];
      const Vec b = pts[i];
      d = std::min(d, segment_distance(p, a, b));
      if ((b.y > p.y) != (a.y > p.y) && p.x < (a.x - b.x) * (p.y - b.y) / (a.y - b.y) + b.x) {
        inside = !inside;
      }
    }
    return inside ? -d : d;
  };
}

Sdf shape_union(Sdf a, Sdf b) {
  return [a = std::move(a), b = std::move(b)](Vec p) { return std::min(a(p), b(p)); };
}

Sdf shape_minus(Sdf a, Sdf b) {
  return [a = std::move(a), b = std::move(b)](Vec p) { return std::max(a(p), -b(p)); };
}

Sdf shape_intersection(Sdf a, Sdf b) {
  return [a = std::move(a), b = std::move(b)](Vec p) { return std::max(a(p), b(p)); };
}

Sdf shifted(Sdf s, float dx, float dy) {
  return [s = std::move(s), dx, dy](Vec p) { return s({p.x - dx, p.y - dy}); };
}

Sdf grown(Sdf s, float by) {
  return [s = std::move(s), by](Vec p) { return s(p) - by; };
}

float coverage(float distance) { return std::clamp(0.5f - distance, 0.0f, 1.0f); }

Mask::Mask(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      values_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0.0f) {}

float Mask::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return values_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)];
}

void Mask::raise(int x, int y, float v) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  float& slot =
      values_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
  slot = std::max(slot, std::clamp(v, 0.0f, 1.0f));
}

void Mask::draw(const Sdf& shape, Box bounds, float opacity) {
  const Box b = intersected(bounds, {0, 0, width_, height_});
  for (int y = b.y; y < b.bottom(); ++y) {
    for (int x = b.x; x < b.right(); ++x) {
      const float c = coverage(shape({x + 0.5f, y + 0.5f}));
      if (c > 0) raise(x, y, c * opacity);
    }
  }
}

namespace {

Mask box_blur(const Mask& m, int radius, bool horizontal) {
  Mask out(m.width(), m.height());
  const float n = static_cast<float>(2 * radius + 1);
  for (int y = 0; y < m.height(); ++y) {
    for (int x = 0; x < m.width(); ++x) {
      float sum = 0;
      for (int k = -radius; k <= radius; ++k) sum += horizontal ? m.at(x + k, y) : m.at(x, y + k);
      out.raise(x, y, sum / n);
    }
  }
  return out;
}

}  // namespace

Mask blurred(const Mask& m, int radius) {
  Mask out = m;
  for (int pass = 0; pass < 2; ++pass) {
    out = box_blur(out, radius, true);
    out = box_blur(out, radius, false);
  }
  return out;
}

void paint(Image& img, const Mask& m, int ox, int oy, const Shade& colour, float opacity) {
  for (int y = 0; y < m.height(); ++y) {
    for (int x = 0; x < m.width(); ++x) {
      const float a = m.at(x, y) * opacity;
      if (a > 0) img.blend(ox + x, oy + y, colour(ox + x, oy + y), a);
    }
  }
}

void paint(Image& img, const Mask& m, int ox, int oy, Colour colour, float opacity) {
  paint(
      img, m, ox, oy, [colour](int, int) { return colour; }, opacity);
}

void fill_shape(Image& img, const Sdf& shape, Box bounds, const Shade& colour, float opacity) {
  const Box b = intersected(bounds, img.bounds());
  for (int y = b.y; y < b.bottom(); ++y) {
    for (int x = b.x; x < b.right(); ++x) {
      const float c = coverage(shape({x + 0.5f, y + 0.5f}));
      if (c > 0) img.blend(x, y, colour(x, y), c * opacity);
    }
  }
}

void fill_shape(Image& img, const Sdf& shape, Box bounds, Colour colour, float opacity) {
  fill_shape(
      img, shape, bounds, [colour](int, int) { return colour; }, opacity);
}

void stroke_inside(Image& img, const Sdf& shape, Box bounds, float width, Colour colour, float opacity) {
  const Box b = intersected(bounds, img.bounds());
  for (int y = b.y; y < b.bottom(); ++y) {
    for (int x = b.x; x < b.right(); ++x) {
      const float d = shape({x + 0.5f, y + 0.5f});
      const float c = coverage(d) - coverage(d + width);
      if (c > 0) img.blend(x, y, colour, c * opacity);
    }
  }
}

Colour vertical(Colour top, Colour bottom, float y, float y0, float y1) {
  const float t = y1 > y0 ? std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f) : 0.0f;
  return mix(top, bottom, t);
}

float noise(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return static_cast<float>(h >> 8) / static_cast<float>(1u << 24);
}

}  // namespace zel::skingen
