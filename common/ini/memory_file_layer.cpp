#include "common/ini/memory_file_layer.h"

namespace zel::ini {

void MemoryFileLayer::put(const std::string& path, std::string_view bytes) {
  files_[path] = File{std::string(bytes), clock_};
}

std::string MemoryFileLayer::bytes(const std::string& path) const {
  const auto it = files_.find(path);
  return it == files_.end() ? std::string() : it->second.bytes;
}

FileRead MemoryFileLayer::read(const std::string& path, std::size_t max_bytes, bool) {
  ++reads_;
  const auto it = files_.find(path);
  if (it == files_.end()) return FileRead{ReadStatus::missing, {}};
  if (it->second.bytes.size() > max_bytes) return FileRead{ReadStatus::too_large, {}};
  return FileRead{ReadStatus::ok, it->second.bytes};
}

bool MemoryFileLayer::replace(const std::string& path, std::string_view bytes) {
  put(path, bytes);
  return true;
}

std::optional<FileStamp> MemoryFileLayer::stamp(const std::string& path) {
  const auto it = files_.find(path);
  if (it == files_.end()) return std::nullopt;
  const std::int64_t t = it->second.changed_at;
  // Cut towards minus infinity, as times before 1970 are cut too.
  const std::int64_t cut = t - ((t % resolution_) + resolution_) % resolution_;
  FileStamp stamp;
  stamp.size = it->second.bytes.size();
  stamp.write_time = cut;
  stamp.change_time = cut;
  return stamp;
}

}  // namespace zel::ini
