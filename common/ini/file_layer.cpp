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



FileRead read_to_end(std::size_t expected_size, std::size_t max_bytes,
                     const std::function<std::optional<std::size_t>(char*, std::size_t)>& read_some) {
  FileRead result;
  result.bytes.resize(expected_size + 1);
  std::size_t done = 0;
  for (;;) {
    const std::size_t want = result.bytes.size() - done;
    const std::optional<std::size_t> got = read_some(result.bytes.data() + done, want);
    if (!got) {
      result.bytes.clear();
      result.status = ReadStatus::failed;
      return result;
    }
    done += *got;
    if (*got < want || done > max_bytes) break;
    result.bytes.resize(done + 4096);
  }
  result.bytes.resize(done);
  if (done > max_bytes) {
    result.bytes.clear();
    result.status = ReadStatus::too_large;
    return result;
  }
  result.status = ReadStatus::ok;
  return result;
}

}  // namespace zel::ini
