#include "tools/skingen/image.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace zel::skingen {

Colour mix(Colour a, Colour b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Box united(const Box& a, const Box& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  const int x = std::min(a.x, b.x);
  const int y = std::min(a.y, b.y);
  return {x, y, std::max(a.right(), b.right()) - x, std::max(a.bottom(), b.bottom()) - y};
}

Box intersected(const Box& a, const Box& b) {
  const int x = std::max(a.x, b.x);
  const int y = std::max(a.y, b.y);
  const int r = std::min(a.right(), b.right());
  const int btm = std::min(a.bottom(), b.bottom());
  if (r <= x || btm <= y) return {};
  return {x, y, r - x, btm - y};
}

Image::Image(int width, int height, Colour fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void Image::blend(int x, int y, Colour c, float alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
  Colour& p = at(x, y);
  p = alpha >= 1 ? c : mix(p, c, alpha);
}

void Image::fill(const Box& box, Colour c) {
  const Box b = intersected(box, bounds());
  for (int y = b.y; y < b.bottom(); ++y) {
    for (int x = b.x; x < b.right(); ++x) at(x, y) = c;
  }
}

Image Image::crop(const Box& from) const {
  const Box b = intersected(from, bounds());
  Image out(b.w, b.h);
  for (int y = 0; y < b.h; ++y) {
    for (int x = 0; x < b.w; ++x) out.at(x, y) = at(b.x + x, b.y + y);
  }
  return out;
}

void Image::paste(const Image& src, int x, int y) {
  const Box b = intersected(Box{x, y, src.width(), src.height()}, bounds());
  for (int py = b.y; py < b.bottom(); ++py) {
    for (int px = b.x; px < b.right(); ++px) at(px, py) = src.at(px - x, py - y);
  }
}

namespace {

std::uint8_t channel(float v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

void put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v & 0xFF);
  out[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  put16(out, at, v & 0xFFFF);
  put16(out, at + 2, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> Image::bmp_bytes() const {
  constexpr std::size_t kFileHeader = 14;
  constexpr std::size_t kInfoHeader = 40;
  const std::size_t stride = (static_cast<std::size_t>(width_) * 3 + 3) & ~std::size_t{3};
  const std::size_t data = stride * static_cast<std::size_t>(height_);
  std::vector<std::uint8_t> out(kFileHeader + kInfoHeader + data, 0);
  out[0] = 'B';
  out[1] = 'M';
  put32(out, 2, static_cast<std::uint32_t>(out.size()));
  put32(out, 10, kFileHeader + kInfoHeader);
  put32(out, 14, kInfoHeader);
  put32(out, 18, static_cast<std::uint32_t>(width_));
  put32(out, 22, static_cast<std::uint32_t>(height_));  // positive: bottom-up
  put16(out, 26, 1);                                    // planes
  put16(out, 28, 24);                                   // bits per pixel
  put32(out, 30, 0);                                    // BI_RGB
  put32(out, 34, static_cast<std::uint32_t>(data));
  put32(out, 38, 2835);  // 72 dpi
  put32(out, 42, 2835);
  for (int y = 0; y < height_; ++y) {
    std::size_t row = kFileHeader + kInfoHeader + stride * static_cast<std::size_t>(height_ - 1 - y);
    for (int x = 0; x < width_; ++x) {
      const Colour& c = at(x, y);
      out[row++] = channel(c.b);
      out[row++] = channel(c.g);
      out[row++] = channel(c.r);
    }
  }
  return out;
}

bool write_file(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace zel::skingen
