#include "tests/host/skingen/bmp_file.h"

#include <fstream>

namespace zel::skingen::test {

namespace {

std::uint32_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return u16(b, at) | u16(b, at + 2) << 16;
}

}  // namespace

std::string file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

std::optional<Picture> read_bmp(const std::string& path, std::string* error) {
  const std::string bytes = file_bytes(path);
  if (bytes.empty()) {
    *error = path + ": missing";
    return std::nullopt;
  }
  const std::vector<std::uint8_t> b(bytes.begin(), bytes.end());
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
    *error = path + ": not a BMP file";
    return std::nullopt;
  }
  const auto width = static_cast<std::int32_t>(u32(b, 18));
  const auto height = static_cast<std::int32_t>(u32(b, 22));
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  const std::uint32_t offset = u32(b, 10);
  if (u32(b, 2) != b.size() || offset != 54 || u32(b, 14) != 40 || u16(b, 26) != 1 || u16(b, 28) != 24 ||
      u32(b, 30) != 0 || width <= 0 || height <= 0 ||
      offset + stride * static_cast<std::size_t>(height) != b.size()) {
    *error = path + ": not a plain bottom-up 24-bit BMP of the size its header gives";
    return std::nullopt;
  }
  Picture p{width, height, {}};
  p.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const std::size_t row = offset + stride * static_cast<std::size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const std::size_t at = row + static_cast<std::size_t>(x) * 3;
      p.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
          {b[at + 2], b[at + 1], b[at]};
    }
  }
  return p;
}

}  // namespace zel::skingen::test
