#pragma once
// Where the TV program finds its settings file and log, read through the
// Windows API; shared by video.ex_ and the robot that reads the log.
#include <windows.h>

#include <optional>
#include <string>

#include "companions/tvprogram/tv_environment.h"
#include "panel/tuning/settings_keys.h"

namespace zel::tv {

inline std::optional<std::string> environment_value(const char* name) {
  const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size == 0) return std::nullopt;
  std::string value(size, '\0');
  value.resize(GetEnvironmentVariableA(name, value.data(), size));
  return value;
}

inline EnvironmentLookup process_environment() {
  return [](const char* name) { return environment_value(name); };
}

// win.ini goes through the system's profile functions: the system may map
// its sections elsewhere.
inline std::string win_ini_text(const settings::TextKey& key) {
  char buffer[settings::win_ini::kPathBuffer] = {};
  GetProfileStringA(std::string(key.section).c_str(), std::string(key.name).c_str(),
                    std::string(key.fallback).c_str(), buffer, sizeof buffer);
  return buffer;
}

// The settings file the panel uses: win.ini [AP] install folder + file name.
inline std::string installed_settings_path() {
  return settings_file_path(win_ini_text(settings::win_ini::kInstallDirectory),
                            win_ini_text(settings::win_ini::kSettingIniFile));
}

inline std::string installed_log_path() {
  return log_file_path(process_environment(), installed_settings_path());
}

}  // namespace zel::tv
