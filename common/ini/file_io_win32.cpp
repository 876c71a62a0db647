// The file layer on Windows.
#ifdef _WIN32

#include <windows.h>
#include <winternl.h>

#include <cstdint>
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
  return read_to_end(static_cast<std::size_t>(size.QuadPart), max_bytes,
                     [&file](char* buffer, std::size_t want) -> std::optional<std::size_t> {
                       DWORD got = 0;
                       if (!ReadFile(file.get(), buffer, static_cast<DWORD>(want), &got, nullptr)) {
                         return std::nullopt;
                       }
                       return got;
                     });
}

namespace {

// FILE_NETWORK_OPEN_INFORMATION, which NtQueryFullAttributesFile fills.
struct NetworkOpenInformation {
  LARGE_INTEGER creation_time;
  LARGE_INTEGER last_access_time;
  LARGE_INTEGER last_write_time;
  LARGE_INTEGER change_time;
  LARGE_INTEGER allocation_size;
  LARGE_INTEGER end_of_file;
  ULONG attributes;
};

// The stamp comes from NtQueryFullAttributesFile: by name, without opening a
// handle (a handle costs a round trip to the server under Wine), and unlike
// GetFileAttributesEx it includes the change time.
struct NtFunctions {
  using QueryFullAttributes = LONG(NTAPI*)(POBJECT_ATTRIBUTES, NetworkOpenInformation*);
  using DosPathToNtPath = BOOLEAN(NTAPI*)(PCWSTR, PUNICODE_STRING, PWSTR*, void*);
  using FreeUnicodeString = VOID(NTAPI*)(PUNICODE_STRING);

  QueryFullAttributes query_full_attributes = nullptr;
  DosPathToNtPath dos_path_to_nt_path = nullptr;
  FreeUnicodeString free_unicode_string = nullptr;

  bool usable() const { return query_full_attributes && dos_path_to_nt_path && free_unicode_string; }
};

template <class Function>
Function function_of(HMODULE module, const char* name) {
  // Through void (*)(), which converts to any function pointer type.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const NtFunctions& nt_functions() {
  static const NtFunctions functions = [] {
    NtFunctions f;
    if (const HMODULE ntdll = GetModuleHandleA("ntdll.dll")) {
      f.query_full_attributes = function_of<NtFunctions::QueryFullAttributes>(ntdll, "NtQueryFullAttributesFile");
      f.dos_path_to_nt_path = function_of<NtFunctions::DosPathToNtPath>(ntdll, "RtlDosPathNameToNtPathName_U");
      f.free_unicode_string = function_of<NtFunctions::FreeUnicodeString>(ntdll, "RtlFreeUnicodeString");
    }
    return f;
  }();
  return functions;
}

// 100-ns ticks since 1601 from 1970 on, as nanoseconds since 1970; nothing
// for earlier times and times past what 64 bits of nanoseconds hold.
std::optional<std::int64_t> nanoseconds(std::int64_t ticks) {
  constexpr std::int64_t kTicksTo1970 = 116444736000000000;
  constexpr std::int64_t kMaxTicks = kTicksTo1970 + INT64_MAX / 100;
  if (ticks < kTicksTo1970 || ticks > kMaxTicks) return std::nullopt;
  return (ticks - kTicksTo1970) * 100;
}

}  // namespace

std::optional<FileStamp> stamp_native_file(const std::string& path) {
  const NtFunctions& nt = nt_functions();
  if (!nt.usable()) return std::nullopt;
  // The name as CreateFileA reads it: in the code page of the file functions,
  // relative to the current folder of the moment.
  const UINT code_page = AreFileApisANSI() ? CP_ACP : CP_OEMCP;
  const int length = MultiByteToWideChar(code_page, 0, path.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, path.c_str(), -1, wide.data(), length);
  UNICODE_STRING nt_path{};
  if (!nt.dos_path_to_nt_path(wide.c_str(), &nt_path, nullptr, nullptr)) return std::nullopt;
  OBJECT_ATTRIBUTES attributes{};
  attributes.Length = sizeof attributes;
  attributes.ObjectName = &nt_path;
  attributes.Attributes = OBJ_CASE_INSENSITIVE;
  NetworkOpenInformation info{};
  const LONG status = nt.query_full_attributes(&attributes, &info);
  nt.free_unicode_string(&nt_path);

  if (status < 0 || (info.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0 ||
      info.end_of_file.QuadPart < 0) {
    return std::nullopt;
  }
  const auto write_time = nanoseconds(info.last_write_time.QuadPart);
  const auto change_time = info.change_time.QuadPart == 0 ? std::optional<std::int64_t>(0)
                                                          : nanoseconds(info.change_time.QuadPart);
  if (!write_time || !change_time) return std::nullopt;
  FileStamp stamp;
  stamp.size = static_cast<std::uint64_t>(info.end_of_file.QuadPart);
  stamp.write_time = *write_time;
  stamp.change_time = *change_time;
  stamp.identity = {static_cast<std::uint64_t>(info.creation_time.QuadPart), info.attributes};
  return stamp;
}

std::int64_t native_clock_now() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER ticks{};
  ticks.LowPart = now.dwLowDateTime;
  ticks.HighPart = now.dwHighDateTime;
  return nanoseconds(static_cast<std::int64_t>(ticks.QuadPart)).value_or(0);
}

ReplaceSteps& native_replace_steps() {
  static Win32ReplaceSteps steps;
  return steps;
}

}  // namespace zel::ini

#endif  // _WIN32
