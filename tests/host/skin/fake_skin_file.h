#pragma once
// A skin file in memory with the profile-store rules the layout relies on:
// names match without regard to case, a missing section or key gives the
// default, texts are cut to the buffer, integers read as leading decimal
// digits. Seeded from INI text; records every section and key read.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini/profile_store.h"

namespace zel::skin::test {

class FakeSkinFile final : public ProfileStore {
 public:
  FakeSkinFile() = default;
  explicit FakeSkinFile(std::string_view ini_text);

  std::string read_text(std::string_view section, std::string_view key,
                        std::string_view default_text, std::size_t buffer_size) override;
  std::int32_t read_int(std::string_view section, std::string_view key,
                        std::int32_t default_value) override;
  bool write_text(std::string_view section, std::string_view key, std::string_view value) override;
  bool delete_key(std::string_view section, std::string_view key) override;
  bool delete_section(std::string_view section) override;

  // Sets a value as another program editing the file would.
  void put(std::string_view section, std::string_view key, std::string_view value);

  // "[section] key" of every read, in order.
  const std::vector<std::string>& reads() const { return reads_; }
  void clear_reads() { reads_.clear(); }

 private:
  const std::string* find(std::string_view section, std::string_view key);

  std::map<std::string, std::map<std::string, std::string>> sections_;  // lower-case names
  std::vector<std::string> reads_;
};

}  // namespace zel::skin::test
