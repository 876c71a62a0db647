// The BMP reader and writer of the simulated desktop: the byte layout, both
// row orders, padding, and refusal of everything else without reading past
// the bytes.
#include "panel/platform/sim/bmp_image.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "panel/platform/types.h"

namespace zel::platform::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::Size;

void put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}
void put16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

Image numbered(int w, int h) {
  Image image(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      image.set(x, y, 0x010203u * static_cast<std::uint32_t>(y * w + x + 1));
  }
  return image;
}

TEST(BmpImage, WritesBottomUpRowsOfBlueGreenRedPaddedToFourBytes) {
  Image image(2, 2);
  image.set(0, 0, 0x112233);
  image.set(1, 0, 0x445566);
  image.set(0, 1, 0x778899);
  image.set(1, 1, 0xAABBCC);
  const Bytes bytes = write_bmp(image);
  ASSERT_EQ(bytes.size(), 54u + 2 * 8);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  // The bottom row comes first: 99 88 77, CC BB AA, two bytes of padding.
  const Bytes rows(bytes.begin() + 54, bytes.end());
  EXPECT_EQ(rows, (Bytes{0x99, 0x88, 0x77, 0xCC, 0xBB, 0xAA, 0, 0, 0x33, 0x22, 0x11, 0x66, 0x55,
                         0x44, 0, 0}));
}

TEST(BmpImage, ReadsWhatItWritesInBothRowOrdersAndAnyPadding) {
  for (const Size size : {Size{1, 1}, Size{2, 3}, Size{3, 2}, Size{4, 4}, Size{5, 7}}) {
    for (const RowOrder order : {RowOrder::kBottomUp, RowOrder::kTopDown}) {
      SCOPED_TRACE(testing::Message()
                   << size.width << " x " << size.height
                   << (order == RowOrder::kTopDown ? " top-down" : " bottom-up"));
      const Image image = numbered(size.width, size.height);
      const auto read = read_bmp(write_bmp(image, order));
      ASSERT_TRUE(read.has_value());
      EXPECT_EQ(*read, image);
    }
  }
}

TEST(BmpImage, ReadsThirtyTwoBitPixelsAndTheCoreHeader) {
  // 32 bits: two pixels of one row, the fourth byte ignored.
  Bytes wide = write_bmp(Image(1, 1));
  wide.resize(54);
  put32(wide, 18, 2);
  put16(wide, 28, 32);
  for (std::uint8_t b : {0x03, 0x02, 0x01, 0xFF, 0x06, 0x05, 0x04, 0xFF}) wide.push_back(b);
  auto read = read_bmp(wide);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->pixels, (std::vector<std::uint32_t>{0x010203, 0x040506}));

  // BITMAPCOREHEADER: 12 bytes, 16-bit fields; one 24-bit pixel.
  Bytes core = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0,  26, 0,    0,    0,    12,
                0,   0,   0, 1, 0, 1, 0, 1, 0, 24, 0,  0x0C, 0x0B, 0x0A, 0};
  read = read_bmp(core);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->pixels, (std::vector<std::uint32_t>{0x0A0B0C}));
}

TEST(BmpImage, AcceptsAMissingPaddingAfterTheLastRow) {
  Bytes bytes = write_bmp(numbered(1, 2));
  bytes.resize(bytes.size() - 1);
  EXPECT_TRUE(read_bmp(bytes).has_value());
}

TEST(BmpImage, RefusesAnythingElse) {
  const Bytes good = write_bmp(numbered(3, 2));
  struct Case {
    const char* what;
    Bytes bytes;
  };
  const auto with32 = [&](std::size_t at, std::uint32_t v) {
    Bytes b = good;
    put32(b, at, v);
    return b;
  };
  const auto with16 = [&](std::size_t at, std::uint16_t v) {
    Bytes b = good;
    put16(b, at, v);
    return b;
  };
  const Case cases[] = {
      {"nothing", {}},
      {"the signature only", {'B', 'M'}},
      {"another signature",
       [&] {
         Bytes b = good;
         b[0] = 'X';
         return b;
       }()},
      {"a file header only", Bytes(good.begin(), good.begin() + 14)},
      {"a header cut short", Bytes(good.begin(), good.begin() + 40)},
      {"an unknown header size", with32(14, 20)},
      {"a header larger than the file", with32(14, 4000)},
      {"8 bits per pixel", with16(28, 8)},
      {"16 bits per pixel", with16(28, 16)},
      {"two planes", with16(26, 2)},
      {"run-length compression", with32(30, 1)},
      {"width 0", with32(18, 0)},
      {"a negative width", with32(18, static_cast<std::uint32_t>(-3))},
      {"height 0", with32(22, 0)},
      {"the most negative height", with32(22, static_cast<std::uint32_t>(INT32_MIN))},
      {"a width beyond the limit", with32(18, 40000)},
      {"pixels beyond the end", with32(10, static_cast<std::uint32_t>(good.size()))},
      {"a pixel offset near 4 GiB", with32(10, 0xFFFFFFF0u)},
      {"a height the pixels do not fill", with32(22, 3)},
      {"a top-down height the pixels do not fill", with32(22, static_cast<std::uint32_t>(-3))},
      {"the last pixel cut", Bytes(good.begin(), good.end() - 4)},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(read_bmp(c.bytes).has_value()) << c.what;
  }
}

}  // namespace
}  // namespace zel::platform::sim
