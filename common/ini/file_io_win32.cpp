// The file layer on Windows.
#ifdef _WIN32

#include <windows.h>

#include <string>

#include "common/ini/atomic_replace.h"
#include "common/ini/file_read.h"

namespace zel::ini {
namespace {

HANDLE as_handle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

class Win32ReplaceSteps final : public ReplaceSteps {
 public:
  bool create_temp_beside(const std::string& target, Temp& temp) override {
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name = target + ".~" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(counter_++);
      HANDLE h = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
      if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
        return false;
      }
      temp.path = std::move(name);
      temp.handle = reinterpret_cast<std::intptr_t>(h);
      return true;
    }
    return false;
  }

  std::size_t write_some(Temp& temp, std::string_view bytes) override {
    const DWORD want = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(as_handle(temp.handle), bytes.data(), want, &written, nullptr)) return 0;
    return written;
  }

  bool flush(Temp& temp) override { return FlushFileBuffers(as_handle(temp.handle)) != 0; }

  bool close(Temp& temp) override {
    const HANDLE h = as_handle(temp.handle);
    temp.handle = -1;
    return CloseHandle(h) != 0;
  }

  bool rename_over(const Temp& temp, const std::string& target) override {
    // Another program may hold the file open for a moment (the TV program
    // reads it through the profile functions); try again briefly.
    for (int attempt = 0;; ++attempt) {
      if (MoveFileExA(temp.path.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
      }
      const DWORD error = GetLastError();
      if (attempt >= 20 || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED &&
                            error != ERROR_LOCK_VIOLATION)) {
        return false;
      }
      Sleep(5);
    }
  }

  void discard(Temp& temp) override {
    if (temp.handle != -1) {
      CloseHandle(as_handle(temp.handle));
      temp.handle = -1;
    }
    DeleteFileA(temp.path.c_str());
  }

 private:
  unsigned counter_ = 0;
};

}  // namespace

FileRead read_native_file(const std::string& path, std::size_t max_bytes, bool for_update) {
  FileRead result;
  const DWORD access = GENERIC_READ | (for_update ? GENERIC_WRITE : 0);
  Handle file(CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    result.status = GetLastError() == ERROR_FILE_NOT_FOUND ? ReadStatus::missing : ReadStatus::failed;
    return result;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) {
    result.status = ReadStatus::failed;
    return result;
  }
  if (static_cast<unsigned long long>(size.QuadPart) > max_bytes) {
    result.status = ReadStatus::too_large;
    return result;
  }
  // One byte more than the size shows a file that grew meanwhile; a short
  // read is the end of the file.
  result.bytes.resize(static_cast<std::size_t>(size.QuadPart) + 1);
  std::size_t done = 0;
  for (;;) {
    const auto want = static_cast<DWORD>(result.bytes.size() - done);
    DWORD got = 0;
    if (!ReadFile(file.get(), result.bytes.data() + done, want, &got, nullptr)) {
      result.bytes.clear();
      result.status = ReadStatus::failed;
      return result;
    }
    done += got;
    if (got < want || done > max_bytes) break;
    result.bytes.resize(done + 4096);
  }
  result.bytes.resize(done);
  if (done > max_bytes) {
    result.bytes.clear();
    result.status = ReadStatus::too_large;
    return result;
  }
  result.status = ReadStatus::ok;
  return result;
}

ReplaceSteps& native_replace_steps() {
  static Win32ReplaceSteps steps;
  return steps;
}

}  // namespace zel::ini

#endif  // _WIN32
