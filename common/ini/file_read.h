#pragma once
// Reading a whole file from the real file system (POSIX or Win32), and its
// stamp: the read half of native_file_layer().
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/ini/file_layer.h"

namespace zel::ini {

// Reads an open file of `expected_size` bytes to its end through `read_some`
// (bytes read into the buffer, or nothing on an error). It asks for one byte
// more than expected, so a file that grew meanwhile is read on; a short read is
// the end. More than `max_bytes` makes the result too_large.
FileRead read_to_end(std::size_t expected_size, std::size_t max_bytes,
                     const std::function<std::optional<std::size_t>(char*, std::size_t)>& read_some);

FileRead read_native_file(const std::string& path, std::size_t max_bytes, bool for_update);

// FileLayer::stamp and FileLayer::now on the real file system.
std::optional<FileStamp> stamp_native_file(const std::string& path);
std::int64_t native_clock_now();

}  // namespace zel::ini
