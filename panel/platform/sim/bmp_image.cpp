#include "panel/platform/sim/bmp_image.h"

namespace zel::platform::sim {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;

// Little-endian fields at a checked offset.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool has(std::uint64_t offset, std::uint64_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  std::uint16_t u16(std::size_t at) const {
    return static_cast<std::uint16_t>(bytes_[at] | (bytes_[at + 1] << 8));
  }
  std::uint32_t u32(std::size_t at) const {
    return static_cast<std::uint32_t>(bytes_[at]) |
           (static_cast<std::uint32_t>(bytes_[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes_[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes_[at + 3]) << 24);
  }
  std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
  std::uint8_t byte(std::size_t at) const { return bytes_[at]; }

 private:
  std::span<const std::uint8_t> bytes_;
};

struct Header {
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative: rows top first
  std::uint32_t bits = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t planes = 1;
};

std::optional<Header> read_header(const Reader& in) {
  if (!in.has(0, kFileHeaderSize + 4)) return std::nullopt;
  if (in.byte(0) != 'B' || in.byte(1) != 'M') return std::nullopt;
  const std::uint32_t size = in.u32(kFileHeaderSize);
  if (!in.has(kFileHeaderSize, size)) return std::nullopt;
  const std::size_t at = kFileHeaderSize + 4;
  Header h;
  if (size == kCoreHeaderSize) {
    h.width = in.u16(at);
    h.height = in.u16(at + 2);
    h.planes = in.u16(at + 4);
    h.bits = in.u16(at + 6);
  } else if (size >= kInfoHeaderSize) {
    h.width = in.i32(at);
    h.height = in.i32(at + 4);
    h.planes = in.u16(at + 8);
    h.bits = in.u16(at + 10);
    h.compression = in.u32(at + 12);
  } else {
    return std::nullopt;
  }
  return h;
}

}  // namespace

Image::Image(int w, int h, std::uint32_t fill) {
  if (w <= 0 || h <= 0) return;
  width = w;
  height = h;
  pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill);
}

std::optional<Image> read_bmp(std::span<const std::uint8_t> bytes) {
  const Reader in(bytes);
  const std::optional<Header> h = read_header(in);
  if (!h || h->planes != 1 || h->compression != kBiRgb) return std::nullopt;
  if (h->bits != 24 && h->bits != 32) return std::nullopt;
  const bool top_down = h->height < 0;
  const std::int64_t height = top_down ? -h->height : h->height;
  if (h->width < 1 || h->width > kMaxBitmapSide || height < 1 || height > kMaxBitmapSide) {
    return std::nullopt;
  }

  const std::uint64_t pixel_bytes = h->bits / 8;
  const std::uint64_t row_bytes = static_cast<std::uint64_t>(h->width) * pixel_bytes;
  const std::uint64_t stride = (row_bytes + 3) / 4 * 4;
  const std::uint64_t offset = in.u32(10);
  if (!in.has(offset, stride * static_cast<std::uint64_t>(height - 1) + row_bytes)) {
    return std::nullopt;
  }

  Image image(static_cast<int>(h->width), static_cast<int>(height));
  for (int row = 0; row < image.height; ++row) {
    const int y = top_down ? row : image.height - 1 - row;
    std::size_t at = static_cast<std::size_t>(offset + stride * static_cast<std::uint64_t>(row));
    for (int x = 0; x < image.width; ++x, at += pixel_bytes) {
      const std::uint32_t blue = in.byte(at);
      const std::uint32_t green = in.byte(at + 1);
      const std::uint32_t red = in.byte(at + 2);
      image.set(x, y, (red << 16) | (green << 8) | blue);
    }
  }
  return image;
}

std::vector<std::uint8_t> write_bmp(const Image& image, RowOrder order) {
  if (image.width <= 0 || image.height <= 0) return {};
  const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) * 3 + 3) / 4 * 4;
  const std::uint32_t data = stride * static_cast<std::uint32_t>(image.height);
  const std::uint32_t offset = static_cast<std::uint32_t>(kFileHeaderSize) + kInfoHeaderSize;
  std::vector<std::uint8_t> out;
  out.reserve(offset + data);
  const auto u16 = [&out](std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  const auto u32 = [&](std::uint32_t v) {
    u16(v & 0xFFFFu);
    u16(v >> 16);
  };
  const std::int32_t height = order == RowOrder::kTopDown ? -image.height : image.height;

  out.push_back('B');
  out.push_back('M');
  u32(offset + data);
  u32(0);
  u32(offset);
  u32(kInfoHeaderSize);
  u32(static_cast<std::uint32_t>(image.width));
  u32(static_cast<std::uint32_t>(height));
  u16(1);
  u16(24);
  u32(kBiRgb);
  u32(data);
  u32(2835);  // 72 dpi
  u32(2835);
  u32(0);
  u32(0);
  out.resize(offset + data, 0);
  std::size_t at = offset;
  for (int row = 0; row < image.height; ++row) {
    const int y = order == RowOrder::kTopDown ? row : image.height - 1 - row;
    const std::uint32_t* pixel =
        &image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width)];
    for (int x = 0; x < image.width; ++x, at += 3) {
      out[at] = static_cast<std::uint8_t>(pixel[x]);
      out[at + 1] = static_cast<std::uint8_t>(pixel[x] >> 8);
      out[at + 2] = static_cast<std::uint8_t>(pixel[x] >> 16);
    }
    at += stride - static_cast<std::uint32_t>(image.width) * 3;
  }
  return out;
}

}  // namespace zel::platform::sim
