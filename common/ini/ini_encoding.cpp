#include "common/ini/ini_encoding.h"

#include <array>

namespace zel::ini {
namespace {

// Code page 1252, bytes 0x80 to 0x9F; the five bytes the code page leaves
// undefined map to the C1 controls of the same value, as on the platform.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ansi_to_unicode(unsigned char c) {
  return (c >= 0x80 && c <= 0x9F) ? kCp1252High[c - 0x80] : c;
}

// Returns -1 for a character the code page lacks.
int unicode_to_ansi(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
  for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
    if (kCp1252High[i] == u) return static_cast<int>(0x80 + i);
  }
  return -1;
}

void append_utf8(std::string& out, char32_t u) {
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else if (u < 0x10000) {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (u >> 18));
    out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes one character at s[i], advancing i. Surrogate code points are
// accepted (they stand for unpaired UTF-16 units); anything else malformed
// yields kInvalid for one byte.
char32_t next_char(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  std::size_t length = 0;
  char32_t u = 0;
  char32_t min = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2, u = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3, u = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4, u = b0 & 0x07, min = 0x10000;
  } else {
    ++i;
    return kInvalid;
  }
  if (i + length > s.size()) {
    ++i;
    return kInvalid;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return kInvalid;
    }
    u = (u << 6) | (b & 0x3F);
  }
  if (u < min || u > 0x10FFFF) {
    ++i;
    return kInvalid;
  }
  i += length;
  return u;
}

std::string utf16_to_text(std::string_view bytes, bool big_endian) {
  const std::size_t units = (bytes.size() + 1) / 2;
  auto unit = [&](std::size_t k) -> char16_t {
    const auto b0 = static_cast<unsigned char>(bytes[2 * k]);
    // An odd last byte counts as a unit of its own value.
    if (2 * k + 1 >= bytes.size()) return b0;
    const auto b1 = static_cast<unsigned char>(bytes[2 * k + 1]);
    return big_endian ? static_cast<char16_t>((b0 << 8) | b1) : static_cast<char16_t>((b1 << 8) | b0);
  };
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t k = 0; k < units; ++k) {
    const char16_t u = unit(k);
    if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units) {
      const char16_t low = unit(k + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        append_utf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (low - 0xDC00));
        ++k;
        continue;
      }
    }
    append_utf8(out, u);
  }
  return out;
}

void append_utf16(std::string& out, char16_t u, bool big_endian) {
  const char hi = static_cast<char>(u >> 8);
  const char lo = static_cast<char>(u & 0xFF);
  if (big_endian) {
    out += hi;
    out += lo;
  } else {
    out += lo;
    out += hi;
  }
}

}  // namespace

Detected detect_encoding(std::string_view b) {
  if (b.size() >= 3 && b.substr(0, 3) == "\xEF\xBB\xBF") return {Encoding::utf8, 3};
  if (b.size() >= 2 && b.substr(0, 2) == "\xFF\xFE") return {Encoding::utf16le, 2};
  if (b.size() >= 2 && b.substr(0, 2) == "\xFE\xFF") return {Encoding::utf16be, 2};
  return {};
}

FileText::FileText(std::string_view file_bytes) {
  const Detected d = detect_encoding(file_bytes);
  encoding_ = d.encoding;
  view_ = file_bytes.substr(d.mark_length);
  if (encoding_ == Encoding::utf16le || encoding_ == Encoding::utf16be) {
    storage_ = utf16_to_text(view_, encoding_ == Encoding::utf16be);
    converted_ = true;
  }
}

std::string encode_file(std::string_view text, Encoding encoding) {
  switch (encoding) {
    case Encoding::ansi:
      return std::string(text);
    case Encoding::utf8: {
      std::string out;
      out.reserve(text.size() + 3);
      out += "\xEF\xBB\xBF";
      out += text;
      return out;
    }
    case Encoding::utf16le:
    case Encoding::utf16be: {
      const bool be = encoding == Encoding::utf16be;
      std::string out;
      out.reserve(2 * text.size() + 2);
      append_utf16(out, 0xFEFF, be);
      for (std::size_t i = 0; i < text.size();) {
        const char32_t u = next_char(text, i);
        if (u == kInvalid) {
          append_utf16(out, 0xFFFD, be);
        } else if (u >= 0x10000) {
          append_utf16(out, static_cast<char16_t>(0xD800 + ((u - 0x10000) >> 10)), be);
          append_utf16(out, static_cast<char16_t>(0xDC00 + ((u - 0x10000) & 0x3FF)), be);
        } else {
          append_utf16(out, static_cast<char16_t>(u), be);
        }
      }
      return out;
    }
  }
  return std::string(text);
}

std::string ansi_to_text(std::string_view ansi, Encoding encoding) {
  if (encoding == Encoding::ansi) return std::string(ansi);
  std::string out;
  out.reserve(ansi.size());
  for (char c : ansi) append_utf8(out, ansi_to_unicode(static_cast<unsigned char>(c)));
  return out;
}

std::string text_to_ansi(std::string_view text, Encoding encoding) {
  if (encoding == Encoding::ansi) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t u = next_char(text, i);
    if (u == kInvalid) {
      out += '?';
    } else if (u >= 0x10000) {
      out += "??";
    } else {
      const int a = unicode_to_ansi(u);
      out += a < 0 ? '?' : static_cast<char>(a);
    }
  }
  return out;
}

}  // namespace zel::ini
