#pragma once
// The settings store: the one way the programs read and write INI files
// (the settings file, the skin file) and win.ini.
//
// Contract, the Windows private-profile rules:
//  - section and key names match without regard to case (ASCII);
//  - a missing file, section or key yields the caller's default;
//  - read_text returns at most `buffer_size - 1` characters (a buffer size of 0
//    yields the empty text), as a caller-sized buffer would hold them;
//  - read_int parses blanks, an optional sign and leading decimal digits; a
//    value that does not start that way reads 0; a missing key the default;
//  - every write has reached the file when the call returns, and nothing is
//    cached across calls: another process may change the file in between;
//  - a write that fails leaves the previous file whole and returns false.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zel {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  virtual std::string read_text(std::string_view section, std::string_view key,
                                std::string_view default_text, std::size_t buffer_size) = 0;
  virtual std::int32_t read_int(std::string_view section, std::string_view key,
                                std::int32_t default_value) = 0;
  virtual bool write_text(std::string_view section, std::string_view key,
                          std::string_view value) = 0;
  virtual bool delete_key(std::string_view section, std::string_view key) = 0;
  virtual bool delete_section(std::string_view section) = 0;
};

// Buffer size most keys are read with.
inline constexpr std::size_t kDefaultTextBuffer = 260;

}  // namespace zel
