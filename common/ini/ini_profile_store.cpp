#include "common/ini/ini_profile_store.h"

#include <optional>
#include <utility>

#include "common/ini/ini_document.h"
#include "common/ini/ini_encoding.h"
#include "common/ini/ini_index.h"
#include "common/ini/ini_parse.h"
#include "common/ini/ini_serialise.h"
#include "common/ini/ini_text.h"
#include "common/ini/ini_value.h"

namespace zel {

using ini::Encoding;
using ini::ReadStatus;

// A read of the file, kept while the file's stamp stays as it was.
struct IniProfileStore::Snapshot {
  Snapshot(const ini::FileStamp& stamp_read, std::int64_t clock, std::string bytes)
      : stamp(stamp_read), taken_at(clock), index(std::move(bytes)) {}

  const ini::FileStamp stamp;
  // The clock just before the stamp was taken.
  const std::int64_t taken_at;
  const ini::IniIndex index;
};

IniProfileStore::IniProfileStore(std::string path, ini::FileLayer& files)
    : path_(std::move(path)), files_(files) {}

IniProfileStore::~IniProfileStore() = default;

namespace {

// Looks up the caller's ANSI names in a text of encoding `e` with `find`, and
// hands `use` the value found, in ANSI.
template <class Find, class Use>
decltype(auto) find_as_ansi(Encoding e, std::string_view section, std::string_view key, Find&& find,
                            Use&& use) {
  if (e == Encoding::ansi) return use(find(section, key));
  const std::optional<std::string_view> value = find(ini::ansi_to_text(section, e), ini::ansi_to_text(key, e));
  if (!value) return use(std::optional<std::string_view>());
  const std::string ansi = ini::text_to_ansi(*value, e);
  return use(std::optional<std::string_view>(ansi));
}

}  // namespace

// Calls use(status, value): how the file read, and the value of the entry
// that counts (in ANSI), or nothing. See the header for when the snapshot
// answers.
template <class Use>
decltype(auto) IniProfileStore::lookup(std::string_view section, std::string_view key, Use&& use) {
  const std::int64_t now = files_.now();
  const std::optional<ini::FileStamp> stamp = files_.stamp(path_);
  if (snapshot_ && !(stamp && *stamp == snapshot_->stamp && now >= snapshot_->taken_at)) snapshot_.reset();

  if (!snapshot_) {
    ini::FileRead file = files_.read(path_, kMaxFileBytes, false);
    // The stamp from before the read goes with the snapshot: a change during
    // the read then shows at the next call.
    const bool keep = file.status == ReadStatus::ok && stamp && stamp->newest_time() < now - kSettleTime;
    if (!keep) {
      const auto with_status = [&](std::optional<std::string_view> value) { return use(file.status, value); };
      if (file.status != ReadStatus::ok || file.bytes.empty()) return with_status(std::nullopt);
      const ini::FileText text(file.bytes);
      return find_as_ansi(
          text.encoding(), section, key,
          [&](std::string_view s, std::string_view k) { return ini::lookup_value(text.text(), s, k); },
          with_status);
    }
    snapshot_ = std::make_unique<Snapshot>(*stamp, now, std::move(file.bytes));
  }
  const ini::IniIndex& index = snapshot_->index;
  return find_as_ansi(
      index.encoding(), section, key, [&](std::string_view s, std::string_view k) { return index.lookup(s, k); },
      [&](std::optional<std::string_view> value) { return use(ReadStatus::ok, value); });
}

std::string IniProfileStore::read_text(std::string_view section, std::string_view key,
                                       std::string_view default_text, std::size_t buffer_size) {
  section = ini::until_nul(section);
  key = ini::until_nul(key);
  const std::string_view fallback = ini::trim_default(ini::until_nul(default_text));
  if (buffer_size == 0) return {};

  return lookup(section, key, [&](ReadStatus status, std::optional<std::string_view> value) {
    // A file that cannot be read gives the default as passed, quotes and all.
    if (status == ReadStatus::failed || status == ReadStatus::too_large) {
      return ini::truncate_to_buffer(fallback, buffer_size);
    }
    return ini::copy_entry(value ? *value : fallback, buffer_size);
  });
}

std::int32_t IniProfileStore::read_int(std::string_view section, std::string_view key,
                                       std::int32_t default_value) {
  const std::string text = read_text(section, key, "", ini::kIntReadBuffer);
  if (text.empty()) return default_value;
  return static_cast<std::int32_t>(ini::parse_profile_int(text));
}

bool IniProfileStore::replace_file(std::string_view bytes) {
  snapshot_.reset();
  return files_.replace(path_, bytes);
}

template <class Edit>
bool IniProfileStore::update(Edit&& edit) {
  const ini::FileRead file = files_.read(path_, kMaxFileBytes, true);
  if (file.status != ReadStatus::ok && file.status != ReadStatus::missing) return false;
  ini::Document doc = ini::parse_file(file.bytes);
  if (!edit(doc)) return true;
  return replace_file(ini::serialise_file(doc));
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
  return replace_file(changed_since ? ini::serialise_file(doc) : *first_change);
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
