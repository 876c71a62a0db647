// libFuzzer harness for the INI reader: any bytes as a profile file.
// Checks that reading never fails, that the fast lookup and the index find
// what the full document holds, and that writing back settles.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/ini/ini_document.h"
#include "common/ini/ini_encoding.h"
#include "common/ini/ini_index.h"
#include "common/ini/ini_parse.h"
#include "common/ini/ini_serialise.h"
#include "common/ini/ini_value.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const zel::ini::Document doc = zel::ini::parse_file(bytes);

  if (!bytes.empty()) {
    const zel::ini::FileText text(bytes);
    const zel::ini::IniIndex index{std::string(bytes)};
    std::vector<std::string_view> sections = {"", " ", "s"};
    std::vector<std::string_view> keys = {"", "k"};
    for (const auto& s : doc.sections) {
      sections.push_back(s.name);
      for (const auto& e : s.entries) keys.push_back(e.name);
    }
    for (std::string_view s : sections) {
      for (std::string_view k : keys) {
        const zel::ini::Entry* e = zel::ini::find_entry(doc, s, k);
        const auto found = zel::ini::lookup_value(text.text(), s, k);
        require(found.has_value() == (e != nullptr && e->has_value));
        require(index.lookup(s, k) == found);
        if (found) {
          require(*found == e->value);
          (void)zel::ini::copy_entry(zel::ini::text_to_ansi(*found, text.encoding()), 1 + size % 40);
          (void)zel::ini::parse_profile_int(*found);
        }
      }
    }
  }

  // Rewriting normalises the layout in one round; a rewrite that starts with
  // a byte-order mark (after a dropped blank first line) changes the encoding
  // and takes one round more to settle, as it does on the platform.
  std::string text = zel::ini::serialise_file(doc);
  for (int round = 0;; ++round) {
    std::string again = zel::ini::serialise_file(zel::ini::parse_file(text));
    if (again == text) break;
    require(round < 3);
    text = std::move(again);
  }
  return 0;
}
