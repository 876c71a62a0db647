#pragma once
// Reading a whole file from the real file system (POSIX or Win32), and its
// stamp: the read half of native_file_layer().
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "common/ini/file_layer.h"

namespace zel::ini {

FileRead read_native_file(const std::string& path, std::size_t max_bytes, bool for_update);

// FileLayer::stamp and FileLayer::now on the real file system.
std::optional<FileStamp> stamp_native_file(const std::string& path);
std::int64_t native_clock_now();

}  // namespace zel::ini
