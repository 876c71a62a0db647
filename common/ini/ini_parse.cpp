#include "common/ini/ini_parse.h"

#include <cstring>

#include "common/ini/ini_text.h"

namespace zel::ini {
namespace {

// Splits off the next line (without its CR/LF run) and trims it.
class Lines {
 public:
  explicit Lines(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

  bool next(std::string_view& line) {
    while (p_ < end_) {
      const char* start = p_;
      while (p_ < end_ && *p_ != '\n' && *p_ != '\r') ++p_;
      const char* stop = p_;
      while (p_ < end_ && (*p_ == '\n' || *p_ == '\r')) ++p_;
      line = trim_blanks(std::string_view(start, static_cast<std::size_t>(stop - start)));
      if (!line.empty()) return true;
    }
    return false;
  }

 private:
  const char* p_;
  const char* end_;
};

// The section name of a header line, or nothing when the line is no header.
std::optional<std::string_view> header_name(std::string_view line) {
  if (line.front() != '[') return std::nullopt;
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

EntryLine entry_line(std::string_view line) {
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

}  // namespace

Document parse_text(std::string_view text, Encoding encoding) {
  Document doc;
  doc.encoding = encoding;
  doc.sections.emplace_back();
  Section* current = &doc.sections.back();
  EmptyNameRule rule;

  Lines lines(text);
  std::string_view line;
  while (lines.next(line)) {
    if (const auto name = header_name(line)) {
      current = &doc.sections.emplace_back(Section{std::string(*name), {}});
      rule.new_section();
      continue;
    }
    const EntryLine e = entry_line(line);
    if (!rule.keeps(e)) continue;
    current->entries.push_back(Entry{std::string(e.name), std::string(e.value), e.has_value});
    rule.kept(e);
  }
  return doc;
}

Document parse_file(std::string_view file_bytes) {
  if (file_bytes.empty()) return Document{};
  const FileText text(file_bytes);
  return parse_text(text.text(), text.encoding());
}

std::optional<std::string_view> lookup_value(std::string_view text, std::string_view section,
                                             std::string_view key) {
  section = trim_blanks(section);
  key = trim_blanks(key);

  // The unnamed section at the top is the first section of all.
  bool in_wanted = section.empty();
  EmptyNameRule rule;

  Lines lines(text);
  std::string_view line;
  while (lines.next(line)) {
    if (const auto name = header_name(line)) {
      // Only the first section of the name counts: leaving it ends the search.
      if (in_wanted) return std::nullopt;
      in_wanted = same_name(*name, section);
      rule.new_section();
      continue;
    }
    if (!in_wanted) continue;
    const EntryLine e = entry_line(line);
    if (!rule.keeps(e)) continue;
    if (same_name(e.name, key)) {
      if (!e.has_value) return std::nullopt;
      return e.value;
    }
    rule.kept(e);
  }
  return std::nullopt;
}

}  // namespace zel::ini
