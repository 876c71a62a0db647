#include "common/ini/ini_value.h"

namespace zel::ini {

std::string_view trim_default(std::string_view d) {
  std::size_t n = d.size();
  while (n > 1 && d[n - 1] == ' ') --n;
  return d.substr(0, n);
}

std::string truncate_to_buffer(std::string_view text, std::size_t buffer_size) {
  if (buffer_size == 0) return {};
  return std::string(text.substr(0, buffer_size - 1));
}

std::string copy_entry(std::string_view value, std::size_t buffer_size) {
  if (buffer_size == 0) return {};
  bool quoted = false;
  if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') &&
      value.back() == value.front()) {
    quoted = true;
    value.remove_prefix(1);
  }
  std::string out(value.substr(0, buffer_size - 1));
  // The closing quote goes whenever the buffer held the rest of the value, or
  // was one short of it, and then the last character copied goes instead.
  if (quoted && buffer_size >= value.size() && !out.empty()) out.pop_back();
  return out;
}

std::uint32_t parse_profile_int(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  std::uint32_t base = 10;
  if (s.size() - i >= 2 && s[i] == '0') {
    switch (s[i + 1]) {
      case 'b': base = 2; break;
      case 'o': base = 8; break;
      case 'x': base = 16; break;
      default: break;
    }
    if (base != 10) i += 2;
  }
  std::uint32_t total = 0;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    std::uint32_t digit = 99;
    if (c >= '0' && c <= '9') {
      digit = static_cast<std::uint32_t>(c - '0');
    } else if (c >= 'A' && c <= 'Z') {
      digit = static_cast<std::uint32_t>(c - 'A' + 10);
    } else if (c >= 'a' && c <= 'z') {
      digit = static_cast<std::uint32_t>(c - 'a' + 10);
    }
    if (digit >= base) break;
    total = total * base + digit;
  }
  return negative ? 0u - total : total;
}

}  // namespace zel::ini
