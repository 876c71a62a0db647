#include "common/ini/ini_profile_store.h"

#include <optional>
#include <utility>

#include "common/ini/ini_document.h"
#include "common/ini/ini_encoding.h"
#include "common/ini/ini_parse.h"
#include "common/ini/ini_serialise.h"
#include "common/ini/ini_text.h"
#include "common/ini/ini_value.h"

namespace zel {

using ini::Encoding;
using ini::ReadStatus;

IniProfileStore::IniProfileStore(std::string path, ini::FileLayer& files)
    : path_(std::move(path)), files_(files) {}

std::string IniProfileStore::read_text(std::string_view section, std::string_view key,
                                       std::string_view default_text, std::size_t buffer_size) {
  section = ini::until_nul(section);
  key = ini::until_nul(key);
  const std::string_view fallback = ini::trim_default(ini::until_nul(default_text));
  if (buffer_size == 0) return {};

  const ini::FileRead file = files_.read(path_, kMaxFileBytes, false);
  if (file.status == ReadStatus::failed || file.status == ReadStatus::too_large) {
    return ini::truncate_to_buffer(fallback, buffer_size);
  }
  if (file.status == ReadStatus::ok && !file.bytes.empty()) {
    const ini::FileText text(file.bytes);
    if (text.encoding() == Encoding::ansi) {
      if (const auto value = ini::lookup_value(text.text(), section, key)) {
        return ini::copy_entry(*value, buffer_size);
      }
    } else {
      const Encoding e = text.encoding();
      if (const auto value = ini::lookup_value(text.text(), ini::ansi_to_text(section, e),
                                               ini::ansi_to_text(key, e))) {
        return ini::copy_entry(ini::text_to_ansi(*value, e), buffer_size);
      }
    }
  }
  return ini::copy_entry(fallback, buffer_size);
}

std::int32_t IniProfileStore::read_int(std::string_view section, std::string_view key,
                                       std::int32_t default_value) {
  const std::string text = read_text(section, key, "", ini::kIntReadBuffer);
  if (text.empty()) return default_value;
  return static_cast<std::int32_t>(ini::parse_profile_int(text));
}

template <class Edit>
bool IniProfileStore::update(Edit&& edit) {
  const ini::FileRead file = files_.read(path_, kMaxFileBytes, true);
  if (file.status != ReadStatus::ok && file.status != ReadStatus::missing) return false;
  ini::Document doc = ini::parse_file(file.bytes);
  if (!edit(doc)) return true;
  return files_.replace(path_, ini::serialise_file(doc));
}

bool IniProfileStore::write_text(std::string_view section, std::string_view key,
                                 std::string_view value) {
  section = ini::until_nul(section);
  key = ini::until_nul(key);
  value = ini::until_nul(value);
  return update([&](ini::Document& doc) {
    const Encoding e = doc.encoding;
    if (e == Encoding::ansi) return ini::set_value(doc, section, key, value);
    return ini::set_value(doc, ini::ansi_to_text(section, e), ini::ansi_to_text(key, e),
                          ini::ansi_to_text(value, e));
  });
}

namespace {

bool plain(std::string_view s) {
  return s.empty() || (!ini::is_blank(s.front()) && !ini::is_blank(s.back()) &&
                       s.find_first_of("\r\n") == std::string_view::npos);
}

// A write whose line reads back as exactly the entry it makes, so that later
// writes of a batch may work on the edited document without writing and
// reading it again.
bool plain_write(const ProfileWrite& w) {
  const std::string_view s = ini::until_nul(w.section), k = ini::until_nul(w.key);
  return !s.empty() && plain(s) && !k.empty() && plain(k) && k.front() != '[' &&
         k.find('=') == std::string_view::npos && plain(ini::until_nul(w.value));
}

}  // namespace

bool IniProfileStore::write_texts(std::span<const ProfileWrite> writes) {
  for (const ProfileWrite& w : writes) {
    if (!plain_write(w)) return ProfileStore::write_texts(writes);
  }
  const ini::FileRead file = files_.read(path_, kMaxFileBytes, true);
  if (file.status != ReadStatus::ok && file.status != ReadStatus::missing) return false;
  ini::Document doc = ini::parse_file(file.bytes);
  const Encoding e = doc.encoding;

  // Made one at a time, each write would see the file as the last change left
  // it. After the first change the document is therefore read back from its
  // bytes; it is then in the form reading gives, which plain writes keep, so
  // later writes can work on it directly.
  std::optional<std::string> first_change;
  bool changed_since = false;
  for (const ProfileWrite& w : writes) {
    const std::string_view s = ini::until_nul(w.section), k = ini::until_nul(w.key), v = ini::until_nul(w.value);
    const bool changed = e == Encoding::ansi ? ini::set_value(doc, s, k, v)
                                             : ini::set_value(doc, ini::ansi_to_text(s, e), ini::ansi_to_text(k, e),
                                                              ini::ansi_to_text(v, e));
    if (!changed) continue;
    if (!first_change) {
      first_change = ini::serialise_file(doc);
      doc = ini::parse_file(*first_change);
    } else {
      changed_since = true;
    }
  }
  if (!first_change) return true;
  return files_.replace(path_, changed_since ? ini::serialise_file(doc) : *first_change);
}

bool IniProfileStore::delete_key(std::string_view section, std::string_view key) {
  section = ini::until_nul(section);
  key = ini::until_nul(key);
  return update([&](ini::Document& doc) {
    const Encoding e = doc.encoding;
    return ini::delete_entry(doc, ini::ansi_to_text(section, e), ini::ansi_to_text(key, e));
  });
}

bool IniProfileStore::delete_section(std::string_view section) {
  section = ini::until_nul(section);
  return update([&](ini::Document& doc) {
    return ini::delete_section(doc, ini::ansi_to_text(section, doc.encoding));
  });
}

}  // namespace zel
