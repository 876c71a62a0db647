#pragma once
// A scripted LibraryLoader for host tests.
//
// The test sets the system folder (empty by default, "cannot be told") and
// registers libraries by full path with their exports, for instance the
// in-process functions of the tuner-data library. load() finds a registered
// path without regard to case and fails for any other. Every call is recorded
// as one line, in the style of the simulated desktop:
//   GetSystemDirectory() = C:\windows\system32
//   LoadLibraryEx(C:\windows\system32\ZtTV.dll) = ZtTV.dll      (or "= null")
//   GetProcAddress(ZtTV.dll, ZtGetFreqInfo) = found              (or "= null")
//   FreeLibrary(ZtTV.dll)
// Modules appear by file name. Finding in or unloading a module that is not
// loaded throws std::logic_error: the code under test misused the seam.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "panel/platform/library_loader.h"

namespace zel::platform::sim {

class SimLibraryLoader final : public LibraryLoader {
 public:
  using Exports = std::map<std::string, ExportAddress, std::less<>>;

  void set_system_folder(std::string folder) { system_folder_ = std::move(folder); }
  void add_library(std::string path, Exports exports);

  const std::vector<std::string>& calls() const { return calls_; }
  void clear_calls() { calls_.clear(); }

  // Loads not yet matched by an unload, over all libraries.
  int open_loads() const;

  std::string system_folder() override;
  ModuleHandle load(std::string_view path) override;
  ExportAddress find_export(ModuleHandle module, std::string_view name) override;
  void unload(ModuleHandle module) override;

 private:
  struct Library {
    std::string path;
    std::string file_name;
    Exports exports;
    int loads = 0;
  };

  Library& loaded_library(ModuleHandle module, std::string_view operation);

  std::string system_folder_;
  std::vector<std::unique_ptr<Library>> libraries_;
  std::vector<std::string> calls_;
};

}  // namespace zel::platform::sim
