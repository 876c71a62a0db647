#include "common/ini/ini_index.h"

#include <utility>

#include "common/ini/ini_lines.h"
#include "common/ini/ini_text.h"

namespace zel::ini {
namespace {

// FNV-1a over the ASCII-lower-cased bytes: names that same_name() matches
// hash alike.
std::uint32_t name_hash(std::string_view name) {
  std::uint32_t h = 2166136261u;
  for (char c : name) {
    h ^= static_cast<unsigned char>(ascii_lower(c));
    h *= 16777619u;
  }
  return h;
}

std::uint32_t entry_slot_hash(std::uint32_t section, std::uint32_t key_hash) {
  std::uint32_t h = key_hash ^ (section * 0x9E3779B1u);
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  return h;
}

// The slot holding what `matches` accepts, or a free slot (0).
template <class Matches>
std::uint32_t find_slot(const std::vector<std::uint32_t>& slots, std::uint32_t hash, Matches&& matches) {
  const std::size_t mask = slots.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    if (slots[i] == 0 || matches(slots[i] - 1)) return slots[i];
  }
}

std::uint32_t& free_slot(std::vector<std::uint32_t>& slots, std::uint32_t hash) {
  const std::size_t mask = slots.size() - 1;
  std::size_t i = hash & mask;
  while (slots[i] != 0) i = (i + 1) & mask;
  return slots[i];
}

// Keeps a table at most half full when one more item goes in; `hash_of(i)`
// gives the slot hash of item i.
template <class HashOf>
void make_room(std::vector<std::uint32_t>& slots, std::size_t items, HashOf&& hash_of) {
  if (2 * (items + 1) <= slots.size()) return;
  std::vector<std::uint32_t> bigger(slots.empty() ? 16 : 2 * slots.size(), 0);
  for (std::size_t item = 0; item < items; ++item) {
    free_slot(bigger, hash_of(item)) = static_cast<std::uint32_t>(item + 1);
  }
  slots = std::move(bigger);
}

}  // namespace

IniIndex::IniIndex(std::string file_bytes) : bytes_(std::move(file_bytes)), text_(bytes_) { build(); }

void IniIndex::build() {
  // The unnamed section at the top always exists, and is the one section
  // named "": a later "[]" is a second section of that name.
  constexpr std::uint32_t kNotIndexed = 0xFFFFFFFFu;
  std::uint32_t current = add_section({}, name_hash({}));
  lines::EmptyNameRule rule;

  lines::Lines input(text_.text());
  std::string_view line;
  while (input.next(line)) {
    if (const auto name = lines::header_name(line)) {
      const std::uint32_t hash = name_hash(*name);
      // Only the first section of a name is ever searched.
      current = find_section(*name, hash) ? kNotIndexed : add_section(*name, hash);
      rule.new_section();
      continue;
    }
    if (current == kNotIndexed) continue;
    const lines::EntryLine e = lines::entry_line(line);
    if (!rule.keeps(e)) continue;
    rule.kept(e);
    const std::uint32_t hash = name_hash(e.name);
    // The first entry of a name counts, with or without a value.
    if (find_entry(current, e.name, hash) == nullptr) {
      add_entry(IndexedEntry{e.name, e.value, current, hash, e.has_value});
    }
  }
}

std::uint32_t IniIndex::add_section(std::string_view name, std::uint32_t hash) {
  make_room(section_slots_, sections_.size(), [&](std::size_t i) { return sections_[i].hash; });
  const auto id = static_cast<std::uint32_t>(sections_.size());
  sections_.push_back(IndexedSection{name, hash});
  free_slot(section_slots_, hash) = id + 1;
  return id;
}

void IniIndex::add_entry(const IndexedEntry& entry) {
  make_room(entry_slots_, entries_.size(),
            [&](std::size_t i) { return entry_slot_hash(entries_[i].section, entries_[i].hash); });
  entries_.push_back(entry);
  free_slot(entry_slots_, entry_slot_hash(entry.section, entry.hash)) = static_cast<std::uint32_t>(entries_.size());
}

std::optional<std::uint32_t> IniIndex::find_section(std::string_view name, std::uint32_t hash) const {
  const std::uint32_t slot = find_slot(section_slots_, hash, [&](std::uint32_t i) {
    return sections_[i].hash == hash && same_name(sections_[i].name, name);
  });
  if (slot == 0) return std::nullopt;
  return slot - 1;
}

const IniIndex::IndexedEntry* IniIndex::find_entry(std::uint32_t section, std::string_view name,
                                                    std::uint32_t hash) const {
  if (entry_slots_.empty()) return nullptr;
  const std::uint32_t slot = find_slot(entry_slots_, entry_slot_hash(section, hash), [&](std::uint32_t i) {
    const IndexedEntry& e = entries_[i];
    return e.section == section && e.hash == hash && same_name(e.name, name);
  });
  return slot == 0 ? nullptr : &entries_[slot - 1];
}

std::optional<std::string_view> IniIndex::lookup(std::string_view section, std::string_view key) const {
  section = trim_blanks(section);
  key = trim_blanks(key);
  const auto s = find_section(section, name_hash(section));
  if (!s) return std::nullopt;
  const IndexedEntry* e = find_entry(*s, key, name_hash(key));
  if (e == nullptr || !e->has_value) return std::nullopt;
  return e->value;
}

}  // namespace zel::ini
