#pragma once
// INI files by path and win.ini.
//
// Contract: the stores follow zel::ProfileStore. win_ini() lives as long as
// the platform. open_profile() names a file by its Windows path; the file need
// not exist (a missing file reads as empty and the first write creates it).
#include <memory>
#include <string_view>

#include "common/ini/profile_store.h"

namespace zel::platform {

class Profiles {
 public:
  virtual ~Profiles() = default;
  virtual ProfileStore& win_ini() = 0;
  virtual std::unique_ptr<ProfileStore> open_profile(std::string_view path) = 0;
};

}  // namespace zel::platform
