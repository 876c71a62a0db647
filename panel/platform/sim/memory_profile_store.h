#pragma once
// An INI file kept in memory, for the simulated desktop: the settings file,
// the skin file and win.ini of a test. It follows the zel::ProfileStore
// contract; its text form (sections and keys in the order first written,
// "[Section]" and "key=value" lines) is what tests compare and seed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini/profile_store.h"

namespace zel::platform::sim {

class MemoryProfileStore final : public ProfileStore {
 public:
  MemoryProfileStore() = default;
  explicit MemoryProfileStore(std::string_view text) { load(text); }

  std::string read_text(std::string_view section, std::string_view key,
                        std::string_view default_text, std::size_t buffer_size) override;
  std::int32_t read_int(std::string_view section, std::string_view key,
                        std::int32_t default_value) override;
  bool write_text(std::string_view section, std::string_view key, std::string_view value) override;
  bool delete_key(std::string_view section, std::string_view key) override;
  bool delete_section(std::string_view section) override;

  // Replaces the whole content with the INI text (blank lines and lines
  // starting with ';' are skipped; blanks around names and values trimmed).
  void load(std::string_view text);
  std::string text() const;
  bool has_key(std::string_view section, std::string_view key) const;
  bool has_section(std::string_view section) const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  Section* find_section(std::string_view name);
  const Section* find_section(std::string_view name) const;
  const Entry* find_entry(std::string_view section, std::string_view key) const;

  std::vector<Section> sections_;
};

}  // namespace zel::platform::sim
