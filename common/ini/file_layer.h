#pragma once
// The file operations under the settings store: read a whole file, replace a
// whole file. Nothing is cached; each call goes to the file system.
#include <cstddef>
#include <string>
#include <string_view>

namespace zel::ini {

enum class ReadStatus {
  ok,
  missing,    // no such file, but its folder exists
  failed,     // any other failure: a folder, no access, a missing folder, ...
  too_large,  // longer than the caller's limit; not read
};

struct FileRead {
  ReadStatus status = ReadStatus::missing;
  std::string bytes;
};

class FileLayer {
 public:
  virtual ~FileLayer() = default;

  // Reads the whole file if it holds at most `max_bytes`. With `for_update`
  // the file is opened for writing as well, so a file this process may not
  // write reads as failed.
  virtual FileRead read(const std::string& path, std::size_t max_bytes, bool for_update) = 0;

  // Replaces the file's content in one step: the new content goes to a
  // temporary file in the same folder, is flushed to the disk and renamed over
  // the file. Returns false when any step fails; the file then still holds its
  // previous content, byte for byte, and no temporary file is left behind.
  virtual bool replace(const std::string& path, std::string_view bytes) = 0;
};

// The real file system (POSIX or Win32).
FileLayer& native_file_layer();

}  // namespace zel::ini
