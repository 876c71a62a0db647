#include "panel/platform/win32/win32_profile_store.h"

#include <windows.h>

#include <algorithm>

namespace zel::platform::win32 {
namespace {

// Buffers larger than this are never needed: the portable store does not
// read files of more than 16 MiB either.
constexpr std::size_t kMaxBuffer = (16u << 20) + 1;

// The platform takes C strings: the arguments end at an embedded NUL.
std::string c_string(std::string_view s) { return std::string(s.substr(0, s.find('\0'))); }

template <class Read>
std::string read_into_buffer(std::size_t buffer_size, Read&& read) {
  if (buffer_size == 0) return {};
  std::string buffer(std::min(buffer_size, kMaxBuffer), '\0');
  const DWORD n = read(buffer.data(), static_cast<DWORD>(buffer.size()));
  buffer.resize(std::min<std::size_t>(n, buffer.size() - 1));
  return buffer;
}

}  // namespace

std::string Win32ProfileStore::read_text(std::string_view section, std::string_view key,
                                         std::string_view default_text, std::size_t buffer_size) {
  const std::string s = c_string(section), k = c_string(key), d = c_string(default_text);
  return read_into_buffer(buffer_size, [&](char* buffer, DWORD size) {
    return GetPrivateProfileStringA(s.c_str(), k.c_str(), d.c_str(), buffer, size, path_.c_str());
  });
}

std::int32_t Win32ProfileStore::read_int(std::string_view section, std::string_view key,
                                         std::int32_t default_value) {
  const std::string s = c_string(section), k = c_string(key);
  return static_cast<std::int32_t>(GetPrivateProfileIntA(s.c_str(), k.c_str(), default_value, path_.c_str()));
}

bool Win32ProfileStore::write_text(std::string_view section, std::string_view key, std::string_view value) {
  const std::string s = c_string(section), k = c_string(key), v = c_string(value);
  return WritePrivateProfileStringA(s.c_str(), k.c_str(), v.c_str(), path_.c_str()) != 0;
}

bool Win32ProfileStore::delete_key(std::string_view section, std::string_view key) {
  const std::string s = c_string(section), k = c_string(key);
  return WritePrivateProfileStringA(s.c_str(), k.c_str(), nullptr, path_.c_str()) != 0;
}

bool Win32ProfileStore::delete_section(std::string_view section) {
  const std::string s = c_string(section);
  return WritePrivateProfileStringA(s.c_str(), nullptr, nullptr, path_.c_str()) != 0;
}

std::string Win32WinIniStore::read_text(std::string_view section, std::string_view key,
                                        std::string_view default_text, std::size_t buffer_size) {
  const std::string s = c_string(section), k = c_string(key), d = c_string(default_text);
  return read_into_buffer(buffer_size, [&](char* buffer, DWORD size) {
    return GetProfileStringA(s.c_str(), k.c_str(), d.c_str(), buffer, size);
  });
}

std::int32_t Win32WinIniStore::read_int(std::string_view section, std::string_view key,
                                        std::int32_t default_value) {
  const std::string s = c_string(section), k = c_string(key);
  return static_cast<std::int32_t>(GetProfileIntA(s.c_str(), k.c_str(), default_value));
}

bool Win32WinIniStore::write_text(std::string_view section, std::string_view key, std::string_view value) {
  const std::string s = c_string(section), k = c_string(key), v = c_string(value);
  return WriteProfileStringA(s.c_str(), k.c_str(), v.c_str()) != 0;
}

bool Win32WinIniStore::delete_key(std::string_view section, std::string_view key) {
  const std::string s = c_string(section), k = c_string(key);
  return WriteProfileStringA(s.c_str(), k.c_str(), nullptr) != 0;
}

bool Win32WinIniStore::delete_section(std::string_view section) {
  const std::string s = c_string(section);
  return WriteProfileStringA(s.c_str(), nullptr, nullptr) != 0;
}

}  // namespace zel::platform::win32
