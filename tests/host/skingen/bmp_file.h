#pragma once
// Reads the 24-bit BMP files the skin generator writes, checking the header
// as the panel's loader would meet it: file and info header sizes, one
// plane, 24 bits, no compression, rows bottom-up and padded to four bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zel::skingen::test {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // top row first

  const Rgb& at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// The file's bytes; empty for a missing file.
std::string file_bytes(const std::string& path);

// nullopt, with the reason in *error, for a missing file or a header that
// is not what the generator writes.
std::optional<Picture> read_bmp(const std::string& path, std::string* error);

}  // namespace zel::skingen::test
