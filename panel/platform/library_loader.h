#pragma once
// Loading a library and finding its exports by name (the tuner-data library).
//
// Contract:
//  - system_folder(): the Windows system folder without a trailing separator
//    ("C:\WINDOWS\system32"); empty when it cannot be told.
//  - load(path): loads the library at exactly that path, as LoadLibraryExA with
//    no flags; null on failure. Each successful load must be matched by one
//    unload of the returned module.
//  - find_export(module, name): the address of the export with that name, null
//    when the module has none. The address stays valid while the module is
//    loaded. Cast it to the export's own function type before calling.
//  - unload(module): releases one load; the module's addresses are invalid
//    afterwards.
#include <string>
#include <string_view>

namespace zel::platform {

// An opaque loaded-library handle; null is "no library".
using ModuleHandle = void*;

// A generic function address (the type GCC accepts to cast any function
// pointer to and from).
using ExportAddress = void (*)();

class LibraryLoader {
 public:
  virtual ~LibraryLoader() = default;

  virtual std::string system_folder() = 0;
  virtual ModuleHandle load(std::string_view path) = 0;
  virtual ExportAddress find_export(ModuleHandle module, std::string_view name) = 0;
  virtual void unload(ModuleHandle module) = 0;
};

}  // namespace zel::platform
