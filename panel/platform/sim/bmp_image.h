#pragma once
// Pictures in memory and the BMP file format, as the simulated desktop keeps
// its surfaces and windows.
//
// read_bmp takes outside input: any byte sequence gives either a picture or
// nullopt, and never reads outside the bytes it is given. It accepts what the
// panel's bitmaps are: a BITMAPFILEHEADER, then a BITMAPCOREHEADER or a
// BITMAPINFOHEADER (or a larger version of it), uncompressed (BI_RGB) 24 or
// 32 bits per pixel, rows bottom-up (positive height) or top-down (negative
// height), each row padded to a multiple of four bytes. The last row's
// padding may be missing. Width and height are 1 to kMaxBitmapSide.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zel::platform::sim {

inline constexpr int kMaxBitmapSide = 32767;

// Rows top first; each pixel 0x00RRGGBB.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  Image() = default;
  // Negative sizes make an empty picture.
  Image(int w, int h, std::uint32_t fill = 0);

  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  // Both require contains(x, y).
  std::uint32_t at(int x, int y) const { return pixels[index(x, y)]; }
  void set(int x, int y, std::uint32_t rgb) { pixels[index(x, y)] = rgb; }

  friend bool operator==(const Image&, const Image&) = default;

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x);
  }
};

std::optional<Image> read_bmp(std::span<const std::uint8_t> bytes);

enum class RowOrder { kBottomUp, kTopDown };

// A 24-bit BI_RGB file with a BITMAPINFOHEADER; the top byte of each pixel is
// dropped. An empty picture gives an empty byte sequence.
std::vector<std::uint8_t> write_bmp(const Image& image, RowOrder order = RowOrder::kBottomUp);

}  // namespace zel::platform::sim
