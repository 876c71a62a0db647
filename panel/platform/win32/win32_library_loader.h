#pragma once
// LibraryLoader over GetSystemDirectoryA, LoadLibraryExA, GetProcAddress and
// FreeLibrary.
#include "panel/platform/library_loader.h"

namespace zel::platform::win32 {

class Win32LibraryLoader final : public LibraryLoader {
 public:
  std::string system_folder() override;
  ModuleHandle load(std::string_view path) override;
  ExportAddress find_export(ModuleHandle module, std::string_view name) override;
  void unload(ModuleHandle module) override;
};

}  // namespace zel::platform::win32
