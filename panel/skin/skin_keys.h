#pragma once
// How skin-file keys are described, named and read.
//
// The keys themselves are defined once each, in the tables of window_keys.h,
// button_table.h, readout_keys.h and caption_keys.h: section, name, default,
// and for texts the length limit. The layout reader, the skin generator and
// the tests all take names and defaults from those tables.
//
// A skin file holds numbered skin sets. `skin_set` below is that number; its
// decimal text (no leading zeros, "-" for a negative number) builds the names
// of sections and of the per-set keys of [Panel].
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/ini/profile_store.h"

namespace zel::skin {

// Where a key lives.
enum class Section {
  kPanel,       // [Panel], the key name as it is
  kPanelOfSet,  // [Panel], the key name prefixed with the set number: "2PANEL_W"
  kButtons,     // [<n>PANEL_BTN], for instance [2PANEL_BTN]
};

// What an integer key holds, and so the range its value is clamped into when
// it is read. With every coordinate and size inside +-kCoordinateLimit, sums
// and differences of a few skin values never overflow, and no size is
// negative. The limit is the 16-bit coordinate range of the Windows 9x
// graphics system; no skin can use anything beyond it.
enum class Range {
  kAny,       // a choice, a count or a set number: kept as read
  kPosition,  // a coordinate, offset or pitch: -kCoordinateLimit ... kCoordinateLimit
  kSize,      // a width or height: 0 ... kCoordinateLimit
};
inline constexpr std::int32_t kCoordinateLimit = 32767;

struct IntKey {
  std::string_view name;
  std::int32_t fallback;
  Range range = Range::kPosition;
};

struct TextKey {
  std::string_view name;
  std::string_view fallback;
  std::size_t max_length;  // a longer value (or default) is cut to this many characters
};

// "Panel" or "<n>PANEL_BTN".
std::string section_name(Section section, std::int32_t skin_set);
// The name as it stands in the file: prefixed with the set number for
// Section::kPanelOfSet, as it is otherwise.
std::string key_name(Section section, std::string_view name, std::int32_t skin_set);
std::int32_t clamp_to(Range range, std::int32_t value);

// A missing file, section or key gives the key's default; the value is then
// clamped to the key's range (texts to their length limit).
std::int32_t read_key(ProfileStore& file, Section section, const IntKey& key,
                      std::int32_t skin_set);
std::string read_key(ProfileStore& file, Section section, const TextKey& key,
                     std::int32_t skin_set);

// For the tables: true when row i carries the id i and the table has a row for
// every id, so that an enum names its table's rows.
template <typename Row, std::size_t N>
consteval bool rows_in_order(const Row (&rows)[N], std::size_t id_count) {
  if (N != id_count) return false;
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(rows[i].id) != i) return false;
  }
  return true;
}

}  // namespace zel::skin
