#include "common/ini/file_layer.h"

#include "common/ini/atomic_replace.h"
#include "common/ini/file_read.h"

namespace zel::ini {
namespace {

class NativeFileLayer final : public FileLayer {
 public:
  FileRead read(const std::string& path, std::size_t max_bytes, bool for_update) override {
    return read_native_file(path, max_bytes, for_update);
  }
  bool replace(const std::string& path, std::string_view bytes) override {
    return replace_atomically(native_replace_steps(), path, bytes);
  }
  std::optional<FileStamp> stamp(const std::string& path) override { return stamp_native_file(path); }
  std::int64_t now() override { return native_clock_now(); }
};

}  // namespace

FileLayer& native_file_layer() {
  static NativeFileLayer layer;
  return layer;
}

}  // namespace zel::ini
