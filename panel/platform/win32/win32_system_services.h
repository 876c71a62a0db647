#pragma once
// The small seams over single Windows calls: window timers (SetTimer,
// KillTimer), message boxes (MessageBoxA), the power switches
// (SystemParametersInfoA), hot keys (RegisterHotKey), the process services
// (WinExec, SetCurrentDirectoryA, GetCurrentDirectoryA, Sleep) and the
// settings stores (win.ini through the profile functions, other files through
// the portable IniProfileStore).
#include <memory>

#include "panel/platform/hot_keys.h"
#include "panel/platform/message_boxes.h"
#include "panel/platform/power_settings.h"
#include "panel/platform/process_services.h"
#include "panel/platform/profiles.h"
#include "panel/platform/timers.h"
#include "panel/platform/win32/win32_profile_store.h"

namespace zel::platform::win32 {

class Win32Timers final : public Timers {
 public:
  bool set_timer(WindowId window, std::uint32_t id, std::uint32_t period_ms) override;
  bool kill_timer(WindowId window, std::uint32_t id) override;
};

class Win32MessageBoxes final : public MessageBoxes {
 public:
  Answer show_message_box(const MessageBoxRequest& request) override;
};

class Win32PowerSettings final : public PowerSettings {
 public:
  // 0 when the system does not answer.
  int get_active(PowerFeature feature) override;
  bool set_active(PowerFeature feature, int value) override;
};

class Win32HotKeys final : public HotKeys {
 public:
  bool register_hot_key(WindowId window, int id, std::uint32_t modifiers,
                        std::uint32_t virtual_key) override;
};

class Win32ProcessServices final : public ProcessServices {
 public:
  std::uint32_t win_exec(std::string_view command_line, Show show) override;
  bool set_current_directory(std::string_view path) override;
  std::string current_directory() override;
  void sleep(std::uint32_t milliseconds) override;
};

class Win32Profiles final : public Profiles {
 public:
  ProfileStore& win_ini() override { return win_ini_; }
  std::unique_ptr<ProfileStore> open_profile(std::string_view path) override;

 private:
  Win32WinIniStore win_ini_;
};

}  // namespace zel::platform::win32
