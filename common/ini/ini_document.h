#pragma once
// A profile file as the platform sees it: an ordered list of sections, each an
// ordered list of entries. Duplicates are kept as they stand in the file; the
// lookups below decide which one counts.
//
// Text is in the file's own encoding for the store (see ini_encoding.h) and
// never holds a NUL: names and values end at the first one.
#include <string>
#include <string_view>
#include <vector>

#include "common/ini/ini_encoding.h"

namespace zel::ini {

struct Entry {
  std::string name;
  std::string value;
  // A line without "=" is an entry with a name and no value: it reads as
  // missing but is kept, and a write to its name gives it a value in place.
  bool has_value = false;
};

struct Section {
  // Empty for the entries before the first section header. Such a section
  // is written without a header.
  std::string name;
  std::vector<Entry> entries;
};

struct Document {
  Encoding encoding = Encoding::ansi;
  // Empty only for an empty or missing file; any other file starts with the
  // unnamed section, even when no entry precedes the first header.
  std::vector<Section> sections;
};

// The value a read finds, or nullptr: blanks around the names are ignored; only
// the first section of that name is searched, and in it the first entry of
// that name counts, with or without a value.
const Entry* find_entry(const Document& doc, std::string_view section, std::string_view key);

// Edits with the platform's rules. Each returns whether the document changed;
// an unchanged document is not written back.
//
// set_value: finds the entry as find_entry does; a missing entry is appended
// to the first section of that name, or to a new section at the end. New names
// keep their trailing blanks (leading blanks are dropped); leading blanks of
// the value are dropped. Writing the value an entry already has is no change.
bool set_value(Document& doc, std::string_view section, std::string_view key, std::string_view value);

// delete_entry: names must match exactly, blanks included (without regard to
// ASCII case); removes the first entry of that name from the first section of
// that name that holds one.
bool delete_entry(Document& doc, std::string_view section, std::string_view key);

// delete_section: removes the first section of that name (exact match as
// above), even an empty one; "" names the unnamed section at the top.
bool delete_section(Document& doc, std::string_view section);

}  // namespace zel::ini
