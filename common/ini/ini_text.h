#pragma once
// Character rules of the private-profile format, shared by the parser, the
// edits and the lookups. Text here is a byte string: ANSI (code page 1252)
// for ordinary files, UTF-8 inside files that carry a byte-order mark.
#include <string_view>

namespace zel::ini {

// Blanks are trimmed around lines, names and values: tab, line feed, vertical
// tab, form feed, carriage return, space and Ctrl-Z (the old DOS end-of-file
// mark). A no-break space (0xA0) is not a blank.
constexpr bool is_blank(char c) {
  return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == 0x20;
}

constexpr std::string_view trim_leading_blanks(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && is_blank(s[i])) ++i;
  return s.substr(i);
}

constexpr std::string_view trim_trailing_blanks(std::string_view s) {
  std::size_t n = s.size();
  while (n > 0 && is_blank(s[n - 1])) --n;
  return s.substr(0, n);
}

constexpr std::string_view trim_blanks(std::string_view s) {
  return trim_trailing_blanks(trim_leading_blanks(s));
}

// Names and values are C strings on the platform: whatever follows an
// embedded NUL does not exist.
constexpr std::string_view until_nul(std::string_view s) {
  const std::size_t nul = s.find('\0');
  return nul == std::string_view::npos ? s : s.substr(0, nul);
}

constexpr char ascii_lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// Names compare without regard to case for ASCII letters only; other bytes
// must be equal ("É" and "é" are different names, as on the platform).
constexpr bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && ascii_lower(a[i]) != ascii_lower(b[i])) return false;
  }
  return true;
}

}  // namespace zel::ini
