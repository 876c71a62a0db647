#pragma once
// Settings stores over the platform's own profile functions: one for a named
// INI file (GetPrivateProfileStringA and friends) and one for win.ini
// (GetProfileStringA and friends). win.ini always goes through these, since
// the system may map some of its sections elsewhere.
//
// The functions behave as zel::ProfileStore describes, with the platform's
// own caching: Windows and Wine keep a parsed copy of recently used files and
// re-read a file when its time stamp changes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "common/ini/profile_store.h"

namespace zel::platform::win32 {

class Win32ProfileStore final : public ProfileStore {
 public:
  // `path` is passed to the platform as is; a bare file name means a file in
  // the Windows folder.
  explicit Win32ProfileStore(std::string path) : path_(std::move(path)) {}

  std::string read_text(std::string_view section, std::string_view key,
                        std::string_view default_text, std::size_t buffer_size) override;
  std::int32_t read_int(std::string_view section, std::string_view key,
                        std::int32_t default_value) override;
  bool write_text(std::string_view section, std::string_view key, std::string_view value) override;
  bool delete_key(std::string_view section, std::string_view key) override;
  bool delete_section(std::string_view section) override;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

class Win32WinIniStore final : public ProfileStore {
 public:
  std::string read_text(std::string_view section, std::string_view key,
                        std::string_view default_text, std::size_t buffer_size) override;
  std::int32_t read_int(std::string_view section, std::string_view key,
                        std::int32_t default_value) override;
  bool write_text(std::string_view section, std::string_view key, std::string_view value) override;
  bool delete_key(std::string_view section, std::string_view key) override;
  bool delete_section(std::string_view section) override;
};

}  // namespace zel::platform::win32
