#pragma once
// A profile file read once and indexed for lookups: each lookup gives what
// lookup_value gives on the file's text, without going through the text.
//
// Only what a lookup can find is indexed: the first section of each name
// (the unnamed one at the top included) and, in it, the first entry of each
// name. Names are found without regard to ASCII case through hash tables;
// a lookup allocates nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini/ini_encoding.h"

namespace zel::ini {

class IniIndex {
 public:
  explicit IniIndex(std::string file_bytes);
  // Lookups hand out views into the index's own text: it stays in place.
  IniIndex(const IniIndex&) = delete;
  IniIndex& operator=(const IniIndex&) = delete;

  Encoding encoding() const { return text_.encoding(); }

  // As lookup_value(text, section, key) on the file's text (see FileText):
  // names are in the file's encoding, and the view points into the index.
  std::optional<std::string_view> lookup(std::string_view section, std::string_view key) const;

 private:
  struct IndexedSection {
    std::string_view name;
    std::uint32_t hash;
  };
  struct IndexedEntry {
    std::string_view name;
    std::string_view value;
    std::uint32_t section;
    std::uint32_t hash;
    bool has_value;
  };

  void build();
  std::uint32_t add_section(std::string_view name, std::uint32_t hash);
  std::optional<std::uint32_t> find_section(std::string_view name, std::uint32_t hash) const;
  const IndexedEntry* find_entry(std::uint32_t section, std::string_view name, std::uint32_t hash) const;
  void add_entry(const IndexedEntry& entry);

  const std::string bytes_;
  const FileText text_;  // views bytes_
  std::vector<IndexedSection> sections_;
  std::vector<IndexedEntry> entries_;
  // Open addressing, sizes a power of two: 1 + the position in sections_ or
  // entries_, 0 for a free slot.
  std::vector<std::uint32_t> section_slots_;
  std::vector<std::uint32_t> entry_slots_;
};

}  // namespace zel::ini
