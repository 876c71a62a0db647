#pragma once
// The file operations under the settings store: read a whole file, replace a
// whole file, and tell without opening a file whether it may have changed.
// Nothing is cached; each call goes to the file system.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
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

// What the file system tells about a file without opening it. Times are in
// nanoseconds since 1970 on the clock of FileLayer::now().
struct FileStamp {
  std::uint64_t size = 0;
  // Set by every write of the content.
  std::int64_t write_time = 0;
  // Set by every change of content or metadata, renames and time changes
  // included; 0 where the file system keeps no such time.
  std::int64_t change_time = 0;
  // Whatever else tells one file from another under the same name: the
  // device and file number (POSIX), the creation time and attributes
  // (Windows).
  std::array<std::uint64_t, 2> identity{};

  bool operator==(const FileStamp&) const = default;
  std::int64_t newest_time() const { return std::max(write_time, change_time); }
};

class FileLayer {
 public:
  virtual ~FileLayer() = default;

  // The stamp of the regular file at `path`, or nothing: no such file, not a
  // regular file, or no cheap way to tell. Any change of the file after this
  // call that the file system stamps at a later time than write_time and
  // change_time give here makes a later stamp differ from this one.
  virtual std::optional<FileStamp> stamp(const std::string& path) {
    (void)path;
    return std::nullopt;
  }

  // The time now, on the clock the file system stamps changes with.
  virtual std::int64_t now() { return 0; }

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
