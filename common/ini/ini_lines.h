#pragma once
// The line reading that parse_text, lookup_value and IniIndex share (see
// ini_parse.h for the rules). Internal to the INI reader.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "common/ini/ini_text.h"

namespace zel::ini::lines {

constexpr bool is_line_end(char c) { return c == '\n' || c == '\r'; }

// The first `c` in [p, end), or nullptr. Eight bytes a step: skipping the
// sections a lookup does not want is most of its work.
inline const char* find_byte(const char* p, const char* end, char c) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
  while (end - p >= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    word ^= pattern;  // a zero byte where `c` is
    if (((word - kOnes) & ~word & kHighs) != 0) break;
    p += 8;
  }
  for (; p < end; ++p) {
    if (*p == c) return p;
  }
  return nullptr;
}

// The section name of a trimmed line, or nothing when the line is no header.
inline std::optional<std::string_view> header_name(std::string_view line) {
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos || close == 0) return std::nullopt;
  return until_nul(trim_blanks(line.substr(1, close - 1)));
}

struct EntryLine {
  std::string_view name;
  std::string_view value;
  bool has_value = false;
  // Whether the name was empty before cutting at a NUL: only such entries
  // can be dropped as repeated empty names.
  bool raw_name_empty = false;
};

inline EntryLine entry_line(std::string_view line) {
  EntryLine e;
  const auto eq = static_cast<const char*>(std::memchr(line.data(), '=', line.size()));
  if (eq == nullptr) {
    e.name = until_nul(line);
    return e;
  }
  const auto at = static_cast<std::size_t>(eq - line.data());
  const std::string_view raw_name = trim_trailing_blanks(line.substr(0, at));
  e.raw_name_empty = raw_name.empty();
  e.name = until_nul(raw_name);
  e.value = until_nul(trim_leading_blanks(line.substr(at + 1)));
  e.has_value = true;
  return e;
}

// Tracks the rule that drops an empty name following an empty name.
class EmptyNameRule {
 public:
  void new_section() { previous_ = Previous::none; }
  bool keeps(const EntryLine& e) const { return !e.raw_name_empty || previous_ != Previous::empty; }
  void kept(const EntryLine& e) { previous_ = e.name.empty() ? Previous::empty : Previous::named; }

 private:
  enum class Previous { none, named, empty } previous_ = Previous::none;
};

// The trimmed, non-empty lines of a text, in order.
class Lines {
 public:
  explicit Lines(std::string_view text)
      : begin_(text.data()), p_(text.data()), end_(text.data() + text.size()) {}

  bool next(std::string_view& line) {
    while (p_ < end_) {
      const char* start = p_;
      while (p_ < end_ && !is_line_end(*p_)) ++p_;
      const char* stop = p_;
      while (p_ < end_ && is_line_end(*p_)) ++p_;
      line = trim_blanks(std::string_view(start, static_cast<std::size_t>(stop - start)));
      if (!line.empty()) return true;
    }
    return false;
  }

  // Skips to the next header line and gives its section name; what lies
  // between is passed over unread. A header starts with "[" after nothing but
  // blanks on its line, so only the "[" bytes need a look.
  bool next_header(std::string_view& name) {
    while (p_ < end_) {
      const char* bracket = find_byte(p_, end_, '[');
      if (bracket == nullptr) break;
      const char* start = bracket;
      while (start > begin_ && is_blank(start[-1]) && !is_line_end(start[-1])) --start;
      const char* stop = bracket;
      while (stop < end_ && !is_line_end(*stop)) ++stop;
      p_ = stop;
      if (start != begin_ && !is_line_end(start[-1])) continue;  // "[" inside a line
      const std::string_view line =
          trim_trailing_blanks(std::string_view(bracket, static_cast<std::size_t>(stop - bracket)));
      if (const auto found = header_name(line)) {
        name = *found;
        return true;
      }
    }
    p_ = end_;
    return false;
  }

 private:
  const char* begin_;
  const char* p_;
  const char* end_;
};

}  // namespace zel::ini::lines
