#include "common/ini/ini_parse.h"

#include "common/ini/ini_lines.h"
#include "common/ini/ini_text.h"

namespace zel::ini {

using lines::EmptyNameRule;
using lines::EntryLine;
using lines::Lines;

Document parse_text(std::string_view text, Encoding encoding) {
  Document doc;
  doc.encoding = encoding;
  doc.sections.emplace_back();
  Section* current = &doc.sections.back();
  EmptyNameRule rule;

  Lines input(text);
  std::string_view line;
  while (input.next(line)) {
    if (const auto name = lines::header_name(line)) {
      current = &doc.sections.emplace_back(Section{std::string(*name), {}});
      rule.new_section();
      continue;
    }
    const EntryLine e = lines::entry_line(line);
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

  Lines input(text);
  // The unnamed section at the top is the first section of all; any other
  // name counts at its first header only.
  if (!section.empty()) {
    std::string_view name;
    do {
      if (!input.next_header(name)) return std::nullopt;
    } while (!same_name(name, section));
  }

  EmptyNameRule rule;
  std::string_view line;
  while (input.next(line)) {
    // Leaving the wanted section ends the search.
    if (lines::header_name(line)) return std::nullopt;
    const EntryLine e = lines::entry_line(line);
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
