// Build tool, run on the build machine: writes the panel program's icon
// (panel.ico, 32 x 32, 16 colours) and cursors (32 x 32, monochrome: arrow.cur
// for the panel and its buttons, held.cur while a button is held down,
// move.cur while the panel is dragged) from the character pictures below.
//
//   make_panel_art <output folder>
//
// Picture rows may be shorter than 32 characters and there may be fewer than
// 32 rows; what is missing is transparent.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kSide = 32;

// The icon: a television set. Each character is a colour of the standard
// 16-colour palette (see colour_index), '.' is transparent.
constexpr std::string_view kIcon[] = {
    "",
    "",
    "         k         k",
    "          k       k",
    "           k     k",
    "            k   k",
    "             k k",
    "   kkkkkkkkkkkkkkkkkkkkkkkkkk",
    "  kssssssssssssssssssssssssssk",
    "  ksggggggggggggggggggssssssssk",
    "  ksgnnnnnnnnnnnnnnnnnkssssssk",
    "  ksgnbbbbbbbbbbbbbbbnkssgggsk",
    "  ksgnbccbbbbbbbbbbbbnkssgrgsk",
    "  ksgnbcbbbbbbbbbbbbbnkssgggsk",
    "  ksgnbbbbbbbbbbbbbbbnkssssssk",
    "  ksgnbbbbbbbbbbbbbbbnkssgggsk",
    "  ksgnbbbbbbbbbbbbbbbnkssgygsk",
    "  ksgnbbbbbbbbbbbbbbbnkssgggsk",
    "  ksgnbbbbbbbbbbbbbbbnkssssssk",
    "  ksgnbbbbbbbbbbbbbbbnksgggggk",
    "  ksgnbbbbbbbbbbbbbbbnksgkgkgk",
    "  ksgnbbbbbbbbbbbbbbbnksgggggk",
    "  ksgnnnnnnnnnnnnnnnnnkssssssk",
    "  ksgkkkkkkkkkkkkkkkkkkssssssk",
    "  kssssssssssssssssssssssssssk",
    "   kkkkkkkkkkkkkkkkkkkkkkkkkk",
    "     kkk              kkk",
    "     kkk              kkk",
};

// The cursors. 'X' black, 'w' white, '.' transparent.
//
// The usual arrow, hot spot at its tip (0, 0).
constexpr std::string_view kArrow[] = {
    "X",
    "XX",
    "XwX",
    "XwwX",
    "XwwwX",
    "XwwwwX",
    "XwwwwwX",
    "XwwwwwwX",
    "XwwwwwwwX",
    "XwwwwwwwwX",
    "XwwwwwXXXXX",
    "XwwXwwX",
    "XwX.XwwX",
    "XX..XwwX",
    "X....XwwX",
    ".....XwwX",
    "......XX",
};

// A hand pressing with its index finger, hot spot at the fingertip (5, 0).
constexpr std::string_view kHeld[] = {
    "....XXX",
    "...XwwwX",
    "...XwwwX",
    "...XwwwX",
    "...XwwwX",
    "...XwwwXXX",
    "...XwwwXwwXXX",
    "...XwwwXwwXwwXX",
    "XXXXwwwXwwXwwXwX",
    "XwwXwwwwwwwwwXwwX",
    "XwwwXwwwwwwwwwwwX",
    ".XwwwwwwwwwwwwwwX",
    "..XwwwwwwwwwwwwwX",
    "..XwwwwwwwwwwwwX",
    "...XwwwwwwwwwwwX",
    "...XwwwwwwwwwwX",
    "....XwwwwwwwwwX",
    "....XwwwwwwwwX",
    "....XXXXXXXXXX",
};

// Four arrows, hot spot in the middle (10, 10).
constexpr std::string_view kMove[] = {
    "..........X",
    ".........XwX",
    "........XwwwX",
    ".......XwwwwwX",
    ".......XXXwXXX",
    ".........XwX",
    ".........XwX",
    "...XX....XwX....XX",
    "..XwX....XwX....XwX",
    ".XwwXXXXXXwXXXXXXwwX",
    "XwwwwwwwwwwwwwwwwwwwX",
    ".XwwXXXXXXwXXXXXXwwX",
    "..XwX....XwX....XwX",
    "...XX....XwX....XX",
    ".........XwX",
    ".........XwX",
    ".......XXXwXXX",
    ".......XwwwwwX",
    "........XwwwX",
    ".........XwX",
    "..........X",
};

// Standard VGA palette, as BGR0 quads.
constexpr std::uint8_t kPalette[16][4] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},     {0, 128, 0, 0},     {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0},   {128, 128, 0, 0},   {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},     {0, 255, 0, 0},     {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0},   {255, 255, 0, 0},   {255, 255, 255, 0},
};

// -1 transparent.
int colour_index(char c) {
  switch (c) {
    case ' ': case '.': return -1;
    case 'k': return 0;
    case 'n': return 4;
    case 's': return 7;
    case 'g': return 8;
    case 'r': return 9;
    case 'y': return 11;
    case 'b': return 12;
    case 'c': return 14;
    case 'w': return 15;
    default: return -2;
  }
}

int cursor_pixel(char c) {  // 0 black, 1 white, -1 transparent
  switch (c) {
    case ' ': case '.': return -1;
    case 'X': return 0;
    case 'w': return 1;
    default: return -2;
  }
}

template <std::size_t N>
char picture_at(const std::string_view (&rows)[N], int x, int y) {
  if (y >= static_cast<int>(N)) return '.';
  const std::string_view row = rows[y];
  return x < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(x)] : '.';
}

class Bytes {
 public:
  void u8(std::uint8_t v) { data_.push_back(v); }
  void u16(std::uint16_t v) { u8(static_cast<std::uint8_t>(v)), u8(static_cast<std::uint8_t>(v >> 8)); }
  void u32(std::uint32_t v) { u16(static_cast<std::uint16_t>(v)), u16(static_cast<std::uint16_t>(v >> 16)); }
  void append(const Bytes& other) { data_.insert(data_.end(), other.data_.begin(), other.data_.end()); }
  std::size_t size() const { return data_.size(); }
  const std::vector<std::uint8_t>& data() const { return data_; }

 private:
  std::vector<std::uint8_t> data_;
};

// BITMAPINFOHEADER of an icon or cursor image: the height counts the colour
// bitmap and the mask.
void info_header(Bytes& out, int bits, std::uint32_t image_bytes) {
  out.u32(40);
  out.u32(kSide);
  out.u32(kSide * 2);
  out.u16(1);
  out.u16(static_cast<std::uint16_t>(bits));
  out.u32(0);
  out.u32(image_bytes);
  out.u32(0);
  out.u32(0);
  out.u32(0);
  out.u32(0);
}

// The AND mask, bottom row first: 1 where transparent.
template <class Transparent>
void mask_rows(Bytes& out, Transparent&& transparent) {
  for (int y = kSide - 1; y >= 0; --y) {
    for (int byte = 0; byte < kSide / 8; ++byte) {
      std::uint8_t bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if (transparent(byte * 8 + bit, y)) bits |= static_cast<std::uint8_t>(0x80 >> bit);
      }
      out.u8(bits);
    }
  }
}

// The file: ICONDIR and one ICONDIRENTRY, then the image. For a cursor
// (type 2) the entry's planes and bit-count fields hold the hot spot.
Bytes icon_file(std::uint16_t type, std::uint8_t colours, std::uint16_t field1, std::uint16_t field2,
                const Bytes& image) {
  Bytes out;
  out.u16(0);
  out.u16(type);
  out.u16(1);
  out.u8(kSide);
  out.u8(kSide);
  out.u8(colours);
  out.u8(0);
  out.u16(field1);
  out.u16(field2);
  out.u32(static_cast<std::uint32_t>(image.size()));
  out.u32(6 + 16);
  out.append(image);
  return out;
}

template <std::size_t N, class Pixel>
bool check_picture(const char* name, const std::string_view (&rows)[N], Pixel&& pixel) {
  bool ok = N <= kSide;
  for (std::string_view row : rows) ok = ok && row.size() <= kSide;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (pixel(picture_at(rows, x, y)) == -2) {
        std::fprintf(stderr, "make_panel_art: unknown character in %s at %d,%d\n", name, x, y);
        ok = false;
      }
    }
  }
  if (!ok) std::fprintf(stderr, "make_panel_art: %s is not a valid %dx%d picture\n", name, kSide, kSide);
  return ok;
}

bool check_pictures() {
  return check_picture("the icon", kIcon, colour_index) & check_picture("the arrow", kArrow, cursor_pixel) &
         check_picture("the held cursor", kHeld, cursor_pixel) &
         check_picture("the move cursor", kMove, cursor_pixel);
}

Bytes make_icon() {
  Bytes image;
  constexpr std::uint32_t kColourBytes = kSide * kSide / 2;
  constexpr std::uint32_t kMaskBytes = kSide * kSide / 8;
  info_header(image, 4, kColourBytes + kMaskBytes);
  for (const auto& quad : kPalette) {
    for (std::uint8_t b : quad) image.u8(b);
  }
  for (int y = kSide - 1; y >= 0; --y) {
    for (int x = 0; x < kSide; x += 2) {
      const int left = colour_index(picture_at(kIcon, x, y));
      const int right = colour_index(picture_at(kIcon, x + 1, y));
      image.u8(static_cast<std::uint8_t>(((left < 0 ? 0 : left) << 4) | (right < 0 ? 0 : right)));
    }
  }
  mask_rows(image, [](int x, int y) { return colour_index(picture_at(kIcon, x, y)) < 0; });
  return icon_file(1, 16, 1, 4, image);
}

// A cursor file with its hot spot at (hot_x, hot_y).
template <std::size_t N>
Bytes make_cursor(const std::string_view (&rows)[N], std::uint16_t hot_x, std::uint16_t hot_y) {
  Bytes image;
  constexpr std::uint32_t kPlaneBytes = kSide * kSide / 8;
  info_header(image, 1, 2 * kPlaneBytes);
  const std::uint8_t black[4] = {0, 0, 0, 0};
  const std::uint8_t white[4] = {255, 255, 255, 0};
  for (std::uint8_t b : black) image.u8(b);
  for (std::uint8_t b : white) image.u8(b);
  // The colour (XOR) plane, 1 for white, then the mask; both are one bit a
  // pixel, so the mask writer serves for the colour plane too.
  mask_rows(image, [&rows](int x, int y) { return cursor_pixel(picture_at(rows, x, y)) == 1; });
  mask_rows(image, [&rows](int x, int y) { return cursor_pixel(picture_at(rows, x, y)) < 0; });
  return icon_file(2, 2, hot_x, hot_y, image);
}

bool write_file(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data().data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) std::fprintf(stderr, "make_panel_art: cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_panel_art <output folder>\n");
    return 2;
  }
  if (!check_pictures()) return 1;
  const std::string folder = argv[1];
  const bool written = write_file(folder + "/panel.ico", make_icon()) &&
                       write_file(folder + "/arrow.cur", make_cursor(kArrow, 0, 0)) &&
                       write_file(folder + "/held.cur", make_cursor(kHeld, 5, 0)) &&
                       write_file(folder + "/move.cur", make_cursor(kMove, 10, 10));
  return written ? 0 : 1;
}
