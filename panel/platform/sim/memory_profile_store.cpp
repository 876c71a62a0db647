#include "panel/platform/sim/memory_profile_store.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace zel::platform::sim {
namespace {

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

MemoryProfileStore::Section* MemoryProfileStore::find_section(std::string_view name) {
  for (auto& s : sections_) {
    if (same_name(s.name, name)) return &s;
  }
  return nullptr;
}

const MemoryProfileStore::Section* MemoryProfileStore::find_section(std::string_view name) const {
  for (const auto& s : sections_) {
    if (same_name(s.name, name)) return &s;
  }
  return nullptr;
}

const MemoryProfileStore::Entry* MemoryProfileStore::find_entry(std::string_view section,
                                                                std::string_view key) const {
  const Section* s = find_section(section);
  if (s == nullptr) return nullptr;
  for (const auto& e : s->entries) {
    if (same_name(e.key, key)) return &e;
  }
  return nullptr;
}

std::string MemoryProfileStore::read_text(std::string_view section, std::string_view key,
                                          std::string_view default_text, std::size_t buffer_size) {
  if (buffer_size == 0) return {};
  const Entry* e = find_entry(section, key);
  const std::string_view value = e != nullptr ? std::string_view(e->value) : default_text;
  return std::string(value.substr(0, buffer_size - 1));
}

std::int32_t MemoryProfileStore::read_int(std::string_view section, std::string_view key,
                                          std::int32_t default_value) {
  const Entry* e = find_entry(section, key);
  if (e == nullptr) return default_value;
  std::string_view v = e->value;
  while (!v.empty() && (v.front() == ' ' || v.front() == '\t')) v.remove_prefix(1);
  bool negative = false;
  if (!v.empty() && (v.front() == '-' || v.front() == '+')) {
    negative = v.front() == '-';
    v.remove_prefix(1);
  }
  // Wrap-around like the 32-bit arithmetic of the profile functions, without
  // signed overflow.
  std::uint32_t magnitude = 0;
  for (char c : v) {
    if (c < '0' || c > '9') break;
    magnitude = magnitude * 10u + static_cast<std::uint32_t>(c - '0');
  }
  if (negative) magnitude = 0u - magnitude;
  return static_cast<std::int32_t>(magnitude);
}

bool MemoryProfileStore::write_text(std::string_view section, std::string_view key,
                                    std::string_view value) {
  Section* s = find_section(section);
  if (s == nullptr) {
    sections_.push_back(Section{std::string(section), {}});
    s = &sections_.back();
  }
  for (auto& e : s->entries) {
    if (same_name(e.key, key)) {
      e.value = std::string(value);
      return true;
    }
  }
  s->entries.push_back(Entry{std::string(key), std::string(value)});
  return true;
}

bool MemoryProfileStore::delete_key(std::string_view section, std::string_view key) {
  Section* s = find_section(section);
  if (s == nullptr) return true;
  std::erase_if(s->entries, [&](const Entry& e) { return same_name(e.key, key); });
  return true;
}

bool MemoryProfileStore::delete_section(std::string_view section) {
  std::erase_if(sections_, [&](const Section& s) { return same_name(s.name, section); });
  return true;
}

void MemoryProfileStore::load(std::string_view text) {
  sections_.clear();
  Section* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = trim(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      const std::string_view name =
          trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
      current = find_section(name);
      if (current == nullptr) {
        sections_.push_back(Section{std::string(name), {}});
        current = &sections_.back();
      }
      continue;
    }
    const std::size_t eq = line.find('=');
    if (current == nullptr || eq == std::string_view::npos) continue;
    write_text(current->name, trim(line.substr(0, eq)), trim(line.substr(eq + 1)));
  }
}

std::string MemoryProfileStore::text() const {
  std::string out;
  for (const auto& s : sections_) {
    out += "[" + s.name + "]\n";
    for (const auto& e : s.entries) out += e.key + "=" + e.value + "\n";
  }
  return out;
}

bool MemoryProfileStore::has_key(std::string_view section, std::string_view key) const {
  return find_entry(section, key) != nullptr;
}

bool MemoryProfileStore::has_section(std::string_view section) const {
  return find_section(section) != nullptr;
}

}  // namespace zel::platform::sim
