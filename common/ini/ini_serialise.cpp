#include "common/ini/ini_serialise.h"

namespace zel::ini {

std::string serialise_file(const Document& doc) {
  std::size_t size = 0;
  for (const Section& s : doc.sections) {
    size += s.name.size() + 4;
    for (const Entry& e : s.entries) size += e.name.size() + e.value.size() + 3;
  }
  std::string text;
  text.reserve(size);
  for (const Section& s : doc.sections) {
    if (!s.name.empty()) {
      text += '[';
      text += s.name;
      text += "]\r\n";
    }
    for (const Entry& e : s.entries) {
      text += e.name;
      if (e.has_value) {
        text += '=';
        text += e.value;
      }
      text += "\r\n";
    }
  }
  if (doc.encoding == Encoding::ansi) return text;
  return encode_file(text, doc.encoding);
}

}  // namespace zel::ini
