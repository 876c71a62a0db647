#pragma once
// Drawing on pictures: shapes as signed distance functions (negative inside,
// in pixels), anti-aliased by the distance at each pixel centre; opacity
// masks for labels and glows; gradients and deterministic noise.
#include <cstdint>
#include <functional>
#include <vector>

#include "tools/skingen/image.h"

namespace zel::skingen {

struct Vec {
  float x = 0;
  float y = 0;
};

// Distance from a point to the shape's edge, negative inside. Points are in
// picture coordinates; pixel (x, y) is sampled at (x + 0.5, y + 0.5).
using Sdf = std::function<float(Vec)>;

// The box spanning [x0, x1] x [y0, y1] with rounded corners.
Sdf round_box(float x0, float y0, float x1, float y1, float radius);
Sdf circle(Vec centre, float radius);
// A segment from a to b thickened by half_width on each side, round ends.
Sdf capsule(Vec a, Vec b, float half_width);
// A simple polygon (either winding).
Sdf polygon(std::vector<Vec> points);
Sdf shape_union(Sdf a, Sdf b);
Sdf shape_minus(Sdf a, Sdf b);
Sdf shape_intersection(Sdf a, Sdf b);
Sdf shifted(Sdf s, float dx, float dy);
// The same outline, grown (positive) or shrunk (negative) by `by` pixels.
Sdf grown(Sdf s, float by);

// How much of a pixel a shape covers, from the distance at its centre.
float coverage(float distance);

// Opacity per pixel, 0 to 1, over a width x height area.
class Mask {
 public:
  Mask() = default;
  Mask(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  float at(int x, int y) const;
  // Keeps the larger of the present and the new opacity.
  void raise(int x, int y, float v);
  // Raises every pixel of `bounds` to the shape's coverage.
  void draw(const Sdf& shape, Box bounds, float opacity = 1);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<float> values_;
};

// The mask blurred by a box filter of the given radius, applied twice.
Mask blurred(const Mask& m, int radius);

using Shade = std::function<Colour(int x, int y)>;

// Blends into the picture through the mask, the mask's (0, 0) at (ox, oy).
void paint(Image& img, const Mask& m, int ox, int oy, const Shade& colour, float opacity = 1);
void paint(Image& img, const Mask& m, int ox, int oy, Colour colour, float opacity = 1);

// Blends the shape's coverage of each pixel of `bounds` into the picture.
void fill_shape(Image& img, const Sdf& shape, Box bounds, const Shade& colour, float opacity = 1);
void fill_shape(Image& img, const Sdf& shape, Box bounds, Colour colour, float opacity = 1);
// Only the band between the outline and `width` pixels inside it.
void stroke_inside(Image& img, const Sdf& shape, Box bounds, float width, Colour colour, float opacity = 1);

// Colour along a vertical gradient from `top` at y0 to `bottom` at y1.
Colour vertical(Colour top, Colour bottom, float y, float y0, float y1);

// Noise in 0..1 that depends only on its arguments.
float noise(int x, int y, std::uint32_t seed);

}  // namespace zel::skingen
