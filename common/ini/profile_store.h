#pragma once
// The settings store: the one way the programs read and write INI files
// (the settings file, the skin file) and win.ini.
//
// Contract, the Windows private-profile rules:
//  - section and key names match without regard to case (ASCII);
//  - a missing file, section or key yields the caller's default;
//  - read_text returns at most `buffer_size - 1` characters (a buffer size of 0
//    yields the empty text), as a caller-sized buffer would hold them;
//  - read_int parses blanks, an optional sign and leading decimal digits (and,
//    as the platform does, a "0x", "0o" or "0b" prefix; overflow wraps); a
//    value that does not start that way reads 0; a missing key or an empty
//    value reads as the default;
//  - every write has reached the file when the call returns, and every read
//    answers what the file holds when it is made: another process may change
//    the file between two calls (a store keeps a copy across calls only
//    while it can tell that the file has not changed);
//  - a write that fails leaves the previous file whole and returns false.
// Names and values are C strings: they end at an embedded NUL.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zel {

struct ProfileWrite {
  std::string_view section;
  std::string_view key;
  std::string_view value;
};

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

  // The writes in order, with the file as one write_text call each would
  // leave it; a store may make them in a single update of the file, so that
  // no other reader sees only some of them. All are in the file when it
  // returns true. On false some or none of them are; this default makes them
  // one by one and goes on after a failure.
  virtual bool write_texts(std::span<const ProfileWrite> writes) {
    bool ok = true;
    for (const ProfileWrite& w : writes) ok = write_text(w.section, w.key, w.value) && ok;
    return ok;
  }
};

// Buffer size most keys are read with.
inline constexpr std::size_t kDefaultTextBuffer = 260;

}  // namespace zel
