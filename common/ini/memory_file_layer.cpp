#include "common/ini/memory_file_layer.h"

namespace zel::ini {

std::string MemoryFileLayer::bytes(const std::string& path) const {
  const auto it = files_.find(path);
  return it == files_.end() ? std::string() : it->second;
}

FileRead MemoryFileLayer::read(const std::string& path, std::size_t max_bytes, bool) {
  const auto it = files_.find(path);
  if (it == files_.end()) return FileRead{ReadStatus::missing, {}};
  if (it->second.size() > max_bytes) return FileRead{ReadStatus::too_large, {}};
  return FileRead{ReadStatus::ok, it->second};
}

bool MemoryFileLayer::replace(const std::string& path, std::string_view bytes) {
  files_[path] = std::string(bytes);
  return true;
}

}  // namespace zel::ini
