#include "fake_skin_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <limits>

namespace zel::skin::test {

namespace {

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view trim(std::string_view text) {
  auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

FakeSkinFile::FakeSkinFile(std::string_view ini_text) {
  std::string section;
  while (!ini_text.empty()) {
    const std::size_t end = std::min(ini_text.find('\n'), ini_text.size());
    const std::string_view line = trim(ini_text.substr(0, end));
    ini_text.remove_prefix(std::min(end + 1, ini_text.size()));
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = lower(trim(line.substr(1, line.size() - 2)));
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    sections_[section].emplace(lower(trim(line.substr(0, equals))),
                               std::string(trim(line.substr(equals + 1))));
  }
}

void FakeSkinFile::put(std::string_view section, std::string_view key, std::string_view value) {
  sections_[lower(section)][lower(key)] = std::string(value);
}

const std::string* FakeSkinFile::find(std::string_view section, std::string_view key) {
  reads_.push_back("[" + std::string(section) + "] " + std::string(key));
  const auto s = sections_.find(lower(section));
  if (s == sections_.end()) return nullptr;
  const auto k = s->second.find(lower(key));
  return k == s->second.end() ? nullptr : &k->second;
}

std::string FakeSkinFile::read_text(std::string_view section, std::string_view key,
                                    std::string_view default_text, std::size_t buffer_size) {
  const std::string* value = find(section, key);
  const std::string_view text = value ? std::string_view(*value) : default_text;
  if (buffer_size == 0) return {};
  return std::string(text.substr(0, buffer_size - 1));
}

std::int32_t FakeSkinFile::read_int(std::string_view section, std::string_view key,
                                    std::int32_t default_value) {
  const std::string* value = find(section, key);
  if (value == nullptr) return default_value;
  std::string_view text = trim(*value);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::int64_t number = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    number = std::min<std::int64_t>(number * 10 + (c - '0'), std::int64_t{1} << 32);
  }
  if (negative) number = -number;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      number, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The layout never writes; a write is a fault of the code under test.
bool FakeSkinFile::write_text(std::string_view section, std::string_view key, std::string_view) {
  ADD_FAILURE() << "unexpected write of [" << section << "] " << key;
  return false;
}

bool FakeSkinFile::delete_key(std::string_view section, std::string_view key) {
  ADD_FAILURE() << "unexpected delete of [" << section << "] " << key;
  return false;
}

bool FakeSkinFile::delete_section(std::string_view section) {
  ADD_FAILURE() << "unexpected delete of [" << section << "]";
  return false;
}

}  // namespace zel::skin::test
