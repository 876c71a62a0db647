#pragma once
// Reading a whole file from the real file system (POSIX or Win32); the read
// half of native_file_layer().
#include <cstddef>
#include <string>

#include "common/ini/file_layer.h"

namespace zel::ini {

FileRead read_native_file(const std::string& path, std::size_t max_bytes, bool for_update);

}  // namespace zel::ini
