#pragma once
// Writing a document back the way the platform does: each section as
// "[name]" (none for an unnamed section), then one "name=value" line per entry
// ("name" alone for an entry without a value), every line ending in CR LF, no
// blank lines; the file's mark and encoding as read.
#include <string>

#include "common/ini/ini_document.h"

namespace zel::ini {

std::string serialise_file(const Document& doc);

}  // namespace zel::ini
