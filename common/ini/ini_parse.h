#pragma once
// Reading a profile file the way the platform does. Every byte sequence has a
// reading; nothing here fails.
//
// Lines end at any run of CR and LF characters. Each line is trimmed of blanks;
// blank lines vanish. A line starting with "[" and holding a "]" opens a section
// named by the text between the "[" and the last "]", trimmed (the rest of the
// line is ignored). Any other line is an entry: name before the first "=" and
// value after it, both trimmed; a line without "=" is a name without a value.
// An entry with an empty name directly after another entry with an empty name in
// the same section is dropped. ";" starts no comment: such lines are entries.
#include <optional>
#include <string_view>

#include "common/ini/ini_document.h"

namespace zel::ini {

// The whole file (mark included) as a document.
Document parse_file(std::string_view file_bytes);

// The same reading of a text that has no mark (see FileText).
Document parse_text(std::string_view text, Encoding encoding);

// What find_entry would return for the parsed text, without building the
// document: the value of the entry that counts, or nothing when that entry is
// missing or has no value. The view points into `text`.
std::optional<std::string_view> lookup_value(std::string_view text, std::string_view section,
                                             std::string_view key);

}  // namespace zel::ini
