#pragma once
// Files held in memory, for simulations and tests that want the store's exact
// rules without a disk: IniProfileStore over this layer. Paths are plain
// keys (no folders); a file exists once written or put.
//
// The layer has a clock of its own that stands still unless moved. Each
// change is stamped with the clock's time cut to the stamp resolution (1 ns
// unless set), and a stamp holds only the size and that time, as a file
// system with coarse times gives: two changes within one resolution step can
// leave equal stamps.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "common/ini/file_layer.h"

namespace zel::ini {

class MemoryFileLayer final : public FileLayer {
 public:
  void put(const std::string& path, std::string_view bytes);
  void remove(const std::string& path) { files_.erase(path); }
  bool exists(const std::string& path) const { return files_.count(path) != 0; }
  // The file's bytes; empty when it does not exist.
  std::string bytes(const std::string& path) const;

  void set_clock(std::int64_t ns) { clock_ = ns; }
  void advance_clock(std::int64_t ns) { clock_ += ns; }
  void set_stamp_resolution(std::int64_t ns) { resolution_ = ns > 0 ? ns : 1; }
  // How many reads reached the files.
  int reads() const { return reads_; }

  FileRead read(const std::string& path, std::size_t max_bytes, bool for_update) override;
  bool replace(const std::string& path, std::string_view bytes) override;
  std::optional<FileStamp> stamp(const std::string& path) override;
  std::int64_t now() override { return clock_; }

 private:
  struct File {
    std::string bytes;
    std::int64_t changed_at = 0;
  };

  std::map<std::string, File> files_;
  std::int64_t clock_ = 0;
  std::int64_t resolution_ = 1;
  int reads_ = 0;
};

}  // namespace zel::ini
