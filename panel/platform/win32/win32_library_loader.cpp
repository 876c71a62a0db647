#include "panel/platform/win32/win32_library_loader.h"

#include <windows.h>

namespace zel::platform::win32 {

std::string Win32LibraryLoader::system_folder() {
  std::string folder(MAX_PATH, '\0');
  UINT length = GetSystemDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
  if (length >= folder.size()) {
    // Too small: the answer is the size needed, terminator included.
    folder.assign(length, '\0');
    length = GetSystemDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) return {};
  }
  folder.resize(length);
  return folder;
}

ModuleHandle Win32LibraryLoader::load(std::string_view path) {
  const std::string terminated(path);
  return LoadLibraryExA(terminated.c_str(), nullptr, 0);
}

ExportAddress Win32LibraryLoader::find_export(ModuleHandle module, std::string_view name) {
  if (module == nullptr) return nullptr;
  const std::string terminated(name);
  return reinterpret_cast<ExportAddress>(
      GetProcAddress(static_cast<HMODULE>(module), terminated.c_str()));
}

void Win32LibraryLoader::unload(ModuleHandle module) {
  if (module != nullptr) FreeLibrary(static_cast<HMODULE>(module));
}

}  // namespace zel::platform::win32
