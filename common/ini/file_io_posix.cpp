// The file layer on POSIX systems (the host build).
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <ctime>
#include <string>

#include "common/ini/atomic_replace.h"
#include "common/ini/file_read.h"

namespace zel::ini {
namespace {

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool is_folder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

class PosixReplaceSteps final : public ReplaceSteps {
 public:
  bool create_temp_beside(const std::string& target, Temp& temp) override {
    static std::atomic<unsigned> counter{0};
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name = target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
      const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd < 0) {
        if (errno == EEXIST) continue;
        return false;
      }
      // The new file keeps the permissions of the one it replaces.
      if (exists) (void)::fchmod(fd, st.st_mode & 07777);
      temp.path = std::move(name);
      temp.handle = fd;
      return true;
    }
    return false;
  }

  std::size_t write_some(Temp& temp, std::string_view bytes) override {
    for (;;) {
      const ssize_t n = ::write(static_cast<int>(temp.handle), bytes.data(), bytes.size());
      if (n > 0) return static_cast<std::size_t>(n);
      if (n < 0 && errno == EINTR) continue;
      return 0;
    }
  }

  bool flush(Temp& temp) override { return ::fsync(static_cast<int>(temp.handle)) == 0; }

  bool close(Temp& temp) override {
    const int fd = static_cast<int>(temp.handle);
    temp.handle = -1;
    return ::close(fd) == 0;
  }

  bool rename_over(const Temp& temp, const std::string& target) override {
    if (::rename(temp.path.c_str(), target.c_str()) != 0) return false;
    // Make the new name durable too; the content already is.
    const int dir = ::open(folder_of(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      (void)::fsync(dir);
      ::close(dir);
    }
    return true;
  }

  void discard(Temp& temp) override {
    if (temp.handle >= 0) {
      ::close(static_cast<int>(temp.handle));
      temp.handle = -1;
    }
    ::unlink(temp.path.c_str());
  }
};

}  // namespace

FileRead read_native_file(const std::string& path, std::size_t max_bytes, bool for_update) {
  FileRead result;
  const int flags = (for_update ? O_RDWR : O_RDONLY) | O_CLOEXEC;
  FileDescriptor fd(::open(path.c_str(), flags));
  if (fd.get() < 0) {
    // As on Windows, only a missing file in an existing folder reads as
    // missing; a missing folder is a failure.
    result.status = (errno == ENOENT && is_folder(folder_of(path))) ? ReadStatus::missing
                                                                    : ReadStatus::failed;
    return result;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    result.status = ReadStatus::failed;
    return result;
  }
  if (static_cast<unsigned long long>(st.st_size) > max_bytes) {
    result.status = ReadStatus::too_large;
    return result;
  }
  return read_to_end(static_cast<std::size_t>(st.st_size), max_bytes,
                     [&fd](char* buffer, std::size_t want) -> std::optional<std::size_t> {
                       for (;;) {
                         const ssize_t n = ::read(fd.get(), buffer, want);
                         if (n >= 0) return static_cast<std::size_t>(n);
                         if (errno != EINTR) return std::nullopt;
                       }
                     });
}

namespace {

// Nanoseconds since 1970, or nothing for times outside what 64 bits hold.
std::optional<std::int64_t> nanoseconds(const struct timespec& t) {
  constexpr std::int64_t kMaxSeconds = 9'000'000'000;
  if (t.tv_sec < -kMaxSeconds || t.tv_sec > kMaxSeconds) return std::nullopt;
  return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

}  // namespace

std::optional<FileStamp> stamp_native_file(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  const auto write_time = nanoseconds(st.st_mtim);
  const auto change_time = nanoseconds(st.st_ctim);
  if (!write_time || !change_time) return std::nullopt;
  FileStamp stamp;
  stamp.size = static_cast<std::uint64_t>(st.st_size);
  stamp.write_time = *write_time;
  stamp.change_time = *change_time;
  stamp.identity = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
  return stamp;
}

std::int64_t native_clock_now() {
  struct timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return nanoseconds(now).value_or(0);
}

ReplaceSteps& native_replace_steps() {
  static PosixReplaceSteps steps;
  return steps;
}

}  // namespace zel::ini

#endif  // !_WIN32
