#pragma once
// Files held in memory, for simulations and tests that want the store's exact
// rules without a disk: IniProfileStore over this layer. Paths are plain
// keys (no folders); a file exists once written or put.
#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "common/ini/file_layer.h"

namespace zel::ini {

class MemoryFileLayer final : public FileLayer {
 public:
  void put(const std::string& path, std::string_view bytes) { files_[path] = std::string(bytes); }
  void remove(const std::string& path) { files_.erase(path); }
  bool exists(const std::string& path) const { return files_.count(path) != 0; }
  // The file's bytes; empty when it does not exist.
  std::string bytes(const std::string& path) const;

  FileRead read(const std::string& path, std::size_t max_bytes, bool for_update) override;
  bool replace(const std::string& path, std::string_view bytes) override;

 private:
  std::map<std::string, std::string> files_;
};

}  // namespace zel::ini
