#pragma once
// Pictures as the generator paints them: RGB in floating point (0-255 per
// channel, so that blends do not band), written out as 24-bit BMP files.
#include <cstdint>
#include <string>
#include <vector>

namespace zel::skingen {

struct Colour {
  float r = 0;
  float g = 0;
  float b = 0;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};

// a + (b - a) * t, t in 0..1.
Colour mix(Colour a, Colour b, float t);
inline Colour lighten(Colour c, float t) { return mix(c, kWhite, t); }
inline Colour darken(Colour c, float t) { return mix(c, kBlack, t); }

// A rectangle of pixels: x, y the top-left pixel, w, h its size.
struct Box {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;

  int right() const { return x + w; }
  int bottom() const { return y + h; }
  bool empty() const { return w <= 0 || h <= 0; }
  bool contains(int px, int py) const { return px >= x && px < right() && py >= y && py < bottom(); }
  bool contains(const Box& o) const {
    return !o.empty() && o.x >= x && o.y >= y && o.right() <= right() && o.bottom() <= bottom();
  }
  bool intersects(const Box& o) const {
    return !empty() && !o.empty() && o.x < right() && x < o.right() && o.y < bottom() && y < o.bottom();
  }
  Box inflated(int by) const { return {x - by, y - by, w + 2 * by, h + 2 * by}; }
  Box moved(int dx, int dy) const { return {x + dx, y + dy, w, h}; }
  friend bool operator==(const Box&, const Box&) = default;
};

// The smallest box holding both; an empty box holds nothing.
Box united(const Box& a, const Box& b);
Box intersected(const Box& a, const Box& b);

class Image {
 public:
  Image() = default;
  Image(int width, int height, Colour fill = kBlack);

  int width() const { return width_; }
  int height() const { return height_; }
  Box bounds() const { return {0, 0, width_, height_}; }

  Colour& at(int x, int y) { return pixels_[index(x, y)]; }
  const Colour& at(int x, int y) const { return pixels_[index(x, y)]; }

  // Blends c over the pixel with the given opacity; pixels outside are skipped.
  void blend(int x, int y, Colour c, float alpha);
  void fill(const Box& box, Colour c);

  // The pixels of `from` (clipped to this picture) as a picture of their own.
  Image crop(const Box& from) const;
  // Copies `src` with its top-left corner at (x, y), clipped to this picture.
  void paste(const Image& src, int x, int y);

  // The picture as the bytes of a 24-bit BMP file: bottom-up rows padded to
  // four bytes, blue-green-red, channels rounded and clamped to 0-255.
  std::vector<std::uint8_t> bmp_bytes() const;

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Colour> pixels_;
};

// Writes the bytes to `path`, replacing the file; false on any failure.
bool write_file(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace zel::skingen
