#include "panel/platform/sim/sim_library_loader.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace zel::platform::sim {
namespace {

bool same_path(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

std::string file_name_of(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace

void SimLibraryLoader::add_library(std::string path, Exports exports) {
  auto library = std::make_unique<Library>();
  library->file_name = file_name_of(path);
  library->path = std::move(path);
  library->exports = std::move(exports);
  libraries_.push_back(std::move(library));
}

int SimLibraryLoader::open_loads() const {
  int loads = 0;
  for (const auto& library : libraries_) loads += library->loads;
  return loads;
}

std::string SimLibraryLoader::system_folder() {
  calls_.push_back("GetSystemDirectory() = " + system_folder_);
  return system_folder_;
}

ModuleHandle SimLibraryLoader::load(std::string_view path) {
  for (const auto& library : libraries_) {
    if (same_path(library->path, path)) {
      ++library->loads;
      calls_.push_back("LoadLibraryEx(" + std::string(path) + ") = " + library->file_name);
      return library.get();
    }
  }
  calls_.push_back("LoadLibraryEx(" + std::string(path) + ") = null");
  return nullptr;
}

ExportAddress SimLibraryLoader::find_export(ModuleHandle module, std::string_view name) {
  Library& library = loaded_library(module, "GetProcAddress");
  const auto found = library.exports.find(name);
  const bool known = found != library.exports.end() && found->second != nullptr;
  calls_.push_back("GetProcAddress(" + library.file_name + ", " + std::string(name) + ") = " +
                   (known ? "found" : "null"));
  return known ? found->second : nullptr;
}

void SimLibraryLoader::unload(ModuleHandle module) {
  Library& library = loaded_library(module, "FreeLibrary");
  --library.loads;
  calls_.push_back("FreeLibrary(" + library.file_name + ")");
}

SimLibraryLoader::Library& SimLibraryLoader::loaded_library(ModuleHandle module,
                                                           std::string_view operation) {
  for (const auto& library : libraries_) {
    if (library.get() == module && library->loads > 0) return *library;
  }
  throw std::logic_error(std::string(operation) + " on a module that is not loaded");
}

}  // namespace zel::platform::sim
