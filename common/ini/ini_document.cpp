#include "common/ini/ini_document.h"

#include <algorithm>

#include "common/ini/ini_text.h"

namespace zel::ini {
namespace {

Section* first_section_named(Document& doc, std::string_view trimmed_name) {
  for (Section& s : doc.sections) {
    if (same_name(s.name, trimmed_name)) return &s;
  }
  return nullptr;
}

}  // namespace

const Entry* find_entry(const Document& doc, std::string_view section, std::string_view key) {
  section = trim_blanks(section);
  key = trim_blanks(key);
  for (const Section& s : doc.sections) {
    if (!same_name(s.name, section)) continue;
    for (const Entry& e : s.entries) {
      if (same_name(e.name, key)) return &e;
    }
    return nullptr;
  }
  return nullptr;
}

bool set_value(Document& doc, std::string_view section, std::string_view key, std::string_view value) {
  section = trim_leading_blanks(section);
  key = trim_leading_blanks(key);
  value = trim_leading_blanks(value);

  Entry* entry = nullptr;
  if (Section* s = first_section_named(doc, trim_trailing_blanks(section))) {
    const std::string_view wanted = trim_trailing_blanks(key);
    for (Entry& e : s->entries) {
      if (same_name(e.name, wanted)) {
        entry = &e;
        break;
      }
    }
    if (entry == nullptr) entry = &s->entries.emplace_back(Entry{std::string(key), {}, false});
  } else {
    Section& added = doc.sections.emplace_back(Section{std::string(section), {}});
    entry = &added.entries.emplace_back(Entry{std::string(key), {}, false});
  }

  if (entry->has_value && entry->value == value) return false;
  entry->value.assign(value);
  entry->has_value = true;
  return true;
}

bool delete_entry(Document& doc, std::string_view section, std::string_view key) {
  for (Section& s : doc.sections) {
    if (!same_name(s.name, section)) continue;
    const auto it = std::find_if(s.entries.begin(), s.entries.end(),
                                 [&](const Entry& e) { return same_name(e.name, key); });
    if (it != s.entries.end()) {
      s.entries.erase(it);
      return true;
    }
  }
  return false;
}

bool delete_section(Document& doc, std::string_view section) {
  const auto it = std::find_if(doc.sections.begin(), doc.sections.end(),
                               [&](const Section& s) { return same_name(s.name, section); });
  if (it == doc.sections.end()) return false;
  doc.sections.erase(it);
  return true;
}

}  // namespace zel::ini
