#pragma once
// The portable settings store: one INI file read and written with the
// platform's private-profile rules (as Wine's kernel32 applies them), over a
// file layer that replaces the file atomically.
//
// Each call reads the file afresh and a write that changes anything rewrites
// the whole file before it returns; nothing is kept between calls.
//
// Beyond ProfileStore's contract:
//  - names and values end at an embedded NUL, as C strings do;
//  - blanks around names are ignored when looking up; read_int and read_text
//    find the first entry of a name in the first section of a name;
//    delete_key and delete_section match names exactly (blanks count);
//  - a write of the value an entry already has leaves the file untouched;
//    any other write rewrites it in the platform's layout (CR LF lines, no
//    blank lines, blanks around names and values dropped);
//  - a value in matching quotes reads without them; a default loses its
//    trailing spaces;
//  - files with a byte-order mark (UTF-8, UTF-16) are read and rewritten in
//    their encoding; callers' text is code page 1252;
//  - a file that cannot be opened (a folder, no access, a missing folder)
//    reads as defaults, with the default's quotes kept, and refuses writes;
//  - a file longer than kMaxFileBytes is treated the same way: it is never
//    rewritten, so nothing of it is lost;
//  - write_texts makes a batch of plain writes in one update of the file;
//  - the path is used as given (the platform looks up a bare file name in the
//    Windows folder; callers here always pass a full path).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/ini/file_layer.h"
#include "common/ini/profile_store.h"

namespace zel {

class IniProfileStore final : public ProfileStore {
 public:
  // Settings files are a few kilobytes; anything near this is not one.
  static constexpr std::size_t kMaxFileBytes = 16u << 20;

  explicit IniProfileStore(std::string path, ini::FileLayer& files = ini::native_file_layer());

  std::string read_text(std::string_view section, std::string_view key,
                        std::string_view default_text, std::size_t buffer_size) override;
  std::int32_t read_int(std::string_view section, std::string_view key,
                        std::int32_t default_value) override;
  bool write_text(std::string_view section, std::string_view key, std::string_view value) override;
  bool delete_key(std::string_view section, std::string_view key) override;
  bool delete_section(std::string_view section) override;
  // One read and at most one rewrite of the file for all the writes, when
  // their names and values are plain (no blanks at either end, no line
  // breaks, keys without "=" and not starting with "["); otherwise one write
  // after the other. On failure none of them is in the file.
  bool write_texts(std::span<const ProfileWrite> writes) override;

  const std::string& path() const { return path_; }

 private:
  template <class Edit>
  bool update(Edit&& edit);

  std::string path_;
  ini::FileLayer& files_;
};

}  // namespace zel
