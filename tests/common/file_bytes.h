#pragma once
// Whole-file bytes for tests and timing programs, on the host and under Wine,
// and a readable form of bytes for failure messages.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace zel::test {

inline void put_file(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The file's bytes, or "<missing>".
inline std::string file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Control and high bytes as \xNN, so that failures print readably.
inline std::string escaped(std::string_view s) {
  std::string out;
  char buf[8];
  for (unsigned char c : s) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c >= 0x20 && c < 0x7f && c != '\\') {
      out += static_cast<char>(c);
    } else {
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    }
  }
  return out;
}

}  // namespace zel::test
