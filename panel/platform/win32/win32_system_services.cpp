#include "panel/platform/win32/win32_system_services.h"

#include <windows.h>

#include <string>

#include "common/ini/ini_profile_store.h"
#include "panel/platform/win32/win32_window_system.h"

namespace zel::platform::win32 {
namespace {

std::string c_string(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

}  // namespace

bool Win32Timers::set_timer(WindowId window, std::uint32_t id, std::uint32_t period_ms) {
  return SetTimer(to_hwnd(window), id, period_ms, nullptr) != 0;
}

bool Win32Timers::kill_timer(WindowId window, std::uint32_t id) {
  return KillTimer(to_hwnd(window), id) != FALSE;
}

Answer Win32MessageBoxes::show_message_box(const MessageBoxRequest& request) {
  const std::string text = c_string(request.text);
  const std::string caption = request.caption ? c_string(*request.caption) : std::string();
  return static_cast<Answer>(MessageBoxA(to_hwnd(request.owner), text.c_str(),
                                         request.caption ? caption.c_str() : nullptr, request.type));
}

int Win32PowerSettings::get_active(PowerFeature feature) {
  BOOL active = FALSE;
  if (!SystemParametersInfoA(spi_numbers(feature).get, 0, &active, 0)) return 0;
  return active;
}

bool Win32PowerSettings::set_active(PowerFeature feature, int value) {
  return SystemParametersInfoA(spi_numbers(feature).set, static_cast<UINT>(value), nullptr,
                               kSpifUpdateAndSend) != FALSE;
}

bool Win32HotKeys::register_hot_key(WindowId window, int id, std::uint32_t modifiers,
                                    std::uint32_t virtual_key) {
  return RegisterHotKey(to_hwnd(window), id, modifiers, virtual_key) != FALSE;
}

std::uint32_t Win32ProcessServices::win_exec(std::string_view command_line, Show show) {
  const std::string line = c_string(command_line);
  return WinExec(line.c_str(), static_cast<UINT>(show));
}

bool Win32ProcessServices::set_current_directory(std::string_view path) {
  const std::string folder = c_string(path);
  return SetCurrentDirectoryA(folder.c_str()) != FALSE;
}

std::string Win32ProcessServices::current_directory() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  if (size == 0) return {};
  std::string folder(size, '\0');
  const DWORD length = GetCurrentDirectoryA(size, folder.data());
  folder.resize(length < size ? length : 0);
  return folder;
}

void Win32ProcessServices::sleep(std::uint32_t milliseconds) { Sleep(milliseconds); }

std::unique_ptr<ProfileStore> Win32Profiles::open_profile(std::string_view path) {
  return std::make_unique<IniProfileStore>(std::string(path));
}

}  // namespace zel::platform::win32
