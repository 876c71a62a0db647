#pragma once
// A recording host and an in-memory settings store for driving TvProgramCore.
#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/ini/profile_store.h"
#include "companions/tvprogram/tv_program_core.h"

namespace zel::tv::testing {

struct Delivery {
  bool send;
  std::uint16_t command;
  std::int32_t argument;
  bool operator==(const Delivery&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Delivery& d) {
  return out << (d.send ? "send " : "post ") << d.command << " " << d.argument;
}

class FakeHost final : public TvHost {
 public:
  bool send_to_panel(std::uint16_t command, std::int32_t argument) override {
    return deliver({true, command, argument});
  }
  bool post_to_panel(std::uint16_t command, std::int32_t argument) override {
    return deliver({false, command, argument});
  }
  void append_log(std::string_view line) override { log.emplace_back(line); }
  void tuning_changed() override { ++tuning_changes; }
  void close_window() override { ++closes; }

  bool panel_exists = true;
  // The panel's reaction to a delivery, run before the delivery returns.
  std::function<void(const Delivery&)> panel;

  std::vector<std::string> log;
  std::vector<Delivery> deliveries;
  int tuning_changes = 0;
  int closes = 0;

 private:
  bool deliver(const Delivery& delivery) {
    if (!panel_exists) return false;
    deliveries.push_back(delivery);
    if (panel) panel(delivery);
    return true;
  }
};

// Section and key names without regard to case; read_int as the profile
// functions parse (blanks, sign, leading digits, else 0).
class MemoryStore final : public ProfileStore {
 public:
  MemoryStore() = default;
  MemoryStore(std::initializer_list<std::pair<std::pair<std::string, std::string>, std::string>> values) {
    for (const auto& [name, value] : values) write_text(name.first, name.second, value);
  }

  std::string read_text(std::string_view section, std::string_view key, std::string_view default_text,
                        std::size_t buffer_size) override {
    if (buffer_size == 0) return {};
    const auto found = values_.find(name(section, key));
    std::string value(found == values_.end() ? default_text : std::string_view(found->second));
    if (value.size() > buffer_size - 1) value.resize(buffer_size - 1);
    return value;
  }
  std::int32_t read_int(std::string_view section, std::string_view key, std::int32_t default_value) override {
    const auto found = values_.find(name(section, key));
    if (found == values_.end()) return default_value;
    const std::string& text = found->second;
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return 0;
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') ++i;
    std::int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      value = value * 10 + (text[i] - '0');
    }
    return static_cast<std::int32_t>(negative ? -value : value);
  }
  bool write_text(std::string_view section, std::string_view key, std::string_view value) override {
    values_[name(section, key)] = std::string(value);
    return true;
  }
  bool delete_key(std::string_view section, std::string_view key) override {
    values_.erase(name(section, key));
    return true;
  }
  bool delete_section(std::string_view section) override {
    std::erase_if(values_, [&](const auto& entry) { return entry.first.first == lower(section); });
    return true;
  }

  // "section/key=value" lines of everything stored, sorted, names in lower case.
  std::vector<std::string> dump() const {
    std::vector<std::string> lines;
    for (const auto& [name, value] : values_) lines.push_back(name.first + "/" + name.second + "=" + value);
    return lines;
  }

 private:
  static std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
  }
  static std::pair<std::string, std::string> name(std::string_view section, std::string_view key) {
    return {lower(section), lower(key)};
  }

  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace zel::tv::testing
